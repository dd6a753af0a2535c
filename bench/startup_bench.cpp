// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, web window and viewer timings of the program beside a bare Qt Widgets window.
//
// usage: tagloom_startup_bench [runs] [--offscreen] [--windows]
//   runs         start-ups of each program (default 7)
//   --offscreen  only the offscreen figures (no X server needed)
//   --windows    also time the web windows (5 runs) and all catalogue viewers
// Under a private Xvfb with the xcb platform when Xvfb is installed; the offscreen figures
// follow as a second line either way.
#include "xsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <unistd.h>

namespace {

QTextStream out(stdout);

double median(QList<double> values) {
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2.0;
}

QString number(double value, int decimals = 1) {
    return QString::number(value, 'f', decimals);
}

QString load() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

// Settings, caches and runtime files of the measured programs go to a scratch folder.
QProcessEnvironment scratchEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "HOME"}) {
        const QString dir = home.path() + u'/' + QString::fromLatin1(name).toLower();
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
        env.insert(QString::fromLatin1(name), dir);
    }
    // The engine refuses to start for root with its sandbox on (the program then says so).
    if (::geteuid() == 0)
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    return env;
}

struct Start {
    double ms = -1;         // launch until the window is painted
    double mappedMs = -1;   // launch until it is mapped
    double cpuMs = -1;      // processor time used until it is painted
    double residentMb = -1; // 2 s after launch
    LoadedLibraries libraries;
};

// One launch on the private display: launch, window mapped and painted, memory 2 s later.
Start startOnDisplay(const QString& program, const QProcessEnvironment& env,
                     const QString& display) {
    Start start;
    WindowWatch watch(display);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    const WindowWatch::Sighting seen = watch.waitForPaintedWindow(clock, 30000);
    if (seen.paintedNs >= 0) {
        start.cpuMs = double(cpuNs(process.processId())) / 1e6;
        start.ms = double(seen.paintedNs) / 1e6;
        start.mappedMs = double(seen.mappedNs) / 1e6;
        QThread::msleep(ulong(qMax<qint64>(0, 2000 - clock.elapsed())));
        start.residentMb = double(residentKb(process.processId())) / 1024.0;
        start.libraries = graphicsLibraries(process.processId());
    }
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
    return start;
}

// One launch of a program that stops at its first idle moment and prints its peak memory.
Start startOffscreen(const QString& program, const QStringList& arguments,
                     QProcessEnvironment env) {
    Start start;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess probe;
    probe.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    probe.start(program, arguments);
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return start;
    start.ms = double(clock.nsecsElapsed()) / 1e6;
    const QString line = QString::fromLocal8Bit(probe.readAllStandardOutput());
    const auto peak = QRegularExpression(QStringLiteral("peak=(\\d+) kB")).match(line);
    start.residentMb = peak.captured(1).toDouble() / 1024.0;
    start.libraries.webEngine = line.contains(QLatin1String("webengine=1"));
    return start;
}

struct Summary {
    QList<double> ms, mappedMs, cpuMs, mb;
    bool openGl = false, webEngine = false, failed = false;
    QStringList libraries;
    void add(const Start& start) {
        failed = failed || start.ms < 0;
        if (start.ms < 0)
            return;
        ms.append(start.ms);
        if (start.mappedMs >= 0)
            mappedMs.append(start.mappedMs);
        if (start.cpuMs >= 0)
            cpuMs.append(start.cpuMs);
        mb.append(start.residentMb);
        openGl = openGl || start.libraries.openGl;
        webEngine = webEngine || start.libraries.webEngine;
        for (const QString& name : start.libraries.names)
            if (!libraries.contains(name))
                libraries.append(name);
    }
};

void printComparison(const QString& label, const Summary& floor, const Summary& tagloom,
                     const QString& what) {
    out << label << ": floor " << number(median(floor.ms)) << " ms " << number(median(floor.mb))
        << " MB | tagloom " << number(median(tagloom.ms)) << " ms " << number(median(tagloom.mb))
        << " MB | ratio " << number(median(tagloom.ms) / median(floor.ms), 2) << " start, "
        << number(median(tagloom.mb) / median(floor.mb), 2)
        << " memory | OpenGL loaded: " << (tagloom.openGl ? "yes" : "no")
        << " | web engine loaded: " << (tagloom.webEngine ? "yes" : "no") << "  (" << what << ")"
        << Qt::endl;
    if (!tagloom.libraries.isEmpty())
        out << "  loaded at start: " << tagloom.libraries.join(QLatin1String(", ")) << Qt::endl;
    if (floor.failed || tagloom.failed)
        out << "  some runs failed to show a window and are left out" << Qt::endl;
}

// The window probe prints "key=value" words; the values of one key over several runs.
QList<double> values(const QStringList& lines, const QString& key) {
    QList<double> found;
    const QRegularExpression word(QStringLiteral("\\b%1=([-\\d.]+)").arg(key));
    for (const QString& line : lines)
        for (auto it = word.globalMatch(line); it.hasNext();)
            found.append(it.next().captured(1).toDouble());
    return found;
}

