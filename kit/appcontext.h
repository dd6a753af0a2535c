// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The outside world and the few shared windows, handed to every window that needs them.
// The program fills it with real adapters; tests fill it with doubles.
struct AppContext {
    SettingsStore* store = nullptr;
    ShellOpener* shell = nullptr;
    MessageBoxes* messages = nullptr;
    ProgramLauncher* launcher = nullptr;
    SystemRegistry* systemRegistry = nullptr;
    WindowRegistry* windows = nullptr;
    const Catalogue* catalogue = nullptr;
    // Commands subsystems offer on an entry (kit/entryactions.h); always set by Application.
    EntryActions* entryActions = nullptr;

    HubWindow* main = nullptr;

    // Filled by the subsystems that provide them; absent services leave their commands inert.
    SkinService* skins = nullptr;
    MyScriptsService* myScripts = nullptr;
    SeparateBrowserService* separateBrowser = nullptr;
    PreviewService* preview = nullptr;
};
