// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/entryactions.h"
#include "kit/largeview.h"
#include "model/entrydocument.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QPlainTextEdit;
class QMenu;
class QWidget;
struct AppContext;

// The commands of a window that shows one entry's code: in every code box's context menu
// "Copy Code", "Copy All Blocks" and "Open Large View", then the entry actions of the other
// subsystems; Ctrl+Shift+C copies all blocks from anywhere in the window. Copying confirms
// itself with a tool tip that fades, never a dialog.
class EntryViewCommands final : public QObject {
    Q_OBJECT
public:
    using DocumentSource = std::function<EntryDocument()>;

    // `entry` names the entry for the entry actions; `document` is read each time a command
    // runs, so a window whose content changes stays right.
    EntryViewCommands(QWidget* window, AppContext* context, const EntryRef& entry,
                      DocumentSource document, bool offerLargeView = true);

    // `block` is the box's index in the document's blocks. Any text box will do; the window's
    // shortcuts win over its editing keys (Ctrl+E would otherwise move to the line's end).
    void addCodeBox(QPlainTextEdit* box, int block);
    // The box's context menu as the user gets it; the caller owns it.
    QMenu* contextMenu(QPlainTextEdit* box);
    void setEntry(const EntryRef& entry) { m_entry = entry; }
    // The window's own commands, offered in every code box's menu after the others.
    void addMenuActions(const QList<QAction*>& actions);

    void copyCode(QPlainTextEdit* box);
    void copyAllBlocks(QWidget* where);
    LargeView* openLargeView();

    // The entry with the block of the focused code box, for shortcuts.
    EntryRef currentEntry() const;

    static QString copyAllCaption() {
        return QCoreApplication::translate("EntryViewCommands", "Copy &All Blocks");
    }
    // Puts text on the clipboard and says so briefly next to `where`.
    static void copyWithConfirmation(const QString& text, QWidget* where,
                                     const QString& confirmation);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int blockOf(const QObject* box) const;

    QWidget* m_window;
    AppContext* m_context;
    EntryRef m_entry;
    DocumentSource m_document;
    bool m_offerLargeView;
    QList<QPair<QPlainTextEdit*, int>> m_boxes;
    QList<QPointer<QAction>> m_menuActions;
    QPointer<LargeView> m_largeView;
};
