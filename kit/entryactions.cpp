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
    for (const EntryAction& command : m_actions) {
        if (command.shortcut.isEmpty())
            continue;
        auto* action = new QAction(command.text, window);
        action->setObjectName(command.objectName);
        action->setShortcut(command.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        const auto handler = command.handler;
        const auto appliesTo = command.appliesTo;
        QObject::connect(action, &QAction::triggered, window,
                         [handler, appliesTo, current, window] {
                             const EntryRef entry = current ? current() : EntryRef();
                             if (!entry.isValid() || !handler || (appliesTo && !appliesTo(entry)))
                                 return;
                             handler(entry, window);
                         });
    }
}
