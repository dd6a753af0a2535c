// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The program ships its own sans font so every window measures the same everywhere.
namespace UiFonts {

// Registers the bundled font and makes it the application font (its bold face follows on the
// first bold font asked for). Safe to call twice.
void install();

QString family();

// Sizes are given in points at 96 dpi and applied as pixels, so layouts do not
// depend on the screen's reported resolution.
QFont font(qreal points, bool bold = false);

inline QFont normal() {
    return font(8.25);
}
inline QFont bold() {
    return font(8.25, true);
}
inline QFont link() {
    return font(9.75, true);
}

} // namespace UiFonts
