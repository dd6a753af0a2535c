// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where the program's top-level windows go: centred on the whole screen, worked out in twips
// like the original layouts, so every window lands where the frame does.
namespace WindowPlacement {

QPoint centred(const QSize& screen, const QSize& outer);
// Moves a top-level window to the centre of the primary screen, by its current frame size.
void centreOnScreen(QWidget* window);

} // namespace WindowPlacement
