// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// Thirty entries' worth of values, like a full My Scripts store.
void fillBaseline(SettingsStore& store) {
    for (int slot = 1; slot <= 30; ++slot) {
        const QString section = QStringLiteral("%1Slot").arg(slot);
        QVERIFY(
            store.write(section, QStringLiteral("Name"), QStringLiteral("Script %1").arg(slot)));
        QVERIFY(store.write(section, QStringLiteral("Body"), QString(500, QLatin1Char('b'))));
    }
}

void verifyBaseline(const QString& path) {
    SqliteSettingsStore store(path);
    for (int slot = 1; slot <= 30; ++slot) {
        const QString section = QStringLiteral("%1Slot").arg(slot);
        QCOMPARE(store.read(section, QStringLiteral("Name")),
                 QStringLiteral("Script %1").arg(slot));
        QCOMPARE(store.read(section, QStringLiteral("Body")), QString(500, QLatin1Char('b')));
    }
}

bool integrityOk(const QString& path) {
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next() &&
                 query.value(0).toString() == QLatin1String("ok");
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return ok;
}

// Runs the writer as a separate process, optionally wrapped (prlimit, setpriv).
int runWriter(const QStringList& wrapper, const QString& path, const QString& key, int length,
              QString* errorOutput) {
    QStringList args = wrapper;
    args << QStringLiteral(SETTINGSSTORE_WRITER) << path << QStringLiteral("Extra") << key
         << QString::number(length);
    QProcess process;
    process.start(args.takeFirst(), args);
    if (!process.waitForFinished(30000))
        return -1;
    *errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
    // A process killed by a signal did not get to report anything: count it as a failure
    // of the store's contract.
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void secondCopySeesEveryWrite();
    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void absentAndEmptyAreDifferent();
    void writeBeyondFileSizeLimitIsReportedAndLosesNothing();
    void writeToReadOnlyStoreIsReportedAndLosesNothing();
    void unopenableStoreReportsWrites();
    void damagedStoreIsSetAsideAndWhatCanBeReadIsKept_data();
    void damagedStoreIsSetAsideAndWhatCanBeReadIsKept();
    void readFailureIsToldApartFromAnAbsentKey();
    void transactionKeepsAllOrNothing();
    void backupsAreWholeCopiesAndTheLastTenAreKept();
};

void TestSettingsStore::secondCopySeesEveryWrite() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    SqliteSettingsStore first(path);
    SqliteSettingsStore second(path);
    QCOMPARE(second.read(QStringLiteral("Skin"), QStringLiteral("Value")), QString());
    QVERIFY(first.write(QStringLiteral("Skin"), QStringLiteral("Value"), QStringLiteral("3")));
    QCOMPARE(second.read(QStringLiteral("Skin"), QStringLiteral("Value")), QStringLiteral("3"));
    QVERIFY(second.write(QStringLiteral("Skin"), QStringLiteral("Value"), QStringLiteral("5")));
    QCOMPARE(first.read(QStringLiteral("Skin"), QStringLiteral("Value")), QStringLiteral("5"));
    // Sections and keys are distinct addresses.
    QCOMPARE(first.read(QStringLiteral("skin"), QStringLiteral("Value"), QStringLiteral("d")),
             QStringLiteral("d"));
}

void TestSettingsStore::valuesRoundTripExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("line breaks") << QStringLiteral("<script>\r\n  a();\n</script>\r\n");
    QTest::newRow("lone CR") << QStringLiteral("one\rtwo");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\" and 'bye'");
    QTest::newRow("ini syntax") << QStringLiteral("[1Slot]\nName=x; comment\n=;[");
    QTest::newRow("backslashes") << QStringLiteral("C:\\scripts\\a.js \\n \\\\");
    QTest::newRow("blanks") << QStringLiteral("  padded  ");
    QTest::newRow("beyond latin-1")
        << QString::fromUtf8("\xce\xa9 \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x98\x80 \xe2\x82\xac");
    QTest::newRow("nul-free long") << QString(20000, QLatin1Char('q'));
}

