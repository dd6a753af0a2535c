// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testprogram.h"

#include "shell/application.h"
#include "shell/frmmain.h"

#include "kit/applifecycle.h"
#include "kit/windowregistry.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenuBar>

TestProgram::TestProgram(Start when, SystemRegistry* registry, SettingsStore* external) {
    AppLifecycle::resetForTesting();
    AppContext base;
    base.store = external ? external : &store;
    base.shell = &shell;
    base.messages = &messages;
    base.launcher = &launcher;
    base.systemRegistry = registry;
    app = std::make_unique<Application>(base);
    QObject::connect(windows(), &WindowRegistry::windowCreated,
                     [this](const QString&, QWidget* window) { m_opened.append(window); });
    if (when == Start::Now)
        start();
}

TestProgram::~TestProgram() {
    // Frame children go with the frame; top-level windows have no owner but the program.
    for (const QPointer<QWidget>& window : std::as_const(m_opened)) {
        if (window && window->isWindow() && !window->parentWidget())
            delete window.data();
    }
    app.reset();
}

void TestProgram::start() {
    app->start();
}

WindowRegistry* TestProgram::windows() const {
    return app->context().windows;
}

frmMain* TestProgram::main() const {
    return app->mainWindow();
}

QAction* TestProgram::menuAction(const char* name) const {
    return main() ? main()->menuBar()->findChild<QAction*>(QString::fromLatin1(name)) : nullptr;
}

bool TestProgram::isShown(const QWidget* window) {
    if (!window || !window->isVisible())
        return false;
    const QMdiSubWindow* sub = WindowRegistry::subWindowOf(const_cast<QWidget*>(window));
    return !sub || sub->isVisible();
}
