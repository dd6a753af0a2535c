// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/entrysettings.h"
#include "model/scriptentry.h"

#include <QList>
#include <QStringList>
#include <QVariant>

// An entry with the user's own values for its settings; the code comes out with them in place.
class CustomisedEntry {
public:
    explicit CustomisedEntry(ScriptEntry entry);

    const ScriptEntry& original() const { return m_entry; }
    const QList<EntrySettings::Setting>& settings() const { return m_settings; }
    // Sections that could not be read ("block 2, line 5: ..."); their settings are left out.
    const QStringList& errors() const { return m_errors; }

    QVariant value(int index) const { return m_values.value(index); }
    // False (and nothing changes) when value does not suit the setting's type.
    bool setValue(int index, const QVariant& value);
    void reset();
    bool isChanged() const;

    // The code of block index with the current values written in.
    QString blockCode(int index) const;
    // The whole entry with customised code in every block.
    ScriptEntry customised() const;

private:
    ScriptEntry m_entry;
    QList<EntrySettings::Setting> m_settings;
    QList<QVariant> m_values;
    QStringList m_errors;
};
