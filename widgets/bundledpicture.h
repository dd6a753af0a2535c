// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace Widgets {

// A PNG the program ships, read by Qt's own PNG reader. Any other way of reading a picture asks
// every image plugin whether it can read it first, which loads them all (and the JPEG library)
// on the first picture. A null pixmap if the file is missing or not a readable PNG.
QPixmap bundledPicture(const QString& path);

// Decodes pictures ahead of their first bundledPicture() call. Needs no application object and
// may run on any thread, so start-up decodes the first window's pictures while the application
// object connects to the display.
void preloadPictures(const QStringList& paths);

} // namespace Widgets
