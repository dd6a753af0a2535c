// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's one push button look: flat grey that shows its background colour, with a
// classic raised edge that sinks when pressed.
namespace ButtonStyle {

inline QString classicGrey() {
    return QStringLiteral(
        "QPushButton { background-color: rgb(192,192,192); color: black;"
        " border: 1px solid; border-color: #ffffff #404040 #404040 #ffffff; padding: 0px; }"
        "QPushButton:pressed { border-color: #404040 #ffffff #ffffff #404040; }"
        "QPushButton:focus { outline: none; border-color: #000000; }");
}

} // namespace ButtonStyle
