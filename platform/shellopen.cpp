// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellopen.h"

#include "platform/appfolder.h"

#include <QProcess>
#include <QStandardPaths>

bool DesktopShellOpener::open(const QString& target, QWidget* owner) {
    Q_UNUSED(owner)
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty() || target.isEmpty())
        return false;
    // "--" is not understood by xdg-open, so refuse targets that would read as options.
    if (target.startsWith(QLatin1Char('-')))
        return false;
    return QProcess::startDetached(opener, {target}, AppFolder::path());
}
