// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systemregistry.h"

#include "help/sysinfo.h"

#include "support/testdoubles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Root = SystemRegistry::Root;

// A registry held in a table, counting its open handles and the access asked for.
class TableRegistry final : public SystemRegistry {
public:
    struct Value {
        quint32 type;
        QByteArray bytes;
    };

    void set(const QString& path, const QString& name, quint32 type, const QByteArray& bytes) {
        m_keys[path].insert(name, Value{type, bytes});
    }
    void setString(const QString& path, const QString& name, const QString& text) {
        set(path, name, TypeString, text.toUtf8() + QByteArray(1, '\0'));
    }
    void addKey(const QString& path) { m_keys[path]; }

    long openKey(Root root, const QString& path, quint32 access, Handle* key) override {
        accesses.append(access);
        *key = 0;
        if (root != Root::LocalMachine || !m_keys.contains(path))
            return FileNotFound;
        *key = m_next++;
        m_open.insert(*key, path);
        return Success;
    }
    long queryValue(Handle key, const QString& name, quint32* type, char* buffer,
                    quint32* size) override {
        if (!m_open.contains(key))
            return InvalidHandle;
        const auto values = m_keys.value(m_open.value(key));
        if (!values.contains(name))
            return FileNotFound;
        const Value value = values.value(name);
        *type = value.type;
        const auto needed = quint32(value.bytes.size());
        const quint32 room = *size;
        *size = needed;
        if (needed > room)
            return MoreData;
        std::memcpy(buffer, value.bytes.constData(), needed);
        return Success;
    }
    long closeKey(Handle key) override {
        ++closes;
        return m_open.remove(key) ? Success : InvalidHandle;
    }

    int openHandles() const { return int(m_open.size()); }
    QList<quint32> accesses;
    int closes = 0;

private:
    QHash<QString, QHash<QString, Value>> m_keys;
    QHash<Handle, QString> m_open;
    Handle m_next = 100;
};

const QString kKey = QStringLiteral("SOFTWARE\\Test");

} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT
private slots:
    void getKeyValueReadsStrings_data();
    void getKeyValueReadsStrings();
    void getKeyValueFailsAndEmptiesText();
    void getKeyValueWithoutDataThrows();
    void getKeyValueNumbersAndOtherTypes();

    void startsTheFirstValueAsItStands();
    void failedStartShowsTheMessage();
    void secondValueNeedsTheProgramInItsFolder();
    void neitherValueShowsTheMessage();
    void emptyFirstValueAndOddTypesEndInTheMessage();

    void fileRegistryReadsItsFile();
    void fileRegistryFallsBackToAnInstalledTool();
    void fileRegistryReadsOnlyARegularFile();
};

void TestSysInfo::getKeyValueReadsStrings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("with terminator") << QByteArray("/usr/bin/tool\0", 14) << "/usr/bin/tool";
    QTest::newRow("without terminator") << QByteArray("/usr/bin/tool") << "/usr/bin/tool";
    QTest::newRow("only the last zero goes")
        << QByteArray("ab\0\0", 4) << QStringLiteral("ab") + QChar(0);
    QTest::newRow("just a terminator") << QByteArray(1, '\0') << QString();
    QTest::newRow("exactly the buffer") << QByteArray(1024, 'x') << QString(1024, QLatin1Char('x'));
}

void TestSysInfo::getKeyValueReadsStrings() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    TableRegistry registry;
    registry.set(kKey, QStringLiteral("PATH"), SystemRegistry::TypeString, bytes);
    QString text = QStringLiteral("old");
    QVERIFY(SysInfo::GetKeyValue(registry, Root::LocalMachine, kKey, QStringLiteral("PATH"), text));
    QCOMPARE(text, expected);
    QCOMPARE(registry.accesses, QList<quint32>{0x2003F});
    QCOMPARE(registry.openHandles(), 0);
}

