// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/windowplacement.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

QPoint centred(const QSize& screen, const QSize& outer) {
    // Single precision, like the original layout arithmetic.
    const float screenW = float(Twips::fromPixels(screen.width()));
    const float screenH = float(Twips::fromPixels(screen.height()));
    const float top = screenH / 2.0f - float(Twips::fromPixels(outer.height())) / 2.0f;
    const float left = screenW / 2.0f - float(Twips::fromPixels(outer.width())) / 2.0f;
    return QPoint(qRound(left / float(Twips::perPixel)), qRound(top / float(Twips::perPixel)));
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(centred(screen->geometry().size(), window->frameGeometry().size()));
}

} // namespace WindowPlacement
