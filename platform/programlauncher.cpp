// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programlauncher.h"

#include <QProcess>

bool ProcessLauncher::start(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}
