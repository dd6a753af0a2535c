// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const override;
    bool write(const QString& section, const QString& key, const QString& value) override;
    QString lastError() const override { return m_lastError; }

    bool contains(const QString& section, const QString& key) const;
    int keyCount() const { return int(m_values.size()); }
    void set(const QString& section, const QString& key, const QString& value);

    // Writes after the next n succeed fail (n < 0: never fail).
    void failWritesAfter(int n) { m_writesBeforeFailure = n; }

    mutable QList<Operation> log;

private:
    QMap<QPair<QString, QString>, QString> m_values;
    int m_writesBeforeFailure = -1;
    QString m_lastError;
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
    };

    void inform(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text,
                    Answer defaultAnswer, Icon icon) override;

    QList<Answer> answers; // taken from the front; when empty, questions get their default
    QList<Shown> shown;
};

class RecordingLauncher final : public ProgramLauncher {
public:
    bool start(const QString& program, const QStringList& arguments = {}) override;
    QList<QPair<QString, QStringList>> started;
    bool result = true;
};