void TestSysInfo::getKeyValueFailsAndEmptiesText() {
    TableRegistry registry;
    registry.set(kKey, QStringLiteral("Long"), SystemRegistry::TypeString, QByteArray(1025, 'x'));
    QString text = QStringLiteral("old");

    // A missing key still closes the (unopened) handle.
    QVERIFY(!SysInfo::GetKeyValue(registry, Root::LocalMachine, QStringLiteral("SOFTWARE\\None"),
                                  QStringLiteral("PATH"), text));
    QCOMPARE(text, QString());
    QCOMPARE(registry.closes, 1);

    text = QStringLiteral("old");
    QVERIFY(
        !SysInfo::GetKeyValue(registry, Root::LocalMachine, kKey, QStringLiteral("Missing"), text));
    QCOMPARE(text, QString());

    text = QStringLiteral("old");
    QVERIFY(
        !SysInfo::GetKeyValue(registry, Root::LocalMachine, kKey, QStringLiteral("Long"), text));
    QCOMPARE(text, QString());
    QCOMPARE(registry.openHandles(), 0);
}

void TestSysInfo::getKeyValueWithoutDataThrows() {
    TableRegistry registry;
    registry.set(kKey, QStringLiteral("Empty"), SystemRegistry::TypeString, QByteArray());
    QString text = QStringLiteral("old");
    QVERIFY_THROWS_EXCEPTION(
        SysInfo::ReadError,
        SysInfo::GetKeyValue(registry, Root::LocalMachine, kKey, QStringLiteral("Empty"), text));
    QCOMPARE(registry.openHandles(), 0);
}

void TestSysInfo::getKeyValueNumbersAndOtherTypes() {
    TableRegistry registry;
    // 0x0001A2B3 stored little-endian; its top byte is zero and goes like a terminator.
    registry.set(kKey, QStringLiteral("Number"), SystemRegistry::TypeNumber32,
                 QByteArray("\xB3\xA2\x01\x00", 4));
    registry.set(kKey, QStringLiteral("Full"), SystemRegistry::TypeNumber32,
                 QByteArray("\x0F\x00\x10\x7F", 4));
    registry.set(kKey, QStringLiteral("Expand"), SystemRegistry::TypeExpandString,
                 QByteArray("%ROOT%\\tool\0", 12));

    QString text = QStringLiteral("x");
    QVERIFY(
        SysInfo::GetKeyValue(registry, Root::LocalMachine, kKey, QStringLiteral("Number"), text));
    QCOMPARE(text, QStringLiteral("x&h1A2B3"));
    text.clear();
    QVERIFY(SysInfo::GetKeyValue(registry, Root::LocalMachine, kKey, QStringLiteral("Full"), text));
    QCOMPARE(text, QStringLiteral("&h7F100F"));

    text = QStringLiteral("unchanged");
    QVERIFY(
        SysInfo::GetKeyValue(registry, Root::LocalMachine, kKey, QStringLiteral("Expand"), text));
    QCOMPARE(text, QStringLiteral("unchanged"));
    QCOMPARE(registry.openHandles(), 0);
}

namespace {

struct SysInfoRig {
    TableRegistry registry;
    RecordingLauncher launcher;
    ScriptedMessageBoxes messages;
    QStringList tested;
    QStringList existing;

    SysInfo::Services services() {
        SysInfo::Services s;
        s.registry = &registry;
        s.launcher = &launcher;
        s.messages = &messages;
        s.fileExists = [this](const QString& path) {
            tested.append(path);
            return existing.contains(path);
        };
        return s;
    }
    void run() { SysInfo::StartSysInfo(services(), nullptr); }
    bool showedUnavailable() const {
        return messages.shown.size() == 1 &&
               messages.shown.first().text ==
                   QStringLiteral("System Information Is Unavailable At This Time") &&
               messages.shown.first().title == QStringLiteral("Tagloom") &&
               !messages.shown.first().question;
    }
};

} // namespace

