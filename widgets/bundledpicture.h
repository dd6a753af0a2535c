// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace Widgets {

// A PNG the program ships. The pictures the first window shows are also shipped unpacked, beside
// the PNG as "<path>.pixels" (assets/CMakeLists.txt), and read from there without decoding:
// decoding them took about 4 ms of start-up. Others are read by Qt's own PNG reader: any other
// way of reading a picture asks every image plugin first, which loads them all (and the JPEG
// library). A null pixmap if the file is missing or not a readable PNG.
QPixmap bundledPicture(const QString& path);

// The unpacked form: "TLPIX32" and a NUL; width, height and QImage::Format (RGB32 or
// ARGB32_Premultiplied, the formats pixmaps keep on the display) as little-endian 32-bit
// numbers; then the rows, 4 bytes a pixel, nothing between them.
QByteArray unpackedPicture(const QImage& image);
// Null if the bytes are not a whole picture in that form.
QImage fromUnpackedPicture(const uchar* data, qint64 size);

} // namespace Widgets
