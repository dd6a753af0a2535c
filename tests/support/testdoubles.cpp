// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testdoubles.h"

QString MemorySettingsStore::read(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    log.append({Operation::Type::Read, section, key, defaultValue});
    const auto it = m_values.constFind({section, key});
    return it == m_values.constEnd() ? defaultValue : *it;
}

bool MemorySettingsStore::write(const QString& section, const QString& key, const QString& value) {
    log.append({Operation::Type::Write, section, key, value});
    if (m_writesBeforeFailure == 0) {
        m_lastError = QStringLiteral("disk full");
        return false;
    }
    if (m_writesBeforeFailure > 0)
        --m_writesBeforeFailure;
    m_values.insert({section, key}, value);
    return true;
}

bool MemorySettingsStore::contains(const QString& section, const QString& key) const {
    return m_values.contains({section, key});
}

void MemorySettingsStore::set(const QString& section, const QString& key, const QString& value) {
    m_values.insert({section, key}, value);
}

bool RecordingShellOpener::open(const QString& target, QWidget* owner) {
    opened.append(target);
    owners.append(owner);
    return result;
}

void ScriptedMessageBoxes::inform(QWidget*, const QString& title, const QString& text, Icon icon) {
    shown.append({title, text, icon, false, Answer::Ok});
}

MessageBoxes::Answer ScriptedMessageBoxes::askYesNo(QWidget*, const QString& title,
                                                    const QString& text, Answer defaultAnswer,
                                                    Icon icon) {
    shown.append({title, text, icon, true, defaultAnswer});
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

bool RecordingLauncher::start(const QString& program, const QStringList& arguments) {
    started.append({program, arguments});
    return result;
}
