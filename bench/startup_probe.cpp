// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself, stopped at the first idle moment after frmMain is shown with its
// first list filled. Prints its peak memory and whether the web engine got loaded.
#include "platform/appfolder.h"

#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/programmain.h"

#include <QFile>
#include <QListWidget>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

QString procStatus(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return QString::fromLatin1(line.mid(prefix.size()).trimmed());
    }
    return QString();
}

bool webEngineLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("WebEngine");
}

} // namespace

int main(int argc, char* argv[]) {
    return tagloomMain(argc, argv, [](Application& app) {
        QTimer::singleShot(0, [&app] {
            const bool ready =
                app.mainWindow()->isVisible() && app.mainWindow()->List1()->count() == 7;
            QTextStream out(stdout);
            out << "ready=" << (ready ? 1 : 0) << " peak=" << procStatus("VmHWM")
                << " webengine=" << (webEngineLoaded() ? 1 : 0) << " data=" << AppFolder::path()
                << Qt::endl;
            std::fflush(stdout);
            _exit(ready ? 0 : 1);
        });
    });
}
