// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bundledpicture.h"

#include <QFile>
#include <QImageReader>
#include <QPixmapCache>
#include <QResource>
#include <QtEndian>

#include <cstring>

namespace Widgets {

namespace {

constexpr char kMagic[8] = {'T', 'L', 'P', 'I', 'X', '3', '2', '\0'};
constexpr qint64 kHeaderSize = 20;

QImage readPng(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, QByteArrayLiteral("png"));
    // Without auto-detection the reader looks the format up by name only: no plugin is loaded
    // when none is registered for PNG.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage readUnpacked(const QString& path) {
    // Registered uncompressed, so data() is the picture itself.
    const QResource unpacked(path + QStringLiteral(".pixels"));
    if (!unpacked.isValid() || unpacked.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return fromUnpackedPicture(unpacked.data(), unpacked.size());
}

} // namespace

QByteArray unpackedPicture(const QImage& image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage pixels = image.convertToFormat(format);
    QByteArray bytes(kMagic, sizeof kMagic);
    for (const int number : {pixels.width(), pixels.height(), int(format)}) {
        char little[4];
        qToLittleEndian<quint32>(quint32(number), little);
        bytes.append(little, sizeof little);
    }
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return bytes;
}

QImage fromUnpackedPicture(const uchar* data, qint64 size) {
    if (!data || size < kHeaderSize || std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return {};
    const qint64 width = qFromLittleEndian<quint32>(data + 8);
    const qint64 height = qFromLittleEndian<quint32>(data + 12);
    const quint32 format = qFromLittleEndian<quint32>(data + 16);
    // In 64 bits, so the product below cannot wrap.
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768 ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        size != kHeaderSize + width * height * 4)
        return {};
    QImage image(int(width), int(height), static_cast<QImage::Format>(format));
    if (image.isNull())
        return {};
    // Copied row by row: the resource's bytes need not be aligned for 32-bit pixels.
    const uchar* row = data + kHeaderSize;
    for (int y = 0; y < image.height(); ++y, row += width * 4)
        std::memcpy(image.scanLine(y), row, size_t(width * 4));
    return image;
}

QPixmap bundledPicture(const QString& path) {
    // Cached like QPixmap(path): the main window and the skin chooser both ask for the skin.
    const QString key = QStringLiteral("tagloom-bundled:") + path;
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImage image = readUnpacked(path);
    if (image.isNull())
        image = readPng(path);
    picture = QPixmap::fromImage(std::move(image));
    if (!picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace Widgets
