// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testprogram.h"

#include "shell/application.h"
#include "shell/frmmain.h"

#include "kit/applifecycle.h"
#include "kit/windowregistry.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenuBar>

TestProgram::TestProgram(Start when, SystemRegistry* registry) {
    AppLifecycle::resetForTesting();
    AppContext base;
    base.store = &store;
    base.shell = &shell;
    base.messages = &messages;
    base.launcher = &launcher;
    base.systemRegistry = registry;
    app = std::make_unique<Application>(base);
    if (when == Start::Now)
        start();
}

TestProgram::~TestProgram() = default;

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
