// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files the user picked: exports written whole or not at all, imports read with a size cap.
namespace UserFiles {

// Writes through a temporary file renamed into place, so a failure leaves any earlier file.
bool write(const QString& path, const QByteArray& data, QString* error);
bool read(const QString& path, qint64 maxBytes, QByteArray* data, QString* error);

} // namespace UserFiles
