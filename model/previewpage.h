// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"

#include <QList>
#include <QString>

// A page to preview, and where the user's own code sits in it, so that an error reported at
// a line of the page can be told at its line in the code the user sees.
struct PreviewPage {
    struct Part {
        QString name;  // "block 2", "head code"
        int firstLine; // 1-based line of the page where the part's code begins
        int lineCount;
    };

    QString html;
    QList<Part> parts;

    // "block 2, line 5" for a line of the page inside the user's code; else "page line N".
    QString locate(int pageLine) const;

    // The entry's sample page (or, without one, its blocks in a plain page).
    static PreviewPage forEntry(const ScriptEntry& entry);
    // A saved script's head and body code in a plain page.
    static PreviewPage forScript(const QString& title, const QString& head, const QString& body);
};
