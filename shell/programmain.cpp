// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/programmain.h"

#include "platform/appfolder.h"
#include "platform/filechooser.h"
#include "platform/messageboxes.h"
#include "platform/processguard.h"
#include "platform/programlauncher.h"
#include "platform/settingsstore.h"
#include "platform/shellopen.h"
#include "platform/systemregistry.h"
#include "platform/uifonts.h"

#include "shell/application.h"

#include "cli/pagecommand.h"
#include "kit/diskpagefileaccess.h"
#include "model/catalogue.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTextStream>

int tagloomMain(int argc, char* argv[], const std::function<void(Application&)>& started) {
    ProcessGuard::reportOversizedWritesAsErrors();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (PageCommand::wanted(arguments)) {
        // No window and no display: the page commands run on QtCore alone.
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        DiskPageFileAccess files;
        const Catalogue catalogue;
        return PageCommand::run(arguments, catalogue, files,
                                QDir(AppFolder::path()).filePath(QStringLiteral("scripts")), out,
                                err);
    }
    // The web plugin arrives after start-up; its engine needs contexts shared from the outset.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagloom"));
    QApplication::setOrganizationName(QStringLiteral("Tagloom"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon/tagloom-256.png")));
    UiFonts::install();

    SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
    DesktopShellOpener shell;
    WidgetMessageBoxes messages;
    ProcessLauncher launcher;
    std::unique_ptr<SystemRegistry> systemRegistry = SystemRegistry::createDefault();

    DialogFileChooser fileChooser;

    AppContext base;
    base.fileChooser = &fileChooser;
    base.store = &store;
    base.shell = &shell;
    base.messages = &messages;
    base.launcher = &launcher;
    base.systemRegistry = systemRegistry.get();

    Application tagloom(base);
    tagloom.start();
    if (started)
        started(tagloom);
    return app.exec();
}
