// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/applifecycle.h"

#include <QApplication>
#include <QWidget>

namespace AppLifecycle {

namespace {
bool g_ending = false;
}

void endProgram() {
    if (g_ending)
        return;
    g_ending = true;
    // Hiding sends no close events, so no window gets to run its closing handler.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    QCoreApplication::exit(0);
}

bool isEnding() {
    return g_ending;
}

void resetForTesting() {
    g_ending = false;
}

} // namespace AppLifecycle
