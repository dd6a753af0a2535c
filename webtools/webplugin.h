// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class WebWindowFactory;

// Loads the web plugin on first use and keeps it loaded for the rest of the run.
class WebPlugin final {
public:
    // The plugin's file in the program's plugin folder.
    static QString defaultFile();

    explicit WebPlugin(QString file = defaultFile());
    // A factory that is already at hand (tests).
    explicit WebPlugin(WebWindowFactory* loaded)
        : m_factory(loaded) {}

    // The graphics context every web view shares with, made on the first call and kept until
    // the program ends. Never needed before a web window opens, so start-up loads no OpenGL.
    static void shareGraphicsContexts();

    // nullptr when the plugin is missing or broken; errorString() then says why. A failed
    // load is tried again on the next call, so a plugin installed meanwhile is found.
    WebWindowFactory* factory();
    QString errorString() const { return m_error; }
    const QString& file() const { return m_file; }

private:
    QString m_file;
    QString m_error;
    WebWindowFactory* m_factory = nullptr;
};
