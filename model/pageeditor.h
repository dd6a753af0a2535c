// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/pagefileaccess.h"
#include "model/pageinsertion.h"
#include "model/pagesnippet.h"

#include <QString>
#include <QStringList>

// Putting a snippet into a page file and taking it out again, in two steps: a preview that
// reads the page and works out the change, and an apply that writes exactly that change, but
// only if the page is still what the preview read. The window and the command line share it.
class PageEditor {
public:
    struct Preview {
        QString path;
        QString title;
        bool removing = false;
        PageChange change;
        QString error;            // set when nothing can be done
        QStringList byHand;       // notes and steps left to the user
        QStringList supportFiles; // files from the scripts folder the snippet names
        QList<PageSnippet::NewPage> newPages;
        bool ok() const { return error.isEmpty(); }
    };
    struct Outcome {
        bool ok = false;
        QString message;
    };

    // scriptsFolder: the installed scripts folder, where support files are taken from.
    PageEditor(PageFileAccess& files, QString scriptsFolder);

    Preview previewInsert(const QString& path, const PageSnippet& snippet) const;
    Preview previewRemove(const QString& path, const QString& title) const;
    Outcome apply(const Preview& preview) const;

    // The support files of the preview missing beside the page, and those already there.
    QStringList supportFilesMissing(const Preview& preview) const;
    QStringList supportFilesPresent(const Preview& preview) const;
    // Copies support files beside the page; replace says whether existing ones may go.
    Outcome copySupportFiles(const Preview& preview, const QStringList& names, bool replace) const;
    Outcome saveNewPage(const QString& path, const QString& code, bool replace) const;

    // Whether text names a file, literally or as a numbered series a script puts together
    // ("clocks-digit" + n + ".svg").
    static bool namesFile(const QString& text, const QString& fileName);

private:
    QString besidePage(const Preview& preview, const QString& name) const;

    PageFileAccess& m_files;
    QString m_scriptsFolder;
};
