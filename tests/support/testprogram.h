// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/testdoubles.h"

#include <QList>
#include <QPointer>

#include <memory>

class Application;
class QAction;
class QWidget;
class SettingsStore;
class SystemRegistry;
class WindowRegistry;
class frmMain;

// The whole program over test doubles, as the user would meet it. It owns the program's
// windows: the ones the window registry opened are deleted with it, as ending the program
// would; anything else a test opens is the test's to close (GuiTest reports what is left).
struct TestProgram {
    enum class Start { Now, Later };

    // `external` replaces the in-memory store.
    explicit TestProgram(Start when = Start::Now, SystemRegistry* registry = nullptr,
                         SettingsStore* external = nullptr);
    ~TestProgram();
    Q_DISABLE_COPY_MOVE(TestProgram)

    // Frame load, frmMain's load, both shown (for Start::Later).
    void start();

    WindowRegistry* windows() const;
    frmMain* main() const;
    // An entry of frmMain's menus by its designer name, or nullptr.
    QAction* menuAction(const char* name) const;
    // Shown on screen: the window and, for a frame child, its sub-window.
    static bool isShown(const QWidget* window);

    MemorySettingsStore store;
    RecordingShellOpener shell;
    ScriptedMessageBoxes messages;
    RecordingLauncher launcher;
    std::unique_ptr<Application> app;

private:
    QList<QPointer<QWidget>> m_opened;
};
