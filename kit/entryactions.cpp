// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/entryactions.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>

EntryRef EntryRef::catalogue(const QString& formName, int block) {
    EntryRef ref;
    ref.kind = Kind::Catalogue;
    ref.formName = formName;
    ref.block = block;
    return ref;
}

EntryRef EntryRef::myScript(int slot, int block) {
    EntryRef ref;
    ref.kind = Kind::MyScript;
    ref.slot = slot;
    ref.block = block;
    return ref;
}

bool EntryRef::operator==(const EntryRef& other) const {
    return kind == other.kind && formName == other.formName && slot == other.slot &&
           block == other.block;
}

void EntryActions::add(EntryAction action) {
    m_actions.append(std::move(action));
}

QList<QAction*> EntryActions::addTo(QMenu* menu, const EntryRef& entry, QWidget* origin) const {
    QList<QAction*> added;
    if (!menu || !entry.isValid())
        return added;
    QPointer<QWidget> guardedOrigin(origin);
    for (const EntryAction& command : m_actions) {
        if (command.appliesTo && !command.appliesTo(entry))
            continue;
        if (added.isEmpty())
            menu->addSeparator();
        QAction* action = menu->addAction(command.text);
        action->setObjectName(command.objectName);
        action->setShortcut(command.shortcut);
        const auto handler = command.handler;
        QObject::connect(action, &QAction::triggered, menu, [handler, entry, guardedOrigin] {
            if (handler)
                handler(entry, guardedOrigin.data());
        });
        added.append(action);
    }
    return added;
}

void EntryActions::installShortcuts(QWidget* window, std::function<EntryRef()> current) const {
    if (!window)
        return;
    // Commands for different kinds of entry may share a key (Customise for catalogue
    // entries, Preview for My Scripts); one action per key runs the first that applies, as
    // two actions on one key would block each other.
    // A window shows one kind of entry; commands for other kinds are left out from the start.
    const EntryRef shown = current ? current() : EntryRef();
    QList<EntryAction> offered;
    for (const EntryAction& command : m_actions) {
        if (!shown.isValid() || !command.appliesTo || command.appliesTo(shown))
            offered.append(command);
    }
    QList<QKeySequence> keys;
    for (const EntryAction& command : std::as_const(offered)) {
        if (!command.shortcut.isEmpty() && !keys.contains(command.shortcut))
            keys.append(command.shortcut);
    }
    for (const QKeySequence& key : std::as_const(keys)) {
        QList<EntryAction> commands;
        for (const EntryAction& command : std::as_const(offered)) {
            if (command.shortcut == key)
                commands.append(command);
        }
        auto* action = new QAction(commands.first().text, window);
        action->setObjectName(commands.first().objectName);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        QObject::connect(action, &QAction::triggered, window, [commands, current, window] {
            const EntryRef entry = current ? current() : EntryRef();
            if (!entry.isValid())
                return;
            for (const EntryAction& command : commands) {
                if (!command.handler || (command.appliesTo && !command.appliesTo(entry)))
                    continue;
                command.handler(entry, window);
                return;
            }
        });
    }
}
