// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>

// Small pictures of the About box, drawn in code so they always match the bundled font.
namespace HelpArtwork {

// 250 x 50: the banner of the maker's other program.
QPixmap banner();

// 32 x 32: the web-site link's cursor, a globe with a pointer.
QCursor linkCursor();

} // namespace HelpArtwork
