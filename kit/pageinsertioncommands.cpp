// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/pageinsertioncommands.h"

#include "platform/appfolder.h"
#include "platform/filechooser.h"
#include "platform/messageboxes.h"

#include "kit/appcontext.h"
#include "kit/pagepreviewwindow.h"
#include "kit/translatedtext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const TranslatedText kPageFilter{
    "PageInsertionCommands",
    QT_TRANSLATE_NOOP("PageInsertionCommands", "Web pages (*.html *.htm);;All files (*)")};
const TranslatedText kPutTitle{"PageInsertionCommands",
                               QT_TRANSLATE_NOOP("PageInsertionCommands", "Put into My Page")};
const TranslatedText kRemoveTitle{
    "PageInsertionCommands", QT_TRANSLATE_NOOP("PageInsertionCommands", "Remove from My Page")};

} // namespace

PageInsertionCommands::PageInsertionCommands(AppContext& context, SnippetFor snippetFor,
                                             QString scriptsFolder, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_snippetFor(std::move(snippetFor))
    , m_editor(m_files, std::move(scriptsFolder)) {}

PageInsertionCommands* PageInsertionCommands::install(AppContext& context, SnippetFor snippetFor,
                                                      QObject* owner) {
    auto* commands = new PageInsertionCommands(context, std::move(snippetFor),
                                               AppFolder::scriptsFolder(), owner);
    QPointer<PageInsertionCommands> guarded(commands);
    context.entryActions->add({putCaption(),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I),
                               QStringLiteral("actPutIntoPage"),
                               [guarded](const EntryRef& entry, QWidget* origin) {
                                   if (guarded)
                                       guarded->putIntoPage(entry, origin);
                               },
                               {}});
    context.entryActions->add({removeCaption(),
                               QKeySequence(),
                               QStringLiteral("actRemoveFromPage"),
                               [guarded](const EntryRef& entry, QWidget* origin) {
                                   if (guarded)
                                       guarded->removeFromPage(entry, origin);
                               },
                               {}});
    return commands;
}

PagePreviewWindow* PageInsertionCommands::preview() const {
    return m_preview;
}

FileChooser& PageInsertionCommands::chooser() {
    static DialogFileChooser dialogs;
    return m_context.fileChooser.isSet() ? *m_context.fileChooser : dialogs;
}

