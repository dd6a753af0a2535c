// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

// An X server of our own (Xvfb, 1280x1024, 24 bits, black background) on a free display, so
// measurements and tests see a real display without anything else drawing on it.
class PrivateXServer final {
public:
    // Xvfb's path, or an empty string when it is not installed.
    static QString program();

    PrivateXServer() = default;
    ~PrivateXServer();
    Q_DISABLE_COPY_MOVE(PrivateXServer)

    // Starts the server and waits until it accepts clients; false with a reason otherwise.
    bool start(QString* error = nullptr);
    QString display() const { return m_display; }
    // base with DISPLAY set to this server and the xcb platform chosen.
    QProcessEnvironment environment(QProcessEnvironment base) const;

private:
    QProcess m_server;
    QString m_display;
};

// Watches a display for the first top-level window that appears and gets painted.
class WindowWatch final {
public:
    // Starts watching at once, so a program started afterwards cannot slip by.
    explicit WindowWatch(const QString& display);
    ~WindowWatch();
    Q_DISABLE_COPY_MOVE(WindowWatch)

    bool isValid() const;

    struct Sighting {
        qint64 mappedNs = -1;  // on clock, when the server mapped the window
        qint64 paintedNs = -1; // on clock, when its first pixels reached the screen
    };
    // Waits up to timeoutMs for a window of at least 200x100 pixels to be mapped and then to
    // show anything but the empty background. Times are read from clock; -1 when not seen.
    Sighting waitForPaintedWindow(const QElapsedTimer& clock, int timeoutMs);

private:
    struct Connection;
    std::unique_ptr<Connection> m_x;
};

// Resident memory of a process in kB (VmRSS), 0 when it is gone.
qint64 residentKb(qint64 pid);
// Time the process's threads have spent on a processor so far, in nanoseconds.
qint64 cpuNs(qint64 pid);
// The process's children, grandchildren and so on.
QList<qint64> descendants(qint64 pid);
// Whether the process has an OpenGL driver or the web engine mapped, by library name.
struct LoadedLibraries {
    bool openGl = false;
    bool webEngine = false;
    QStringList names; // the matching libraries
};
LoadedLibraries graphicsLibraries(qint64 pid);
