// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowchrome.h"

#include <QLayout>
#include <QWidget>

namespace WindowChrome {

namespace {

void dropFlag(QWidget* window, Qt::WindowType flag) {
    Qt::WindowFlags flags = window->windowFlags();
    if (!(flags & Qt::CustomizeWindowHint)) {
        // Spell out the usual decorations so removing one leaves the others.
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint;
    }
    flags &= ~Qt::WindowFlags(flag);
    const bool visible = window->isVisible();
    window->setWindowFlags(flags);
    if (visible)
        window->show();
}

} // namespace

void removeSystemMenuItems(QWidget* window, const SystemMenuItems& items) {
    // Restore, move and the separator have no separate switch on this platform.
    if (items.close)
        dropFlag(window, Qt::WindowCloseButtonHint);
    if (items.maximize)
        dropFlag(window, Qt::WindowMaximizeButtonHint);
    if (items.minimize)
        dropFlag(window, Qt::WindowMinimizeButtonHint);
    if (items.size) {
        if (QLayout* layout = window->layout())
            layout->setSizeConstraint(QLayout::SetFixedSize);
        else
            window->setFixedSize(window->size());
    }
}

void clearMaximizeBox(QWidget* window) {
    dropFlag(window, Qt::WindowMaximizeButtonHint);
}

} // namespace WindowChrome
