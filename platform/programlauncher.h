// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Starts another program, detached, from an argument vector (never a shell command line).
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual bool start(const QString& program, const QStringList& arguments = {}) = 0;
};

class ProcessLauncher final : public ProgramLauncher {
public:
    bool start(const QString& program, const QStringList& arguments = {}) override;
};
