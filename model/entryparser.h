// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// Reads one entry file (see catalogue/content/README.md).
class EntryParser {
public:
    struct Result {
        bool ok = false;
        ScriptEntry entry;
        QString error;                // "<file>:<line>: <message>" when !ok
        QHash<QString, int> keyLines; // the line of every header key, when ok
    };

    // The file as stored: UTF-8 that decodes cleanly, then parse().
    static Result parseFile(const QByteArray& bytes, const QString& fileName);
    static Result parse(const QString& text, const QString& fileName);

    // Whether a sample page path stays inside the samples folder: relative, no "." or ".."
    // part, no empty part, no backslash or colon.
    static bool isSafeSamplePath(const QString& path);
};
