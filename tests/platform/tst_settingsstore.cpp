// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsstore.h"

#include <QFile>
#include <QProcess>
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

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
