// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"

#include <QString>

// Reads one entry file (see catalogue/content/README.md).
class EntryParser {
public:
    struct Result {
        bool ok = false;
        ScriptEntry entry;
        QString error; // "<file>:<line>: <message>" when !ok
    };

    static Result parse(const QString& text, const QString& fileName);
};
