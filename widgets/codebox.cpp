// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/codebox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

CodeBox::CodeBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

QMenu* CodeBox::createContextMenu() {
    QMenu* menu = createStandardContextMenu();
    if (m_extendMenu)
        m_extendMenu(menu);
    return menu;
}

void CodeBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool CodeBox::event(QEvent* event) {
    // Editing keys such as Ctrl+E (end of line) would otherwise swallow the window's commands.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : window()->actions()) {
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QPlainTextEdit::event(event);
}

void CodeBox::keyPressEvent(QKeyEvent* event) {
    // The window has already tried to move the focus; a lone box keeps it and stays unchanged.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