QStringList runProbe(const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.setProcessChannelMode(QProcess::SeparateChannels);
    probe.start(QStringLiteral(WINDOW_PROBE), arguments);
    if (!probe.waitForFinished(300000) || probe.exitCode() != 0) {
        out << "  window probe " << arguments.join(u' ')
            << " failed: " << QString::fromLocal8Bit(probe.readAllStandardError()).right(2000)
            << Qt::endl;
        return {};
    }
    return QString::fromLocal8Bit(probe.readAllStandardOutput()).split(u'\n');
}

void measureWindows(const QProcessEnvironment& env) {
    QStringList web;
    for (int run = 0; run < 5; ++run)
        web += runProbe({QStringLiteral("web")}, env);
    const QList<double> first = values(web, QStringLiteral("first_ms"));
    out << "web (load " << load() << "): quick browser click -> offline home page painted: first "
        << number(median(first)) << " ms (median of " << first.size() << " runs), reopened "
        << number(median(values(web, QStringLiteral("reopen_ms")))) << " ms (median of "
        << values(web, QStringLiteral("reopen_ms")).size() << ")" << Qt::endl;
    out << "  memory the engine adds: program "
        << number(median(values(web, QStringLiteral("program_mb")))) << " MB, its helper processes "
        << number(median(values(web, QStringLiteral("helpers_mb")))) << " MB (resident, medians)"
        << Qt::endl;

    const QStringList viewers = runProbe({QStringLiteral("viewers")}, env);
    out << "viewers (load " << load()
        << "): " << number(median(values(viewers, QStringLiteral("count"))), 0)
        << " opened and closed: request -> painted median "
        << number(median(values(viewers, QStringLiteral("viewer_ms"))), 2) << " ms, max "
        << number(values(viewers, QStringLiteral("max_ms")).value(0), 1) << " ms, total "
        << number(median(values(viewers, QStringLiteral("total_ms"))), 0) << " ms" << Qt::endl;
    out << "  resident: before " << number(median(values(viewers, QStringLiteral("before_mb"))))
        << " MB, after closing all " << number(median(values(viewers, QStringLiteral("after_mb"))))
        << " MB (" << number(median(values(viewers, QStringLiteral("trimmed_mb"))))
        << " MB once the heap is trimmed), after a second round "
        << number(median(values(viewers, QStringLiteral("second_round_mb")))) << " MB" << Qt::endl;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    int runs = 7;
    for (const QString& arg : args)
        if (arg.toInt() > 0)
            runs = arg.toInt();
    const bool offscreenOnly = args.contains(QLatin1String("--offscreen"));
    const bool windows = args.contains(QLatin1String("--windows"));

    QTemporaryDir home;
    const QProcessEnvironment env = scratchEnvironment(home);
    const QString floor = QStringLiteral(FLOOR_PROGRAM);
    bool loadedAtStart = false;
    out << "runs: " << runs << ", interleaved with the floor (a bare QListWidget in a QMainWindow)"
        << Qt::endl;

    PrivateXServer server;
    if (!offscreenOnly) {
        QString why;
        if (server.start(&why)) {
            const QProcessEnvironment onDisplay = server.environment(env);
            Summary floorRuns, tagloomRuns;
            const QString before = load();
            for (int run = 0; run < runs; ++run) {
                floorRuns.add(startOnDisplay(floor, onDisplay, server.display()));
                tagloomRuns.add(
                    startOnDisplay(QStringLiteral(TAGLOOM_PROGRAM), onDisplay, server.display()));
            }
            printComparison(QStringLiteral("xcb on private Xvfb %1 (load %2 -> %3)")
                                .arg(server.display(), before, load()),
                            floorRuns, tagloomRuns,
                            QStringLiteral("launch -> window painted; resident 2 s after launch"));
            out << "  launch -> window mapped: floor " << number(median(floorRuns.mappedMs))
                << " ms, tagloom " << number(median(tagloomRuns.mappedMs)) << " ms" << Qt::endl;
            // Processor time hardly depends on what else the machine is doing.
            out << "  processor time until painted: floor " << number(median(floorRuns.cpuMs))
                << " ms, tagloom " << number(median(tagloomRuns.cpuMs)) << " ms, ratio "
                << number(median(tagloomRuns.cpuMs) / median(floorRuns.cpuMs), 2) << Qt::endl;
            loadedAtStart = tagloomRuns.openGl || tagloomRuns.webEngine || tagloomRuns.failed;
        } else {
            out << "xcb: not measured: " << why << Qt::endl;
        }
    }

    Summary floorRuns, tagloomRuns;
    const QString before = load();
    for (int run = 0; run < runs; ++run) {
        floorRuns.add(startOffscreen(floor, {QStringLiteral("--idle-exit")}, env));
        tagloomRuns.add(startOffscreen(QStringLiteral(STARTUP_PROBE), {}, env));
    }
    printComparison(QStringLiteral("offscreen (load %1 -> %2)").arg(before, load()), floorRuns,
                    tagloomRuns, QStringLiteral("launch -> first idle; peak resident memory"));
    loadedAtStart = loadedAtStart || tagloomRuns.webEngine;

    if (windows) {
        if (server.display().isEmpty())
            out << "web windows and viewers: not measured (they need the private X server)"
                << Qt::endl;
        else
            measureWindows(server.environment(env));
    }
    return loadedAtStart ? 1 : 0;
}
