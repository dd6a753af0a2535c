// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bundledpicture.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QMutex>
#include <QPixmapCache>

namespace Widgets {

namespace {

QMutex g_preloadedLock;
QHash<QString, QImage> g_preloaded;

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

QImage takePreloaded(const QString& path) {
    const QMutexLocker lock(&g_preloadedLock);
    return g_preloaded.take(path);
}

} // namespace

void preloadPictures(const QStringList& paths) {
    for (const QString& path : paths) {
        QImage image = readPng(path);
        // The format a pixmap on the display keeps, so that making one is a plain copy.
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
        const QMutexLocker lock(&g_preloadedLock);
        g_preloaded.insert(path, image);
    }
}

QPixmap bundledPicture(const QString& path) {
    // Cached like QPixmap(path): the main window and the skin chooser both ask for the skin.
    const QString key = QStringLiteral("tagloom-bundled:") + path;
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImage image = takePreloaded(path);
    if (image.isNull())
        image = readPng(path);
    picture = QPixmap::fromImage(std::move(image));
    if (!picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace Widgets
