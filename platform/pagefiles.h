// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Page files on the disk (kit/diskpagefileaccess.h hands them to the page logic). Writes go through
// QSaveFile, so an interrupted write leaves the old page whole; a page marked read-only is refused
// even where the user could override it.
class DiskPageFiles final {
public:
    bool readPage(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error);
    bool writePage(const QString& path, const QByteArray& bytes, QString* error);
    bool writeNewFile(const QString& path, const QByteArray& bytes, bool replace, QString* error);
    bool exists(const QString& path);
    QStringList fileNames(const QString& folder);
    bool copyFile(const QString& from, const QString& to, bool replace, QString* error);
};
