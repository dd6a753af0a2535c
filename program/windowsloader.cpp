// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/windowsloader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace WindowsLoader {

int run(int argc, char* argv[]) {
    // No application object exists yet to ask for the program's folder; this is where Qt
    // finds it too.
    const QString binDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QString path =
        binDir + QStringLiteral("/../" TAGLOOM_PLUGIN_SUBDIR "/libtagloom_windows.so");
    QLibrary module(path);
    using WindowsMain = int (*)(int, char**);
    const auto windowsMain = reinterpret_cast<WindowsMain>(module.resolve("tagloom_windows_main"));
    if (!windowsMain) {
        // QLibrary reports the last of the file names it tried; a missing file says more.
        const QString reason =
            QFileInfo::exists(path)
                ? module.errorString()
                : QCoreApplication::translate("WindowsLoader", "%1 is missing").arg(path);
        std::fputs(qPrintable(QCoreApplication::translate("WindowsLoader",
                                                          "tagloom: cannot open the windows: %1\n")
                                  .arg(reason)),
                   stderr);
        return 1;
    }
    // The module stays loaded until the program ends.
    return windowsMain(argc, argv);
}

} // namespace WindowsLoader
