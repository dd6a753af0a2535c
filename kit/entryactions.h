// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

// Which entry a command acts on: a catalogue entry by its viewer window's name, or one of
// the user's My Scripts slots. `block` is the block the command was asked for (an index into
// ScriptEntry::blocks for catalogue entries; for My Scripts 0 is the head code, 1 the body
// code), or -1 when it came from the window or the whole entry.
struct EntryRef {
    enum class Kind { None, Catalogue, MyScript };

    Kind kind = Kind::None;
    QString formName; // Kind::Catalogue
    int slot = 0;     // Kind::MyScript
    int block = -1;

    static EntryRef catalogue(const QString& formName, int block = -1);
    static EntryRef myScript(int slot, int block = -1);
    bool isValid() const { return kind != Kind::None; }
    bool operator==(const EntryRef& other) const;
};

// A command that acts on one entry.
struct EntryAction {
    QString text;          // menu caption, with its & mnemonic
    QKeySequence shortcut; // may be empty; works in every window that shows an entry
    QString objectName;    // names the QAction objects made for it, so tests can find them
    std::function<void(const EntryRef& entry, QWidget* origin)> handler;
    // Empty: offered for every entry. Otherwise asked each time a menu is built.
    std::function<bool(const EntryRef& entry)> appliesTo;
};

// The commands that subsystems offer on an entry, wherever the program shows one: the
// context menus of every code box in the catalogue viewers, the large view and the My Scripts
// entry viewer, and the same commands as shortcuts in those windows.
//
// A subsystem adds its commands once, from its register function, through the context:
//
//     context.entryActions->add({QStringLiteral("&Put into My Page..."),
//                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I),
//                                QStringLiteral("actPutIntoPage"),
//                                [ctx](const EntryRef& entry, QWidget* origin) { ... }});
//
// A window that shows an entry calls addTo() while it builds a context menu and
// installShortcuts() once; it never needs to know which commands exist. Commands appear in
// the order they were added, after the window's own copy commands.
class EntryActions {
public:
    void add(EntryAction action);
    const QList<EntryAction>& all() const { return m_actions; }

    // Appends a separator and one QAction per command that applies to `entry`; returns them.
    // Nothing (not even the separator) is added when none applies.
    QList<QAction*> addTo(QMenu* menu, const EntryRef& entry, QWidget* origin) const;

    // Adds one window-wide QAction per command that has a shortcut; `current` says which
    // entry (and block, from the focused code box) the shortcut acts on at that moment.
    void installShortcuts(QWidget* window, std::function<EntryRef()> current) const;

private:
    QList<EntryAction> m_actions;
};
