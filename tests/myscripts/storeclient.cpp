// SPDX-License-Identifier: GPL-3.0-or-later
// A second program working on a store, for the tests that kill it, race it or let it hold
// the store.
//   storeclient writer <database> <first step>   takes steps until killed, "n" after each
//   storeclient claim <database> <name>          after "go" on stdin, saves into every slot
//                                                that is free: "slot saved|inuse|failed"
//   storeclient hold <database>                  holds the store locked until stdin closes
#include "platform/processguard.h"
#include "platform/settingsstore.h"

#include "myscripts/slotstore.h"

#include "storeclientmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>

namespace {

void say(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}

int writer(const QString& path, int step) {
    SqliteSettingsStore store(path);
    SlotStore slots_(store);
    if (!slots_.initialiseSlots().ok)
        return 3;
    say(QStringLiteral("ready"));
    for (;; ++step) {
        const StoreWriteResult result = StoreClientModel::clearsAll(step)
                                            ? slots_.clearAllSlots()
                                            : slots_.writeSlot(StoreClientModel::valuesOf(step));
        if (!result.ok)
            return 3;
        say(QString::number(step));
    }
}

int claim(const QString& path, const QString& name) {
    SqliteSettingsStore store(path);
    SlotStore slots_(store);
    (void)slots_.readSlotNameOr(1, QString()); // open before the start signal
    say(QStringLiteral("ready"));
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly) || in.readLine().trimmed() != "go")
        return 2;
    for (int slot = 1; slot <= SlotStore::SlotCount; ++slot) {
        const StoreWriteResult result = slots_.saveSlot({slot, name, {}, {}, name, {}, {}}, false);
        const char* outcome = !result.ok ? "failed" : result.declined ? "inuse" : "saved";
        say(QStringLiteral("%1 %2").arg(slot).arg(QLatin1String(outcome)));
    }
    return 0;
}

int hold(const QString& path) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("h"));
        db.setDatabaseName(path);
        if (!db.open())
            return 3;
        QSqlQuery query(db);
        // In exclusive locking mode the first write takes a lock that is never let go.
        if (!query.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")) ||
            !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS holder (x)")) ||
            !query.exec(QStringLiteral("INSERT INTO holder VALUES (1)"))) {
            QTextStream(stderr) << query.lastError().text() << '\n';
            return 3;
        }
        say(QStringLiteral("held"));
        QFile in;
        if (in.open(stdin, QIODevice::ReadOnly))
            in.readAll();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("h"));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    ProcessGuard::reportOversizedWritesAsErrors();
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("writer"))
        return writer(args.at(2), args.at(3).toInt());
    if (args.size() == 4 && args.at(1) == QLatin1String("claim"))
        return claim(args.at(2), args.at(3));
    if (args.size() == 3 && args.at(1) == QLatin1String("hold"))
        return hold(args.at(2));
    return 2;
}
