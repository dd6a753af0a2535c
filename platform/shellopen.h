// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Opens an address or a file with the desktop's default handler ("Open").
class ShellOpener {
public:
    virtual ~ShellOpener() = default;

    // Relative file names are taken relative to the program's data folder.
    // Returns whether the request could be handed to the desktop.
    virtual bool open(const QString& target, QWidget* owner) = 0;
};

// Starts the desktop's opener (xdg-open) with an argument vector, never a shell command line.
class DesktopShellOpener final : public ShellOpener {
public:
    bool open(const QString& target, QWidget* owner) override;
};
