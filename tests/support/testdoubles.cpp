// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testdoubles.h"

QString MemorySettingsStore::read(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    log.append({Operation::Type::Read, section, key, defaultValue});
    m_readFailed = m_readsBeforeFailure == 0;
    if (m_readFailed) {
        m_lastError =
            m_failBusy ? QStringLiteral("database is locked") : QStringLiteral("disk I/O error");
        m_busy = m_failBusy;
        m_abort = m_depth > 0;
        return defaultValue;
    }
    if (m_readsBeforeFailure > 0)
        --m_readsBeforeFailure;
    const auto it = m_values.constFind({section, key});
    return it == m_values.constEnd() ? defaultValue : *it;
}

bool MemorySettingsStore::write(const QString& section, const QString& key, const QString& value) {
    log.append({Operation::Type::Write, section, key, value});
    if (m_writesBeforeFailure == 0) {
        m_lastError =
            m_failBusy ? QStringLiteral("database is locked") : QStringLiteral("disk full");
        m_busy = m_failBusy;
        m_abort = m_depth > 0;
        return false;
    }
    if (m_writesBeforeFailure > 0)
        --m_writesBeforeFailure;
    m_values.insert({section, key}, value);
    return true;
}

SettingsStore::Outcome MemorySettingsStore::transaction(const std::function<bool()>& steps) {
    if (m_depth > 0)
        return steps() && !m_abort ? Outcome::Done : Outcome::Failed;
    const Values before = m_values;
    m_depth = 1;
    m_abort = false;
    const bool wanted = steps();
    m_depth = 0;
    if (m_abort || !wanted) {
        m_values = before;
        return m_abort ? Outcome::Failed : Outcome::Declined;
    }
    return Outcome::Done;
}

bool MemorySettingsStore::makeBackup(const QString& label) {
    if (m_writesBeforeFailure == 0) {
        m_lastError = QStringLiteral("disk full");
        return false;
    }
    const QDateTime made =
        m_clock.isValid() ? m_clock.addMSecs(m_backupsMade) : QDateTime::currentDateTime();
    ++m_backupsMade;
    m_backups.prepend({{QStringLiteral("memory:%1").arg(m_backupsMade), made, label}, m_values});
    while (m_backups.size() > 10)
        m_backups.removeLast();
    return true;
}

QList<SettingsStore::Backup> MemorySettingsStore::backups() const {
    QList<Backup> list;
    for (const Snapshot& snapshot : m_backups)
        list.append(snapshot.backup);
    return list;
}

std::unique_ptr<SettingsStore> MemorySettingsStore::openBackup(const Backup& backup) const {
    for (const Snapshot& snapshot : m_backups) {
        if (snapshot.backup.path == backup.path) {
            auto copy = std::make_unique<MemorySettingsStore>();
            copy->m_values = snapshot.values;
            return copy;
        }
    }
    return nullptr;
}

bool MemorySettingsStore::relabelBackup(const Backup& backup, const QString& label) {
    for (Snapshot& snapshot : m_backups) {
        if (snapshot.backup.path == backup.path) {
            snapshot.backup.label = label;
            return true;
        }
    }
    return false;
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

namespace {

ScriptedMessageBoxes::Shown make(const QString& title, const QString& text, MessageBoxes::Icon icon,
                                 bool question, MessageBoxes::Answer defaultAnswer,
                                 const QString& details = QString()) {
    ScriptedMessageBoxes::Shown shown;
    shown.title = title;
    shown.text = text;
    shown.icon = icon;
    shown.question = question;
    shown.defaultAnswer = defaultAnswer;
    shown.details = details;
    return shown;
}

} // namespace

void ScriptedMessageBoxes::inform(QWidget*, const QString& title, const QString& text, Icon icon) {
    shown.append(make(title, text, icon, false, Answer::Ok));
}

MessageBoxes::Answer ScriptedMessageBoxes::askYesNo(QWidget*, const QString& title,
                                                    const QString& text, Answer defaultAnswer,
                                                    Icon icon) {
    shown.append(make(title, text, icon, true, defaultAnswer));
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

void ScriptedMessageBoxes::report(QWidget*, const QString& title, const QString& text,
                                  const QString& details, Icon icon) {
    shown.append(make(title, text, icon, false, Answer::Ok, details));
}

MessageBoxes::Answer ScriptedMessageBoxes::askYesNoWithDetails(QWidget*, const QString& title,
                                                               const QString& text,
                                                               const QString& details,
                                                               Answer defaultAnswer, Icon icon) {
    shown.append(make(title, text, icon, true, defaultAnswer, details));
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

int ScriptedMessageBoxes::choose(QWidget*, const QString& title, const QString& text,
                                 const QStringList& items) {
    Shown entry = make(title, text, Icon::None, true, Answer::Ok);
    entry.choices = items;
    shown.append(entry);
    return picks.isEmpty() ? -1 : picks.takeFirst();
}

QString ScriptedMessageBoxes::chooseFileToSave(QWidget*, const QString&, const QString&,
                                               const QString&) {
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

QString ScriptedMessageBoxes::chooseFileToOpen(QWidget*, const QString&, const QString&,
                                               const QString&) {
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

QString ScriptedMessageBoxes::chooseFolder(QWidget*, const QString&, const QString&) {
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

bool RecordingLauncher::start(const QString& program, const QStringList& arguments) {
    started.append({program, arguments});
    return result;
}

QString ScriptedFileChooser::openFile(QWidget*, const QString& caption, const QString&,
                                      const QString&) {
    captions.append(caption);
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString ScriptedFileChooser::saveFile(QWidget*, const QString& caption, const QString& suggested,
                                      const QString&) {
    captions.append(caption);
    suggestions.append(suggested);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}
