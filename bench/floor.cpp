// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program's start-up is measured against: a bare Qt Widgets window with one list.
// --idle-exit: print the peak resident memory at the first idle moment and stop.
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* list = new QListWidget;
    for (int row = 1; row <= 7; ++row)
        list->addItem(QStringLiteral("Item %1").arg(row));
    window.setCentralWidget(list);
    window.resize(360, 420); // about the size of the program's frame window
    window.show();
    if (app.arguments().contains(QLatin1String("--idle-exit"))) {
        QTimer::singleShot(0, [] {
            QFile status(QStringLiteral("/proc/self/status"));
            QByteArray peak;
            if (status.open(QIODevice::ReadOnly))
                for (const QByteArray& line : status.readAll().split('\n'))
                    if (line.startsWith("VmHWM:"))
                        peak = line.mid(6).trimmed();
            std::printf("ready=1 peak=%s\n", peak.constData());
            std::fflush(stdout);
            _exit(0);
        });
    }
    return app.exec();
}