void TestSettingsStore::valuesRoundTripExactly() {
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    {
        SqliteSettingsStore store(path);
        QVERIFY(store.write(QStringLiteral("7Slot"), QStringLiteral("Body"), value));
    }
    SqliteSettingsStore reopened(path);
    QCOMPARE(reopened.read(QStringLiteral("7Slot"), QStringLiteral("Body")), value);
}

void TestSettingsStore::absentAndEmptyAreDifferent() {
    QTemporaryDir dir;
    SqliteSettingsStore store(dir.filePath(QStringLiteral("s.sqlite")));
    const QString fallback = QStringLiteral("fallback");
    QCOMPARE(store.read(QStringLiteral("1Slot"), QStringLiteral("Name"), fallback), fallback);
    QVERIFY(store.write(QStringLiteral("1Slot"), QStringLiteral("Name"), QString()));
    QCOMPARE(store.read(QStringLiteral("1Slot"), QStringLiteral("Name"), fallback), QString());
}

void TestSettingsStore::writeBeyondFileSizeLimitIsReportedAndLosesNothing() {
    if (QStandardPaths::findExecutable(QStringLiteral("prlimit")).isEmpty())
        QSKIP("prlimit is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    {
        SqliteSettingsStore store(path);
        fillBaseline(store);
        QVERIFY(
            store.write(QStringLiteral("Extra"), QStringLiteral("Kept"), QStringLiteral("old")));
    }
    const qint64 size = QFileInfo(path).size();
    QVERIFY(size > 0);

    // The writer may grow its files only a little: a large value cannot fit.
    const QStringList limited = {QStringLiteral("prlimit"),
                                 QStringLiteral("--fsize=%1").arg(size + 8192),
                                 QStringLiteral("--")};
    QString errors;
    QCOMPARE(runWriter(limited, path, QStringLiteral("Kept"), 400000, &errors), 3);
    QVERIFY2(!errors.isEmpty(), "the failure carries a reason");
    // A small write under the same limit still succeeds.
    QCOMPARE(runWriter(limited, path, QStringLiteral("Small"), 10, &errors), 0);

    verifyBaseline(path);
    SqliteSettingsStore store(path);
    QCOMPARE(store.read(QStringLiteral("Extra"), QStringLiteral("Kept")), QStringLiteral("old"));
    QCOMPARE(store.read(QStringLiteral("Extra"), QStringLiteral("Small")),
             QString(10, QLatin1Char('x')));
    QVERIFY(integrityOk(path));
}

void TestSettingsStore::writeToReadOnlyStoreIsReportedAndLosesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    {
        SqliteSettingsStore store(path);
        fillBaseline(store);
    }
    QStringList wrapper;
    if (geteuid() == 0) {
        // Root writes read-only files anyway; act as an unprivileged user instead.
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("setpriv is not installed");
        wrapper = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                   QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                   QStringLiteral("--")};
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther |
                                              QFile::ReadGroup | QFile::ExeGroup);
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QString errors;
    QCOMPARE(runWriter(wrapper, path, QStringLiteral("New"), 10, &errors), 3);
    QVERIFY2(!errors.isEmpty(), "the failure carries a reason");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    verifyBaseline(path);
    QVERIFY(integrityOk(path));
}

void TestSettingsStore::unopenableStoreReportsWrites() {
    QTemporaryDir dir;
    // A plain file where the store's folder should be.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SqliteSettingsStore store(dir.filePath(QStringLiteral("blocked/settings.sqlite")));
    QVERIFY(!store.write(QStringLiteral("Skin"), QStringLiteral("Value"), QStringLiteral("2")));
    QVERIFY(!store.lastError().isEmpty());
    QCOMPARE(store.read(QStringLiteral("Skin"), QStringLiteral("Value"), QStringLiteral("d")),
             QStringLiteral("d"));
}

