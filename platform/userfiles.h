// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Files the user picked: exports written whole or not at all, imports read with a size cap.
namespace UserFiles {

// Writes through a temporary file renamed into place, so a failure leaves any earlier file.
bool write(const QString& path, const QByteArray& data, QString* error);
bool read(const QString& path, qint64 maxBytes, QByteArray* data, QString* error);

// Makes a new folder in `parent` called `name` ("name (2)", ... when that is taken) and writes
// the files (name, contents) into it. On any failure the folder goes again: it is there whole
// or not at all, and nothing that was in `parent` before is ever replaced. Returns the new
// folder's path (the one tried, on failure).
QString writeNewFolder(const QString& parent, const QString& name,
                       const QList<QPair<QString, QByteArray>>& files, QString* error);

} // namespace UserFiles
