// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/filechooser.h"
#include "platform/messageboxes.h"
#include "platform/programlauncher.h"
#include "platform/settingsstore.h"
#include "platform/shellopen.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

// A settings store in memory that logs every read and write in order and can be told to
// fail writes.
class MemorySettingsStore final : public SettingsStore {
public:
    struct Operation {
        enum class Type { Read, Write } type;
        QString section;
        QString key;
        QString value; // the default for reads, the value for writes
        bool operator==(const Operation& other) const {
            return type == other.type && section == other.section && key == other.key &&
                   value == other.value;
        }
    };

    using Values = QMap<QPair<QString, QString>, QString>;

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const override;
    bool write(const QString& section, const QString& key, const QString& value) override;
    QString lastError() const override { return m_lastError; }
    bool lastReadFailed() const override { return m_readFailed; }
    bool lastErrorWasBusy() const override { return m_busy; }
    // All or nothing, like the real store; a transaction that fails leaves the values as
    // they were.
    Outcome transaction(const std::function<bool()>& steps) override;

    bool makeBackup(const QString& label) override;
    QList<Backup> backups() const override;
    std::unique_ptr<SettingsStore> openBackup(const Backup& backup) const override;
    bool relabelBackup(const Backup& backup, const QString& label) override;

    bool contains(const QString& section, const QString& key) const;
    int keyCount() const { return int(m_values.size()); }
    void set(const QString& section, const QString& key, const QString& value);
    const Values& values() const { return m_values; }

    // Writes after the next n succeed fail (n < 0: never fail).
    void failWritesAfter(int n) { m_writesBeforeFailure = n; }
    // Reads after the next n succeed fail (n < 0: never fail).
    void failReadsAfter(int n) { m_readsBeforeFailure = n; }
    // Failures then look like another program holding the store.
    void failAsBusy(bool busy) { m_failBusy = busy; }
    // Backups made from now on carry this time.
    void setBackupClock(const QDateTime& when) { m_clock = when; }

    mutable QList<Operation> log;

private:
    struct Snapshot {
        Backup backup;
        Values values;
    };

    Values m_values;
    int m_writesBeforeFailure = -1;
    mutable int m_readsBeforeFailure = -1;
    bool m_failBusy = false;
    mutable bool m_readFailed = false;
    mutable bool m_busy = false;
    mutable bool m_abort = false;
    int m_depth = 0;
    mutable QString m_lastError;
    QList<Snapshot> m_backups; // newest first
    QDateTime m_clock;
    int m_backupsMade = 0;
};

// Records what it was asked to open.
class RecordingShellOpener final : public ShellOpener {
public:
    bool open(const QString& target, QWidget* owner) override;
    QStringList opened;
    QList<QWidget*> owners;
    bool result = true;
};

// Answers message boxes from a script, without a modal loop, and records them.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString title;
        QString text;
        Icon icon = Icon::None;
        bool question = false;
        Answer defaultAnswer = Answer::Ok;
        QString details;
        QStringList choices;
    };

    void inform(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text,
                    Answer defaultAnswer, Icon icon) override;
    void report(QWidget* parent, const QString& title, const QString& text, const QString& details,
                Icon icon) override;
    Answer askYesNoWithDetails(QWidget* parent, const QString& title, const QString& text,
                               const QString& details, Answer defaultAnswer, Icon icon) override;
    int choose(QWidget* parent, const QString& title, const QString& text,
               const QStringList& items) override;
    QString chooseFileToSave(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filter) override;
    QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& folder) override;

    QList<Answer> answers; // taken from the front; when empty, questions get their default
    QList<int> picks;      // for choose(), from the front; when empty, cancelled (-1)
    QStringList paths;     // for the file and folder choosers; when empty, cancelled
    QList<Shown> shown;
};

class RecordingLauncher final : public ProgramLauncher {
public:
    bool start(const QString& program, const QStringList& arguments = {}) override;
    QList<QPair<QString, QStringList>> started;
    bool result = true;
};

// Answers the open and save dialogs from a script (empty: cancelled) and records the captions.
class ScriptedFileChooser final : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filter) override;
    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList captions;
    QStringList suggestions;
};