QString PageInsertionCommands::choosePage(QWidget* origin, const QString& caption) {
    const QString path = chooser().openFile(
        origin,
        caption + QCoreApplication::translate("PageInsertionCommands", " - Choose Your Page"),
        m_lastFolder, kPageFilter);
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

void PageInsertionCommands::putIntoPage(const EntryRef& entry, QWidget* origin) {
    if (const std::optional<PageSnippet> snippet = m_snippetFor(entry))
        putSnippetIntoPage(*snippet, origin);
}

void PageInsertionCommands::removeFromPage(const EntryRef& entry, QWidget* origin) {
    if (const std::optional<PageSnippet> snippet = m_snippetFor(entry))
        removeSnippetFromPage(*snippet, origin);
}

void PageInsertionCommands::putSnippetIntoPage(const PageSnippet& snippet, QWidget* origin) {
    if (!snippet.hasPieces()) {
        if (snippet.newPages.isEmpty()) {
            m_context.messages->inform(
                origin, kPutTitle,
                QCoreApplication::translate("PageInsertionCommands",
                                            "\"%1\" has no code to put into a page.")
                    .arg(snippet.title),
                MessageBoxes::Icon::Information);
            return;
        }
        const auto answer = m_context.messages->askYesNo(
            origin, kPutTitle,
            QCoreApplication::translate(
                "PageInsertionCommands",
                "\"%1\" is a whole page of its own, so it is not put into an existing "
                "page.\n\nSave it as a new page?")
                .arg(snippet.title),
            MessageBoxes::Answer::Yes, MessageBoxes::Icon::Question);
        if (answer == MessageBoxes::Answer::Yes)
            saveNewPage(snippet.newPages.first(), snippet.title, origin, m_lastFolder);
        return;
    }
    const QString path = choosePage(origin, kPutTitle);
    if (path.isEmpty())
        return;
    const PageEditor::Preview preview = m_editor.previewInsert(path, snippet);
    if (!preview.ok()) {
        m_context.messages->inform(origin, kPutTitle, preview.error, MessageBoxes::Icon::Warning);
        return;
    }
    showPreview(preview, origin);
    if (m_preview && !snippet.newPages.isEmpty()) {
        const PageSnippet::NewPage page = snippet.newPages.first();
        const QString title = snippet.title;
        const QString folder = QFileInfo(path).absolutePath();
        QPointer<PagePreviewWindow> window = m_preview;
        m_preview->onSaveNewPage(
            [this, page, title, folder, window](int) { saveNewPage(page, title, window, folder); });
    }
}

void PageInsertionCommands::removeSnippetFromPage(const PageSnippet& snippet, QWidget* origin) {
    const QString path = choosePage(origin, kRemoveTitle);
    if (path.isEmpty())
        return;
    const PageEditor::Preview preview = m_editor.previewRemove(path, snippet.title);
    if (!preview.ok()) {
        m_context.messages->inform(origin, kRemoveTitle, preview.error,
                                   MessageBoxes::Icon::Warning);
        return;
    }
    showPreview(preview, origin);
}

void PageInsertionCommands::showPreview(const PageEditor::Preview& preview, QWidget* origin) {
    if (m_preview)
        m_preview->close();
    auto* window = new PagePreviewWindow(preview, m_editor.supportFilesMissing(preview),
                                         m_editor.supportFilesPresent(preview));
    m_preview = window;
    const QString caption = preview.removing ? kRemoveTitle : kPutTitle;
    QPointer<PagePreviewWindow> guarded(window);
    window->onConfirm([this, preview, caption, guarded](const PagePreviewWindow::Choices& choices) {
        const PageEditor::Outcome outcome = m_editor.apply(preview);
        if (!outcome.ok) {
            m_context.messages->inform(guarded, caption, outcome.message,
                                       MessageBoxes::Icon::Warning);
            return true;
        }
        QString message = outcome.message;
        if (choices.copySupportFiles) {
            const PageEditor::Outcome copied =
                m_editor.copySupportFiles(preview, m_editor.supportFilesMissing(preview), false);
            message += QStringLiteral("\n") + copied.message;
        }
        if (!preview.byHand.isEmpty())
            message += QCoreApplication::translate("PageInsertionCommands",
                                                   "\n\nStill to do by hand:\n- ") +
                       preview.byHand.join(QStringLiteral("\n- "));
        m_context.messages->inform(guarded, caption, message, MessageBoxes::Icon::Information);
        return true;
    });
    if (origin)
        window->move(origin->window()->geometry().topLeft() + QPoint(40, 40));
    window->show();
    window->raise();
    window->activateWindow();
}

void PageInsertionCommands::saveNewPage(const PageSnippet::NewPage& page, const QString& title,
                                        QWidget* parent, const QString& folder) {
    const QString name = page.fileName.isEmpty() ? QStringLiteral("new-page.htm") : page.fileName;
    const QString path = chooser().saveFile(
        parent,
        QCoreApplication::translate("PageInsertionCommands", "Save as New Page - %1").arg(title),
        folder.isEmpty() ? name : QDir(folder).filePath(name), kPageFilter);
    if (path.isEmpty())
        return;
    bool replace = false;
    if (m_files.exists(path)) {
        replace = m_context.messages->askYesNo(
                      parent, kPutTitle,
                      QCoreApplication::translate("PageInsertionCommands",
                                                  "%1 already exists.\n\nReplace it?")
                          .arg(QDir::toNativeSeparators(path)),
                      MessageBoxes::Answer::No,
                      MessageBoxes::Icon::Question) == MessageBoxes::Answer::Yes;
        if (!replace)
            return;
    }
    const PageEditor::Outcome outcome = m_editor.saveNewPage(path, page.code, replace);
    m_context.messages->inform(parent, kPutTitle, outcome.message,
                               outcome.ok ? MessageBoxes::Icon::Information
                                          : MessageBoxes::Icon::Warning);
}
