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
#include "shell/frmmain.h"

#include "widgets/bundledpicture.h"

#include <QApplication>
#include <QIcon>

#include <thread>

namespace {

// The small pictures only: the desktop's launchers take the installed icons, and decoding the
// large ones would cost start-up a few milliseconds.
QStringList iconPictures() {
    QStringList paths;
    for (int size : {16, 32, 48, 64})
        paths.append(QStringLiteral(":/assets/icon/tagloom-%1.png").arg(size));
    return paths;
}

QIcon programIcon() {
    QIcon icon;
    for (const QString& path : iconPictures())
        icon.addPixmap(Widgets::bundledPicture(path));
    return icon;
}

// Start-up work that needs no display, done on a second processor while the application object
// connects to the display: reading the font configuration (about 5 ms) and decoding the first
// window's pictures (about 4 ms).
class Preparation {
public:
    Preparation() {
        // The first picture is read here, before the thread: reading one builds Qt's list of
        // image plugins, which must not happen while the application object builds its own
        // plugin lists.
        const QStringList pictures = iconPictures() + frmMain::firstPictures();
        Widgets::preloadPictures(pictures.mid(0, 1));
        m_thread = std::thread([rest = pictures.mid(1)] {
            UiFonts::loadConfiguration();
            Widgets::preloadPictures(rest);
        });
    }
    ~Preparation() { wait(); }
    Q_DISABLE_COPY_MOVE(Preparation)

    void wait() {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

} // namespace

int tagloomMain(int argc, char* argv[], const std::function<void(Application&)>& started) {
    ProcessGuard::reportOversizedWritesAsErrors();
    Preparation preparation;
    // No shared OpenGL context here: the web plugin makes it when the first web window opens
    // (WebPlugin::shareGraphicsContexts), so a run without web windows never loads OpenGL.
    QApplication app(argc, argv);
    preparation.wait();
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
