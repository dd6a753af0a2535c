// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/diskpagefileaccess.h"
#include "kit/entryactions.h"
#include "model/pageeditor.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class FileChooser;
class PagePreviewWindow;
class QWidget;
struct AppContext;

// "Put into My Page..." (Ctrl+Shift+I) and "Remove from My Page..." on every entry: choose a
// page, see the change in a preview window, and only then write it. Entries that are whole
// pages are offered as "Save as New Page..." instead.
class PageInsertionCommands final : public QObject {
    Q_OBJECT
public:
    // The snippet an entry stands for; nothing when the entry is unknown or empty.
    using SnippetFor = std::function<std::optional<PageSnippet>(const EntryRef& entry)>;

    PageInsertionCommands(AppContext& context, SnippetFor snippetFor, QString scriptsFolder,
                          QObject* parent = nullptr);

    // Adds both commands to context.entryActions.
    static PageInsertionCommands* install(AppContext& context, SnippetFor snippetFor,
                                          QObject* owner);

    void putIntoPage(const EntryRef& entry, QWidget* origin);
    void removeFromPage(const EntryRef& entry, QWidget* origin);
    // The same for a snippet made elsewhere (an entry with the user's own settings). Its
    // title names the insertion, so putting in the plain entry later replaces it, and removing
    // either takes it out.
    void putSnippetIntoPage(const PageSnippet& snippet, QWidget* origin);
    void removeSnippetFromPage(const PageSnippet& snippet, QWidget* origin);

    // The preview window opened last, while it is open.
    PagePreviewWindow* preview() const;

    static QString putCaption() {
        return QCoreApplication::translate("PageInsertionCommands", "&Put into My Page...");
    }
    static QString removeCaption() {
        return QCoreApplication::translate("PageInsertionCommands", "&Remove from My Page...");
    }

private:
    FileChooser& chooser();
    QString choosePage(QWidget* origin, const QString& caption);
    void showPreview(const PageEditor::Preview& preview, QWidget* origin);
    void saveNewPage(const PageSnippet::NewPage& page, const QString& title, QWidget* parent,
                     const QString& folder);

    AppContext& m_context;
    SnippetFor m_snippetFor;
    DiskPageFileAccess m_files;
    PageEditor m_editor;
    QString m_lastFolder;
    QPointer<PagePreviewWindow> m_preview;
};
