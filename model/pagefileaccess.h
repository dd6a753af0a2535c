// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The files a page change touches: the page, its backup, support files beside it. The real
// one works on the disk (kit/diskpagefileaccess.h over platform/pagefiles.h); the page logic
// never opens a file itself.
class PageFileAccess {
public:
    virtual ~PageFileAccess() = default;

    // The page's bytes, or a reason it cannot be changed (missing, a folder, read-only, too
    // large). maxBytes bounds what is read.
    virtual bool readPage(const QString& path, qint64 maxBytes, QByteArray* bytes,
                          QString* error) = 0;
    // Keeps "<path>.bak" when there is none yet, then replaces the page as a whole or not at all.
    virtual bool writePage(const QString& path, const QByteArray& bytes, QString* error) = 0;
    // Writes a new file (never over an existing one unless replace is set).
    virtual bool writeNewFile(const QString& path, const QByteArray& bytes, bool replace,
                              QString* error) = 0;
    virtual bool exists(const QString& path) = 0;
    // The names of the files in a folder.
    virtual QStringList fileNames(const QString& folder) = 0;
    virtual bool copyFile(const QString& from, const QString& to, bool replace, QString* error) = 0;
};
