// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/entryactions.h"
#include "kit/largeview.h"
#include "model/entrydocument.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class CodeBox;
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

    // `block` is the box's index in the document's blocks.
    void addCodeBox(CodeBox* box, int block);
    void setEntry(const EntryRef& entry) { m_entry = entry; }

    void copyCode(CodeBox* box);
    void copyAllBlocks(QWidget* where);
    LargeView* openLargeView();
    LargeView* largeView() const { return m_largeView; }

    // The entry with the block of the focused code box, for shortcuts.
    EntryRef currentEntry() const;

    static QString copyAllCaption() { return QStringLiteral("Copy &All Blocks"); }
    // Puts text on the clipboard and says so briefly next to `where`.
    static void copyWithConfirmation(const QString& text, QWidget* where,
                                     const QString& confirmation);

private:
    void extendMenu(QMenu* menu, CodeBox* box, int block);

    QWidget* m_window;
    AppContext* m_context;
    EntryRef m_entry;
    DocumentSource m_document;
    bool m_offerLargeView;
    QList<QPair<CodeBox*, int>> m_boxes;
    QPointer<LargeView> m_largeView;
};
