// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What the frame window's own window menu and title bar may offer.
namespace WindowChrome {

struct SystemMenuItems {
    bool restore = false;
    bool move = false;
    bool size = false;
    bool minimize = false;
    bool maximize = false;
    bool separator = false;
    bool close = false;
};

// Takes the selected commands away from the window: "size" fixes the window at its current
// size, "maximize", "minimize" and "close" drop those title-bar buttons.
void removeSystemMenuItems(QWidget* window, const SystemMenuItems& items);

// Drops the maximize button and nothing else.
void clearMaximizeBox(QWidget* window);

} // namespace WindowChrome
