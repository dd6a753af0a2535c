// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/codebox.h"

#include <QKeyEvent>

CodeBox::CodeBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
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
