// SPDX-License-Identifier: GPL-3.0-or-later
// usage: settingsstore_writer <database> <section> <key> <value length>
// Exit status: 0 written, 3 the store reported the write as failed, 2 bad usage.
#include "platform/processguard.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    ProcessGuard::reportOversizedWritesAsErrors();
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5)
        return 2;
    SqliteSettingsStore store(args.at(1));
    const QString value(args.at(4).toInt(), QLatin1Char('x'));
    if (store.write(args.at(2), args.at(3), value))
        return 0;
    QTextStream(stderr) << "write failed: " << store.lastError() << '\n';
    return 3;
}
