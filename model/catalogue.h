// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The 208 catalogue entries, read-only. Parsed once, on first use, from the entry files
// compiled into the program (or, for tools, from a content folder on disk).
class Catalogue {
public:
    // Reads the compiled-in entry files.
    Catalogue() = default;
    // Reads <contentDir>/<category folder>/<window>.txt instead.
    explicit Catalogue(const QString& contentDir);
    // Takes entries parsed and checked elsewhere (at build time), in catalogue order.
    explicit Catalogue(QList<ScriptEntry> entries);

    const ScriptEntry* entry(const QString& formName) const;
    // All entries in catalogue order.
    QList<const ScriptEntry*> entries() const;
    // One message per file that is missing or malformed ("<file>:<line>: <message>"), the
    // secondary windows' texts included.
    QStringList errors() const;

    // The text of a secondary window (see SecondaryWindows), and the note shown above it.
    // Empty when the file is missing or breaks the text rules; errors() says which.
    QString secondaryText(const QString& windowName) const;
    QString secondaryNote(const QString& windowName) const;

private:
    void ensureLoaded() const;
    QString secondaryPath(const QString& windowName, const QString& part) const;

    QString m_contentDir; // empty: compiled-in resources
    mutable bool m_loaded = false;
    mutable QList<ScriptEntry> m_entries;
    mutable QHash<QString, int> m_byName;
    mutable QStringList m_errors;
};
