// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/programmain.h"

#include "platform/messageboxes.h"
#include "platform/processguard.h"
#include "platform/programlauncher.h"
#include "platform/settingsstore.h"
#include "platform/shellopen.h"
#include "platform/systemregistry.h"
#include "platform/translations.h"
#include "platform/uifonts.h"

#include "shell/application.h"

#include <QApplication>
#include <QIcon>

int tagloomMain(int argc, char* argv[], const std::function<void(Application&)>& started) {
    ProcessGuard::reportOversizedWritesAsErrors();
    // The web plugin arrives after start-up; its engine needs contexts shared from the outset.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagloom"));
    QApplication::setOrganizationName(QStringLiteral("Tagloom"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon/tagloom-256.png")));
    UiFonts::install();
    Translations::install(QLocale(), Translations::folder());

    SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
    DesktopShellOpener shell;
    WidgetMessageBoxes messages;
    ProcessLauncher launcher;
    std::unique_ptr<SystemRegistry> systemRegistry = SystemRegistry::createDefault();

    AppContext base;
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