void TestSettingsStore::damagedStoreIsSetAsideAndWhatCanBeReadIsKept_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("fewestRecovered");
    QTest::addColumn<int>("mostRecovered");
    QTest::newRow("healthy") << QStringLiteral("none") << -1 << -1;
    QTest::newRow("truncated") << QStringLiteral("truncate") << 1 << 59;
    QTest::newRow("pages overwritten") << QStringLiteral("scribble") << 1 << 59;
    QTest::newRow("text file") << QStringLiteral("text") << 0 << 0;
    QTest::newRow("folder") << QStringLiteral("folder") << 0 << 0;
}

void TestSettingsStore::damagedStoreIsSetAsideAndWhatCanBeReadIsKept() {
    QFETCH(QString, damage);
    QFETCH(int, fewestRecovered);
    QFETCH(int, mostRecovered);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    {
        SqliteSettingsStore store(path);
        fillBaseline(store);
    }
    {
        SqliteSettingsStore store(path);
        QVERIFY(store.read(QStringLiteral("1Slot"), QStringLiteral("Name")) ==
                QStringLiteral("Script 1"));
    }
    QVERIFY(!QFileInfo::exists(path + QStringLiteral("-wal")));
    QByteArray before;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (damage == QLatin1String("truncate")) {
            QVERIFY(file.resize(file.size() / 2));
        } else if (damage == QLatin1String("scribble")) {
            // A page of rows in the middle; the header and the table's root stay readable.
            file.seek((file.size() / 4096 / 2) * 4096 + 100);
            file.write(QByteArray(3000, '\xA5'));
        } else if (damage == QLatin1String("text")) {
            file.resize(0);
            file.write("this is not a settings store\n");
        }
        file.close();
        if (damage == QLatin1String("folder")) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkdir(path));
            QFile inside(path + QStringLiteral("/note.txt"));
            QVERIFY(inside.open(QIODevice::WriteOnly));
            inside.write("kept");
        }
        QFile again(path);
        if (again.open(QIODevice::ReadOnly))
            before = again.readAll();
    }

    SqliteSettingsStore store(path);
    const QString first = store.read(QStringLiteral("30Slot"), QStringLiteral("Name"));
    QVERIFY2(!store.lastReadFailed(), qPrintable(store.lastError()));
    const auto recovery = store.takeRecovery();
    if (fewestRecovered < 0) {
        QVERIFY(!recovery);
        QCOMPARE(first, QStringLiteral("Script 30"));
        return;
    }
    QVERIFY(recovery);
    QVERIFY2(recovery->rowsRecovered >= fewestRecovered && recovery->rowsRecovered <= mostRecovered,
             qPrintable(QString::number(recovery->rowsRecovered)));
    QVERIFY(!recovery->details.isEmpty());
    QVERIFY(!store.takeRecovery()); // told once
    // The damaged file sits beside the store, byte for byte as it was.
    const QFileInfo aside(recovery->damagedCopy);
    QCOMPARE(aside.absolutePath(), QFileInfo(path).absolutePath());
    QVERIFY(aside.fileName().contains(
        QRegularExpression(QStringLiteral("^settings\\.sqlite\\.damaged-\\d{8}-\\d{6}$"))));
    if (damage == QLatin1String("folder")) {
        QVERIFY(QFileInfo::exists(recovery->damagedCopy + QStringLiteral("/note.txt")));
    } else {
        QFile copy(recovery->damagedCopy);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), before);
    }
    // Every row recovered reads back as it was written, and the fresh store takes writes.
    int names = 0;
    for (int slot = 1; slot <= 30; ++slot) {
        const QString name = store.read(QStringLiteral("%1Slot").arg(slot), QStringLiteral("Name"),
                                        QStringLiteral("-"));
        QVERIFY(!store.lastReadFailed());
        if (name != QLatin1String("-")) {
            QCOMPARE(name, QStringLiteral("Script %1").arg(slot));
            ++names;
        }
    }
    QVERIFY(names <= recovery->rowsRecovered);
    QVERIFY(store.write(QStringLiteral("Skin"), QStringLiteral("Value"), QStringLiteral("2")));
    QVERIFY(integrityOk(path));
}

