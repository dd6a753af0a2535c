// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/pagefiles.h"

#include "model/pagefileaccess.h"

// The page logic's file access, on the disk.
class DiskPageFileAccess final : public PageFileAccess {
public:
    bool readPage(const QString& path, qint64 maxBytes, QByteArray* bytes,
                  QString* error) override {
        return m_disk.readPage(path, maxBytes, bytes, error);
    }
    bool writePage(const QString& path, const QByteArray& bytes, QString* error) override {
        return m_disk.writePage(path, bytes, error);
    }
    bool writeNewFile(const QString& path, const QByteArray& bytes, bool replace,
                      QString* error) override {
        return m_disk.writeNewFile(path, bytes, replace, error);
    }
    bool exists(const QString& path) override { return m_disk.exists(path); }
    QStringList fileNames(const QString& folder) override { return m_disk.fileNames(folder); }
    bool copyFile(const QString& from, const QString& to, bool replace, QString* error) override {
        return m_disk.copyFile(from, to, replace, error);
    }

private:
    DiskPageFiles m_disk;
};
