// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/customisedentry.h"

using EntrySettings::Setting;
using EntrySettings::Type;

CustomisedEntry::CustomisedEntry(ScriptEntry entry)
    : m_entry(std::move(entry)) {
    for (int block = 0; block < m_entry.blocks.size(); ++block) {
        const EntrySettings::Result result =
            EntrySettings::read(m_entry.blocks.at(block).code, block);
        if (!result.errors.isEmpty()) {
            for (const EntrySettings::Error& error : result.errors)
                m_errors.append(QStringLiteral("block %1, line %2: %3")
                                    .arg(block + 1)
                                    .arg(error.line)
                                    .arg(error.message));
            continue;
        }
        m_settings += result.settings;
    }
    reset();
}

bool CustomisedEntry::setValue(int index, const QVariant& value) {
    if (index < 0 || index >= m_settings.size())
        return false;
    const Setting& setting = m_settings.at(index);
    bool fits = false;
    switch (setting.type) {
    case Type::Number:
        fits = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
               value.typeId() == QMetaType::LongLong;
        break;
    case Type::Boolean:
        fits = value.typeId() == QMetaType::Bool;
        break;
    case Type::String:
    case Type::Colour:
        fits = value.typeId() == QMetaType::QString;
        break;
    case Type::StringList:
        fits = value.typeId() == QMetaType::QStringList;
        break;
    case Type::Other:
        break;
    }
    if (!fits)
        return false;
    m_values[index] = value;
    return true;
}

void CustomisedEntry::reset() {
    m_values.clear();
    for (const Setting& setting : std::as_const(m_settings))
        m_values.append(setting.value);
}

bool CustomisedEntry::isChanged() const {
    for (int i = 0; i < m_settings.size(); ++i) {
        if (!EntrySettings::sameValue(m_settings.at(i), m_values.at(i)))
            return true;
    }
    return false;
}

QString CustomisedEntry::blockCode(int index) const {
    QList<Setting> settings;
    QList<QVariant> values;
    for (int i = 0; i < m_settings.size(); ++i) {
        if (m_settings.at(i).block != index)
            continue;
        settings.append(m_settings.at(i));
        values.append(m_values.at(i));
    }
    const QString code = m_entry.blocks.value(index).code;
    return settings.isEmpty() ? code : EntrySettings::apply(code, settings, values);
}

ScriptEntry CustomisedEntry::customised() const {
    ScriptEntry entry = m_entry;
    for (int i = 0; i < entry.blocks.size(); ++i)
        entry.blocks[i].code = blockCode(i);
    return entry;
}
