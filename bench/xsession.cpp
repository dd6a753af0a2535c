// SPDX-License-Identifier: GPL-3.0-or-later
#include "xsession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <xcb/xcb.h>

QString PrivateXServer::program() {
    return QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
}

PrivateXServer::~PrivateXServer() {
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished(5000);
    }
}

bool PrivateXServer::start(QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString xvfb = program();
    if (xvfb.isEmpty())
        return fail(QStringLiteral("Xvfb is not installed (Debian package xvfb)"));
    // The server picks a free display itself and writes its number to this pipe when ready.
    int ends[2];
    if (::pipe(ends) != 0)
        return fail(QStringLiteral("no pipe for the display number"));
    ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
    // The server goes with us, even when we are killed.
    m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.start(
        xvfb, {QStringLiteral("-displayfd"), QString::number(ends[1]), QStringLiteral("-screen"),
               QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-br"),
               QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    ::close(ends[1]);
    QByteArray number;
    const QDeadlineTimer deadline(20000);
    while (!number.endsWith('\n') && !deadline.hasExpired()) {
        pollfd wait{ends[0], POLLIN, 0};
        if (::poll(&wait, 1, int(deadline.remainingTime())) <= 0)
            break;
        char chunk[16];
        const ssize_t got = ::read(ends[0], chunk, sizeof chunk);
        if (got <= 0)
            break;
        number.append(chunk, got);
    }
    ::close(ends[0]);
    if (!number.endsWith('\n'))
        return fail(QStringLiteral("Xvfb did not start: %1").arg(m_server.errorString()));
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    return true;
}

QProcessEnvironment PrivateXServer::environment(QProcessEnvironment base) const {
    base.insert(QStringLiteral("DISPLAY"), m_display);
    base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    base.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return base;
}

struct WindowWatch::Connection {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    int width = 0;
    int height = 0;
};

WindowWatch::WindowWatch(const QString& display)
    : m_x(std::make_unique<Connection>()) {
    m_x->c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(m_x->c))
        return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_x->c)).data;
    m_x->root = screen->root;
    m_x->width = screen->width_in_pixels;
    m_x->height = screen->height_in_pixels;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(
        m_x->c, xcb_change_window_attributes_checked(m_x->c, m_x->root, XCB_CW_EVENT_MASK, &mask));
}

WindowWatch::~WindowWatch() {
    if (m_x->c)
        xcb_disconnect(m_x->c);
}

bool WindowWatch::isValid() const {
    return m_x->c && !xcb_connection_has_error(m_x->c) && m_x->root;
}

namespace {

// Whether any pixel of three lines across the rectangle differs from the black background.
bool showsAnything(xcb_connection_t* c, xcb_window_t root, int x, int y, int w, int h) {
    for (int line : {h / 4, h / 2, 3 * h / 4}) {
        xcb_get_image_reply_t* image =
            xcb_get_image_reply(c,
                                xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, int16_t(x),
                                              int16_t(y + line), uint16_t(w), 1, ~0u),
                                nullptr);
        if (!image)
            continue;
        const uint8_t* data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        bool any = false;
        for (int i = 0; i + 3 < length && !any; i += 4)
            any = (data[i] | data[i + 1] | data[i + 2]) != 0;
        std::free(image);
        if (any)
            return true;
    }
    return false;
}

} // namespace

WindowWatch::Sighting WindowWatch::waitForPaintedWindow(const QElapsedTimer& clock, int timeoutMs) {
    Sighting seen;
    if (!isValid())
        return seen;
    const QDeadlineTimer deadline(timeoutMs);
    xcb_connection_t* c = m_x->c;
    int x = 0, y = 0, w = 0, h = 0;
    while (seen.mappedNs < 0 && !deadline.hasExpired()) {
        pollfd wait{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&wait, 1, int(qMin<qint64>(deadline.remainingTime(), 100)));
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && seen.mappedNs < 0) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const qint64 at = clock.nsecsElapsed();
                xcb_get_geometry_reply_t* geometry =
                    xcb_get_geometry_reply(c, xcb_get_geometry(c, map->window), nullptr);
                if (geometry && !map->override_redirect && geometry->width >= 200 &&
                    geometry->height >= 100) {
                    seen.mappedNs = at;
                    x = qBound(0, int(geometry->x), m_x->width - 1);
                    y = qBound(0, int(geometry->y), m_x->height - 1);
                    w = qMin(int(geometry->width), m_x->width - x);
                    h = qMin(int(geometry->height), m_x->height - y);
                }
                std::free(geometry);
            }
            std::free(event);
        }
        if (xcb_connection_has_error(c))
            return seen;
    }
    while (seen.mappedNs >= 0 && !deadline.hasExpired()) {
        if (showsAnything(c, m_x->root, x, y, w, h)) {
            seen.paintedNs = clock.nsecsElapsed();
            break;
        }
        QThread::usleep(500);
    }
    return seen;
}

qint64 residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

qint64 cpuNs(qint64 pid) {
    qint64 total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

QList<qint64> descendants(qint64 pid) {
    QList<qint64> found;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks.filePath(task + QStringLiteral("/children")));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& child : children.readAll().simplified().split(' ')) {
            if (child.isEmpty())
                continue;
            found.append(child.toLongLong());
            found.append(descendants(child.toLongLong()));
        }
    }
    return found;
}

LoadedLibraries graphicsLibraries(qint64 pid) {
    LoadedLibraries loaded;
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return loaded;
    // libGLX.so, libEGL.so, libOpenGL.so and libGLdispatch.so are small dispatch libraries that
    // QtGui itself links, so every Qt window maps them; the driver behind them is what costs.
    static const QRegularExpression openGl(
        QStringLiteral("(lib(GLX|EGL)_\\w+\\.so|_dri\\.so|libLLVM|libgallium|libglapi|libGL\\.so|"
                       "qxcb-(glx|egl)-integration|libQt6OpenGL)"));
    static const QRegularExpression webEngine(QStringLiteral("libQt6WebEngine"));
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (!line.contains('/') || loaded.names.contains(path.section(u'/', -1)))
            continue;
        const bool gl = openGl.match(path).hasMatch();
        const bool web = webEngine.match(path).hasMatch();
        loaded.openGl = loaded.openGl || gl;
        loaded.webEngine = loaded.webEngine || web;
        if (gl || web)
            loaded.names.append(path.section(u'/', -1));
    }
    return loaded;
}
