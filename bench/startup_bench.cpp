// SPDX-License-Identifier: GPL-3.0-or-later
// usage: tagloom_startup_bench [runs]  (default 11; set QT_QPA_PLATFORM as you want to measure)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace {

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 11;
    QTextStream out(stdout);
    QList<double> millis;
    QList<double> peaksMb;
    bool webEngine = false;
    for (int i = 0; i < runs; ++i) {
        QProcess probe;
        QElapsedTimer timer;
        timer.start();
        probe.start(QStringLiteral(STARTUP_PROBE), {});
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
            out << "probe failed: " << probe.readAllStandardError() << Qt::endl;
            return 1;
        }
        millis.append(double(timer.nsecsElapsed()) / 1e6);
        const QString line = QString::fromLocal8Bit(probe.readAllStandardOutput());
        const auto peak = QRegularExpression(QStringLiteral("peak=(\\d+) kB")).match(line);
        peaksMb.append(peak.captured(1).toDouble() / 1024.0);
        webEngine = webEngine || line.contains(QLatin1String("webengine=1"));
    }
    out << "runs: " << runs << Qt::endl;
    out << "median start-up to idle, filled frmMain: " << QString::number(median(millis), 'f', 1)
        << " ms (min " << QString::number(*std::min_element(millis.begin(), millis.end()), 'f', 1)
        << ", max " << QString::number(*std::max_element(millis.begin(), millis.end()), 'f', 1)
        << ")" << Qt::endl;
    out << "median peak resident memory: " << QString::number(median(peaksMb), 'f', 1) << " MB"
        << Qt::endl;
    out << "web engine loaded at start-up: " << (webEngine ? "yes" : "no") << Qt::endl;
    return webEngine ? 1 : 0;
}
