// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/userfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace UserFiles {

bool write(const QString& path, const QByteArray& data, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool read(const QString& path, qint64 maxBytes, QByteArray* data, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > maxBytes) {
        *error = QCoreApplication::translate("UserFiles", "the file is larger than %1 bytes")
                     .arg(maxBytes);
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString writeNewFolder(const QString& parent, const QString& name,
                       const QList<QPair<QString, QByteArray>>& files, QString* error) {
    const QDir base(parent);
    QString path = base.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base.filePath(QStringLiteral("%1 (%2)").arg(name).arg(n));
    // mkdir, not mkpath: it fails when something else made the folder in the meantime.
    if (!QDir().mkdir(path)) {
        *error = QCoreApplication::translate("UserFiles", "the folder %1 could not be made")
                     .arg(QDir::toNativeSeparators(path));
        return path;
    }
    const QDir folder(path);
    for (const auto& [fileName, data] : files) {
        if (!write(folder.filePath(fileName), data, error)) {
            QDir(path).removeRecursively();
            return path;
        }
    }
    return path;
}

} // namespace UserFiles