void TestSettingsStore::readFailureIsToldApartFromAnAbsentKey() {
    QTemporaryDir dir;
    SqliteSettingsStore store(dir.filePath(QStringLiteral("s.sqlite")));
    QCOMPARE(store.read(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("d")),
             QStringLiteral("d"));
    QVERIFY(!store.lastReadFailed());

    // Unreadable without being damaged: nothing is set aside or rebuilt.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SqliteSettingsStore broken(dir.filePath(QStringLiteral("blocked/settings.sqlite")));
    QCOMPARE(broken.read(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("d")),
             QStringLiteral("d"));
    QVERIFY(broken.lastReadFailed());
    QVERIFY(!broken.lastErrorWasBusy());
    QVERIFY(!broken.takeRecovery());
}

void TestSettingsStore::transactionKeepsAllOrNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.sqlite"));
    SqliteSettingsStore store(path);
    QVERIFY(store.write(QStringLiteral("S"), QStringLiteral("a"), QStringLiteral("old")));
    QCOMPARE(store.transaction([&] {
        return store.write(QStringLiteral("S"), QStringLiteral("a"), QStringLiteral("new")) &&
               store.write(QStringLiteral("S"), QStringLiteral("b"), QStringLiteral("new")) &&
               false;
    }),
             SettingsStore::Outcome::Declined);
    SqliteSettingsStore other(path);
    QCOMPARE(other.read(QStringLiteral("S"), QStringLiteral("a")), QStringLiteral("old"));
    QCOMPARE(other.read(QStringLiteral("S"), QStringLiteral("b"), QStringLiteral("none")),
             QStringLiteral("none"));

    // While one holds the write lock, the other's transaction gives up soon, saying why.
    QCOMPARE(store.transaction([&] {
        const SettingsStore::Outcome inner = other.transaction([&] {
            return other.write(QStringLiteral("S"), QStringLiteral("a"), QStringLiteral("theirs"));
        });
        return inner == SettingsStore::Outcome::Failed && other.lastErrorWasBusy() &&
               store.write(QStringLiteral("S"), QStringLiteral("a"), QStringLiteral("mine"));
    }),
             SettingsStore::Outcome::Done);
    QCOMPARE(other.read(QStringLiteral("S"), QStringLiteral("a")), QStringLiteral("mine"));
}

void TestSettingsStore::backupsAreWholeCopiesAndTheLastTenAreKept() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    SqliteSettingsStore store(path);
    fillBaseline(store);
    QVERIFY(store.backups().isEmpty());
    QVERIFY(store.makeBackup(QStringLiteral("clear-all")));
    QVERIFY(store.write(QStringLiteral("1Slot"), QStringLiteral("Name"), QStringLiteral("later")));

    const QList<SettingsStore::Backup> made = store.backups();
    QCOMPARE(made.size(), 1);
    QCOMPARE(made.first().label, QStringLiteral("clear-all"));
    QCOMPARE(QFileInfo(made.first().path).absolutePath(), dir.filePath(QStringLiteral("backups")));
    QVERIFY(qAbs(made.first().made.secsTo(QDateTime::currentDateTime())) < 60);
    verifyBaseline(made.first().path);
    const auto copy = store.openBackup(made.first());
    QCOMPARE(copy->read(QStringLiteral("1Slot"), QStringLiteral("Name")),
             QStringLiteral("Script 1"));
    QVERIFY(!copy->write(QStringLiteral("1Slot"), QStringLiteral("Name"), QStringLiteral("x")));

    QVERIFY(store.relabelBackup(made.first(), QStringLiteral("clear-all-undone")));
    QCOMPARE(store.backups().first().label, QStringLiteral("clear-all-undone"));

    for (int i = 0; i < 11; ++i) {
        QVERIFY(store.makeBackup(QStringLiteral("daily")));
        QTest::qWait(2); // names carry milliseconds
    }
    const QList<SettingsStore::Backup> kept = store.backups();
    QCOMPARE(kept.size(), 10);
    for (const auto& backup : kept)
        QCOMPARE(backup.label, QStringLiteral("daily"));
    QVERIFY(kept.first().made >= kept.last().made);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
