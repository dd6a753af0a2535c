// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/programmain.h"

#include "platform/filechooser.h"
#include "platform/messageboxes.h"
#include "platform/processguard.h"
#include "platform/programlauncher.h"
#include "platform/settingsstore.h"
#include "platform/shellopen.h"
#include "platform/systemregistry.h"
#include "platform/translations.h"
#include "platform/uifonts.h"

#include "shell/application.h"

#include "widgets/bundledpicture.h"

#include <QApplication>
#include <QIcon>

namespace {

// The small pictures only: the desktop's launchers take the installed icons, and decoding the
// large ones would cost start-up a few milliseconds.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(
            Widgets::bundledPicture(QStringLiteral(":/assets/icon/tagloom-%1.png").arg(size)));
    return icon;
}

} // namespace

int tagloomMain(int argc, char* argv[], const std::function<void(Application&)>& started) {
    ProcessGuard::reportOversizedWritesAsErrors();
    // No shared OpenGL context here: the web plugin makes it when the first web window opens
    // (WebPlugin::shareGraphicsContexts), so a run without web windows never loads OpenGL.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagloom"));
    QApplication::setOrganizationName(QStringLiteral("Tagloom"));
    QApplication::setWindowIcon(programIcon());
    UiFonts::install();
    Translations::install(QLocale(), Translations::folder());

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
