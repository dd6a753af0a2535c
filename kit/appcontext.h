// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/service.h"

class SettingsStore;
class ShellOpener;
class MessageBoxes;
class ProgramLauncher;
class SystemRegistry;
class WindowRegistry;
class Catalogue;
class HubWindow;
class SkinService;
class MyScriptsService;
class SeparateBrowserService;
class PreviewService;
class EntryActions;
class FileChooser;
class PageInsertionCommands;

// The outside world and the few shared windows, handed to every window that needs them.
// The program fills it with real adapters; tests fill it with doubles. Every service is
// there once the program is put together (see Service).
struct AppContext {
    Service<SettingsStore> store;
    Service<ShellOpener> shell;
    Service<MessageBoxes> messages;
    Service<ProgramLauncher> launcher;
    Service<SystemRegistry> systemRegistry;
    // Open and save dialogs; when unset, the commands that need one use the system's.
    Service<FileChooser> fileChooser;
    Service<WindowRegistry> windows;
    Service<const Catalogue> catalogue;
    // Commands subsystems offer on an entry (kit/entryactions.h).
    Service<EntryActions> entryActions;

    // The main window, from Application::start() on.
    HubWindow* main = nullptr;

    // Set by the subsystems that provide them while the program is put together.
    Service<SkinService> skins;
    Service<MyScriptsService> myScripts;
    Service<SeparateBrowserService> separateBrowser;
    Service<PreviewService> preview;
    // "Put into My Page..." and its removal, for windows that make their own snippet.
    Service<PageInsertionCommands> pageInsertion;
};