void TestSysInfo::startsTheFirstValueAsItStands() {
    SysInfoRig rig;
    rig.registry.setString(SysInfo::kInfoKey, SysInfo::kInfoValue,
                           QStringLiteral("/nowhere/missing-tool"));
    rig.registry.setString(SysInfo::kLocationKey, SysInfo::kLocationValue, QStringLiteral("/opt"));
    rig.run();
    QCOMPARE(rig.launcher.started.size(), 1);
    QCOMPARE(rig.launcher.started.first().first, QStringLiteral("/nowhere/missing-tool"));
    QVERIFY(rig.launcher.started.first().second.isEmpty());
    QVERIFY(rig.tested.isEmpty());
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestSysInfo::failedStartShowsTheMessage() {
    SysInfoRig rig;
    rig.registry.setString(SysInfo::kInfoKey, SysInfo::kInfoValue, QStringLiteral("/bin/tool"));
    rig.launcher.result = false;
    rig.run();
    QCOMPARE(rig.launcher.started.size(), 1);
    QVERIFY(rig.showedUnavailable());
}

void TestSysInfo::secondValueNeedsTheProgramInItsFolder() {
    const QString expected =
        QStringLiteral("/opt/info") + QDir::separator() + QStringLiteral("MSINFO32.EXE");
    {
        SysInfoRig rig;
        rig.registry.setString(SysInfo::kLocationKey, SysInfo::kLocationValue,
                               QStringLiteral("/opt/info"));
        rig.existing = {expected};
        rig.run();
        QCOMPARE(rig.tested, QStringList{expected});
        QCOMPARE(rig.launcher.started.size(), 1);
        QCOMPARE(rig.launcher.started.first().first, expected);
        QVERIFY(rig.messages.shown.isEmpty());
    }
    {
        SysInfoRig rig;
        rig.registry.setString(SysInfo::kLocationKey, SysInfo::kLocationValue,
                               QStringLiteral("/opt/info"));
        rig.run();
        QCOMPARE(rig.tested, QStringList{expected});
        QVERIFY(rig.launcher.started.isEmpty());
        QVERIFY(rig.showedUnavailable());
    }
    {
        // The real file test, on a real folder.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        SysInfoRig rig;
        rig.registry.setString(SysInfo::kLocationKey, SysInfo::kLocationValue, folder.path());
        SysInfo::Services services = rig.services();
        services.fileExists = nullptr;
        SysInfo::StartSysInfo(services, nullptr);
        QVERIFY(rig.launcher.started.isEmpty());
        QFile program(folder.filePath(QStringLiteral("MSINFO32.EXE")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
        rig.messages.shown.clear();
        SysInfo::StartSysInfo(services, nullptr);
        QCOMPARE(rig.launcher.started.size(), 1);
        QVERIFY(rig.messages.shown.isEmpty());
    }
}

void TestSysInfo::neitherValueShowsTheMessage() {
    SysInfoRig rig;
    rig.registry.addKey(SysInfo::kInfoKey); // the key without its value
    rig.run();
    QVERIFY(rig.launcher.started.isEmpty());
    QVERIFY(rig.showedUnavailable());
    QCOMPARE(rig.registry.openHandles(), 0);

    // No registry or launcher at all ends the same way.
    ScriptedMessageBoxes messages;
    SysInfo::Services bare;
    bare.messages = &messages;
    SysInfo::StartSysInfo(bare, nullptr);
    QCOMPARE(messages.shown.size(), 1);
}

void TestSysInfo::emptyFirstValueAndOddTypesEndInTheMessage() {
    {
        // Size 0 cannot be trimmed: the whole command gives up, the second value unread.
        SysInfoRig rig;
        rig.registry.set(SysInfo::kInfoKey, SysInfo::kInfoValue, SystemRegistry::TypeString, {});
        rig.registry.setString(SysInfo::kLocationKey, SysInfo::kLocationValue,
                               QStringLiteral("/o"));
        rig.existing = {QStringLiteral("/o") + QDir::separator() + QStringLiteral("MSINFO32.EXE")};
        rig.run();
        QVERIFY(rig.launcher.started.isEmpty());
        QVERIFY(rig.tested.isEmpty());
        QVERIFY(rig.showedUnavailable());
        QCOMPARE(rig.registry.openHandles(), 0);
    }
    {
        // Another type reads as success with the path still empty; starting nothing fails.
        SysInfoRig rig;
        rig.registry.set(SysInfo::kInfoKey, SysInfo::kInfoValue, SystemRegistry::TypeExpandString,
                         QByteArray("/bin/tool\0", 10));
        rig.launcher.result = false;
        rig.run();
        QCOMPARE(rig.launcher.started.size(), 1);
        QCOMPARE(rig.launcher.started.first().first, QString());
        QVERIFY(rig.showedUnavailable());
    }
    {
        // The real launcher refuses an empty program.
        ProcessLauncher launcher;
        QVERIFY(!launcher.start(QString()));
    }
}

void TestSysInfo::fileRegistryReadsItsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.conf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; machine-wide keys\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
               "MSINFO = /opt/info tools\n"
               "Count=dword:1a2b\n"
               "Home=expand:%HOME%/x\n"
               "[HKEY_NOWHERE\\Ignored]\n"
               "Lost=1\n");
    file.close();
    int lookups = 0;
    FileSystemRegistry registry(path, [&](const QString&) {
        ++lookups;
        return QStringLiteral("/usr/bin/found");
    });

    QString text;
    QVERIFY(SysInfo::GetKeyValue(registry, Root::LocalMachine,
                                 QStringLiteral("software\\microsoft\\shared tools location"),
                                 QStringLiteral("msinfo"), text));
    QCOMPARE(text, QStringLiteral("/opt/info tools"));
    QVERIFY(SysInfo::GetKeyValue(registry, Root::LocalMachine, SysInfo::kLocationKey,
                                 QStringLiteral("Count"), text));
    QCOMPARE(text, QStringLiteral("/opt/info tools&h01A2B"));
    QVERIFY(!SysInfo::GetKeyValue(registry, Root::CurrentUser, SysInfo::kLocationKey,
                                  QStringLiteral("MSINFO"), text));
    // The file names a tool, so the installed one is not offered.
    QVERIFY(!SysInfo::GetKeyValue(registry, Root::LocalMachine, SysInfo::kInfoKey,
                                  SysInfo::kInfoValue, text));
    QCOMPARE(lookups, 0);
    QCOMPARE(registry.openHandles(), 0);

    // A value bigger than the caller's buffer reports its size and copies nothing.
    SystemRegistry::Handle key = 0;
    QCOMPARE(registry.openKey(Root::LocalMachine, SysInfo::kLocationKey, SystemRegistry::AllAccess,
                              &key),
             SystemRegistry::Success);
    char small[4] = {'-', '-', '-', '-'};
    quint32 size = sizeof small;
    quint32 type = 0;
    QCOMPARE(registry.queryValue(key, QStringLiteral("MSINFO"), &type, small, &size),
             SystemRegistry::MoreData);
    QCOMPARE(size, quint32(16));
    QCOMPARE(small[0], '-');
    QCOMPARE(registry.closeKey(key), SystemRegistry::Success);
    QCOMPARE(registry.closeKey(key), SystemRegistry::InvalidHandle);
}

void TestSysInfo::fileRegistryFallsBackToAnInstalledTool() {
    QTemporaryDir dir;
    const QString missingFile = dir.filePath(QStringLiteral("absent.conf"));
    QStringList asked;
    FileSystemRegistry registry(missingFile, [&](const QString& name) {
        asked.append(name);
        return name == QStringLiteral("kinfocenter") ? QStringLiteral("/usr/bin/kinfocenter")
                                                     : QString();
    });
    SysInfoRig rig;
    SysInfo::Services services = rig.services();
    services.registry = &registry;
    SysInfo::StartSysInfo(services, nullptr);
    QCOMPARE(rig.launcher.started.size(), 1);
    QCOMPARE(rig.launcher.started.first().first, QStringLiteral("/usr/bin/kinfocenter"));
    QCOMPARE(asked.mid(0, 2),
             (QStringList{QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")}));

    // Nothing installed: the one message.
    FileSystemRegistry bare(missingFile, [](const QString&) { return QString(); });
    SysInfoRig none;
    services = none.services();
    services.registry = &bare;
    SysInfo::StartSysInfo(services, nullptr);
    QVERIFY(none.launcher.started.isEmpty());
    QVERIFY(none.showedUnavailable());
}

void TestSysInfo::fileRegistryReadsOnlyARegularFile() {
    // A FIFO (or a folder) where the file should be is skipped at once, never waited on: the
    // registry falls back to the installed tool as if there were no file.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("registry.conf"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto tool = [](const QString& name) {
        return name == QStringLiteral("hardinfo") ? QStringLiteral("/usr/bin/hardinfo") : QString();
    };
    for (const QString& path : {fifo, dir.path()}) {
        FileSystemRegistry registry(path, tool);
        auto opening = std::async(std::launch::async, [&registry] {
            SystemRegistry::Handle key = 0;
            return registry.openKey(SystemRegistry::Root::LocalMachine,
                                    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                    SystemRegistry::AllAccess, &key);
        });
        if (opening.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            // Release the reader before failing, so the test ends.
            const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            opening.wait();
            QFAIL("opening the registry waited on a FIFO");
        }
        QCOMPARE(opening.get(), long(SystemRegistry::Success));
    }
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
