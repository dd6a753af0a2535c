// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pagefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool saveWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("%1 could not be written: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

bool markedReadOnly(const QFileInfo& info) {
    // The owner bit, not access(): a page the user marked read-only stays so even for root.
    return !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

bool DiskPageFiles::readPage(const QString& path, qint64 maxBytes, QByteArray* bytes,
                             QString* error) {
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists()) {
        *error = QStringLiteral("%1 does not exist.").arg(shown);
        return false;
    }
    if (info.isDir()) {
        *error = QStringLiteral("%1 is a folder, not a web page.").arg(shown);
        return false;
    }
    if (markedReadOnly(info) || !info.isWritable()) {
        *error = QStringLiteral("%1 is read-only, so Tagloom cannot change it.").arg(shown);
        return false;
    }
    if (info.size() > maxBytes) {
        *error = QStringLiteral("%1 is larger than %2 MB; Tagloom only changes web pages.")
                     .arg(shown)
                     .arg(maxBytes / (1024 * 1024));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 could not be read: %2").arg(shown, file.errorString());
        return false;
    }
    *bytes = file.read(maxBytes + 1);
    if (bytes->size() > maxBytes) {
        *error = QStringLiteral("%1 is larger than %2 MB; Tagloom only changes web pages.")
                     .arg(shown)
                     .arg(maxBytes / (1024 * 1024));
        return false;
    }
    return true;
}

bool DiskPageFiles::writePage(const QString& path, const QByteArray& bytes, QString* error) {
    const QString backup = path + QStringLiteral(".bak");
    if (!QFileInfo::exists(backup) && !QFile::copy(path, backup)) {
        *error = QStringLiteral("The backup copy %1 could not be made, so the page was left as it "
                                "was.")
                     .arg(QDir::toNativeSeparators(backup));
        return false;
    }
    return saveWhole(path, bytes, error);
}

bool DiskPageFiles::writeNewFile(const QString& path, const QByteArray& bytes, bool replace,
                                 QString* error) {
    if (!replace && QFileInfo::exists(path)) {
        *error = QStringLiteral("%1 already exists.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return saveWhole(path, bytes, error);
}

bool DiskPageFiles::exists(const QString& path) {
    return QFileInfo::exists(path);
}

QStringList DiskPageFiles::fileNames(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

bool DiskPageFiles::copyFile(const QString& from, const QString& to, bool replace, QString* error) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 could not be read: %2")
                     .arg(QDir::toNativeSeparators(from), source.errorString());
        return false;
    }
    return writeNewFile(to, source.readAll(), replace, error);
}
