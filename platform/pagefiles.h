// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/pagefileaccess.h"

// Page files on the disk. Writes go through QSaveFile, so an interrupted write leaves the old
// page whole; a page marked read-only is refused even where the user could override it.
class DiskPageFiles final : public PageFileAccess {
public:
    bool readPage(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error) override;
    bool writePage(const QString& path, const QByteArray& bytes, QString* error) override;
    bool writeNewFile(const QString& path, const QByteArray& bytes, bool replace,
                      QString* error) override;
    bool exists(const QString& path) override;
    QStringList fileNames(const QString& folder) override;
    bool copyFile(const QString& from, const QString& to, bool replace, QString* error) override;
};
