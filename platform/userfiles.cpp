// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/userfiles.h"

#include <QCoreApplication>
#include <QFile>
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

} // namespace UserFiles
