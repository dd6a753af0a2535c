// SPDX-License-Identifier: GPL-3.0-or-later
// The store against a second program: killed in the middle of saves, racing for the same
// slots, holding the store locked while a window works.
#include "platform/settingsstore.h"

#include "myscripts/frmnewtemplate.h"
#include "myscripts/slotstore.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "kit/windowregistry.h"
#include "storeclientmodel.h"
#include "support/testdoubles.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

const QString kAddNew = QStringLiteral("Add New Script...");

QList<MyScriptSlot> storedSlots(const QString& path) {
    SqliteSettingsStore store(path);
    SlotStore reader(store);
    QList<MyScriptSlot> all = reader.readAllSlots();
    if (reader.readFailed())
        qWarning() << "read failed:" << reader.readStatus().error;
    return all;
}

QList<MyScriptSlot> applied(QList<MyScriptSlot> model, int step) {
    if (StoreClientModel::clearsAll(step))
        return StoreClientModel::emptySlots();
    const MyScriptSlot values = StoreClientModel::valuesOf(step);
    model[values.number - 1] = values;
    return model;
}

// The first slot where two states differ, for a readable failure.
QString firstDifference(const QList<MyScriptSlot>& a, const QList<MyScriptSlot>& b) {
    if (a.size() != b.size())
        return QStringLiteral("%1 slots against %2").arg(a.size()).arg(b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i) != b.at(i))
            return QStringLiteral("slot %1: '%2' against '%3'")
                .arg(i + 1)
                .arg(a.at(i).name, b.at(i).name);
    }
    return {};
}

std::unique_ptr<QProcess> startClient(const QStringList& arguments, const char* firstLine) {
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(STORECLIENT), arguments);
    if (!process->waitForStarted(10000))
        return nullptr;
    while (!process->canReadLine()) {
        if (!process->waitForReadyRead(20000))
            return nullptr;
    }
    if (process->readLine().trimmed() != firstLine)
        return nullptr;
    return process;
}

} // namespace

class TestStoreProcesses : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveEverySlotWhollyOldOrWhollyNew();
    void twoProgramsNeverBothSaveIntoOneSlot();
    void heldStoreIsReportedAndTheWindowCarriesOn();
    void heldStoreStopsBackupsUndoAndImportWhole();
};

void TestStoreProcesses::killedSavesLeaveEverySlotWhollyOldOrWhollyNew() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    QList<MyScriptSlot> model = StoreClientModel::emptySlots();
    int step = 1;
    int kills = 0;
    int caughtMidStep = 0;
    QRandomGenerator random(20261209);
    while (kills < 200) {
        auto client = startClient({QStringLiteral("writer"), path, QString::number(step)}, "ready");
        QVERIFY2(client, "the client started and opened the store");
        QThread::usleep(random.bounded(15000));
        client->kill();
        QVERIFY(client->waitForFinished(10000));
        ++kills;

        // Steps that said they were done are in the model; the one after may or may not be.
        int last = step - 1;
        for (const QByteArray& line : client->readAllStandardOutput().split('\n')) {
            if (line.trimmed().isEmpty())
                continue;
            const int done = line.trimmed().toInt();
            QCOMPARE(done, last + 1);
            model = applied(model, done);
            last = done;
        }
        const QList<MyScriptSlot> after = applied(model, last + 1);
        const QList<MyScriptSlot> stored = storedSlots(path);
        if (stored == after && stored != model) {
            model = after;
            ++caughtMidStep;
        }
        QVERIFY2(stored == model, qPrintable(QStringLiteral("after kill %1 at step %2: %3")
                                                 .arg(kills)
                                                 .arg(last + 1)
                                                 .arg(firstDifference(stored, model))));
        step = last + 2;
    }
    qInfo("%d kills over %d steps; %d landed after the last word from the client", kills, step,
          caughtMidStep);
}

void TestStoreProcesses::twoProgramsNeverBothSaveIntoOneSlot() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    for (int round = 0; round < 4; ++round) {
        {
            SqliteSettingsStore store(path);
            SlotStore slots_(store);
            QVERIFY(slots_.initialiseSlots().ok);
            QVERIFY(slots_.clearAllSlots().ok);
        }
        auto first = startClient({QStringLiteral("claim"), path, QStringLiteral("A")}, "ready");
        auto second = startClient({QStringLiteral("claim"), path, QStringLiteral("B")}, "ready");
        QVERIFY(first && second);
        first->write("go\n");
        second->write("go\n");
        QVERIFY(first->waitForFinished(60000));
        QVERIFY(second->waitForFinished(60000));

        QMap<int, QStringList> savedBy;
        for (auto* client : {first.get(), second.get()}) {
            const QString name = client == first.get() ? QStringLiteral("A") : QStringLiteral("B");
            for (const QByteArray& line : client->readAllStandardOutput().split('\n')) {
                const QList<QByteArray> parts = line.trimmed().split(' ');
                if (parts.size() == 2 && parts.at(1) == "saved")
                    savedBy[parts.at(0).toInt()].append(name);
            }
        }
        const QList<MyScriptSlot> stored = storedSlots(path);
        for (int slot = 1; slot <= SlotStore::SlotCount; ++slot) {
            const QStringList claims = savedBy.value(slot);
            QVERIFY2(claims.size() <= 1,
                     qPrintable(QStringLiteral("slot %1 saved by both").arg(slot)));
            if (claims.size() == 1)
                QCOMPARE(stored.at(slot - 1).name, claims.first());
            else
                QVERIFY(stored.at(slot - 1).name.isEmpty());
        }
    }
}

void TestStoreProcesses::heldStoreIsReportedAndTheWindowCarriesOn() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    {
        SqliteSettingsStore store(path);
        SlotStore slots_(store);
        QVERIFY(slots_.initialiseSlots().ok);
        QVERIFY(slots_.writeSlot({2, QStringLiteral("Kept"), {}, {}, {}, {}, {}}).ok);
    }
    auto holder = startClient({QStringLiteral("hold"), path}, "held");
    QVERIFY2(holder, "another program holds the store");

    SqliteSettingsStore store(path);
    ScriptedMessageBoxes messages;
    MemorySettingsStore unused;
    AppContext base;
    base.store = &store;
    base.messages = &messages;
    auto app = std::make_unique<Application>(base);
    app->start();
    frmMain* main = app->mainWindow();

    // The list says plainly what is wrong and offers to try again; "No" leaves it empty.
    messages.answers = {MessageBoxes::Answer::No};
    QElapsedTimer waited;
    waited.start();
    main->CmbCategories()->setCurrentIndex(frmMain::MyScriptsCategory);
    qInfo("the list gave up on the held store after %lld ms", waited.elapsed());
    QCOMPARE(main->List1()->count(), 1);
    QCOMPARE(main->List1()->item(0)->text(), kAddNew);
    QVERIFY(!messages.shown.isEmpty());
    const auto& asked = messages.shown.last();
    QVERIFY(asked.question);
    QVERIFY(asked.text.contains(QStringLiteral("another program")));
    QVERIFY(asked.text.contains(QStringLiteral("Try again")));
    QVERIFY(!asked.text.contains(QStringLiteral("locked")));
    QVERIFY(asked.details.contains(QStringLiteral("locked")));
    // The program is still answering while the other holds on.
    QTimer tick;
    bool ticked = false;
    QTimer::singleShot(0, &tick, [&] { ticked = true; });
    QTRY_VERIFY(ticked);
    QCOMPARE(holder->state(), QProcess::Running);

    // Once it lets go, trying again works.
    holder->closeWriteChannel();
    QVERIFY(holder->waitForFinished(10000));
    QCOMPARE(holder->exitCode(), 0);
    messages.answers.clear();
    main->CmbCategories()->setCurrentIndex(0);
    main->CmbCategories()->setCurrentIndex(frmMain::MyScriptsCategory);
    QCOMPARE(main->List1()->count(), 2);
    QCOMPARE(main->List1()->item(1)->text(), QStringLiteral("Kept"));
    app.reset();
}

void TestStoreProcesses::heldStoreStopsBackupsUndoAndImportWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    const QString file = dir.filePath(QStringLiteral("mine.json"));
    struct Running {
        SqliteSettingsStore store;
        ScriptedMessageBoxes messages;
        std::unique_ptr<Application> app;
        explicit Running(const QString& path)
            : store(path) {
            AppContext base;
            base.store = &store;
            base.messages = &messages;
            app = std::make_unique<Application>(base);
            app->start();
        }
        ~Running() { app.reset(); }
        void trigger(const char* name) const {
            app->frame()->findChild<QAction*>(QString::fromLatin1(name))->trigger();
        }
    };
    int backups = 0;
    {
        Running first(path);
        for (int n : {4, 9})
            QVERIFY(SlotStore(first.store)
                        .writeSlot({n, QStringLiteral("Kept %1").arg(n), {}, {}, {}, {}, {}})
                        .ok);
        first.messages.picks = {0};
        first.messages.paths = {file};
        first.trigger("mnuExport");
        first.trigger("mnuClearAll");
        backups = int(first.store.backups().size());
    }
    const QList<MyScriptSlot> cleared = storedSlots(path);

    auto holder = startClient({QStringLiteral("hold"), path}, "held");
    QVERIFY2(holder, "another program holds the store");
    Running second(path);
    // Each says who is in the way and leaves the store alone; a question to try again is
    // answered No (a restore or a Clear All is confirmed first).
    for (const char* command :
         {"mnuUndoClearAll", "mnuImport", "mnuRestore", "mnuExport", "mnuClearAll"}) {
        second.messages.shown.clear();
        second.messages.answers = {MessageBoxes::Answer::No};
        if (qstrcmp(command, "mnuRestore") == 0 || qstrcmp(command, "mnuClearAll") == 0)
            second.messages.answers.prepend(MessageBoxes::Answer::Yes);
        second.messages.picks = {0};
        second.messages.paths = {file};
        second.trigger(command);
        QVERIFY2(!second.messages.shown.isEmpty(), command);
        const auto& told = second.messages.shown.last();
        QVERIFY2(told.text.contains(QStringLiteral("another program")), qPrintable(told.text));
        QVERIFY2(!told.text.contains(QStringLiteral("locked")), qPrintable(told.text));
    }
    holder->closeWriteChannel();
    QVERIFY(holder->waitForFinished(10000));
    QCOMPARE(storedSlots(path), cleared);
    QCOMPARE(second.store.backups().size(), backups);

    // Let go, the Clear All is still there to undo.
    second.trigger("mnuUndoClearAll");
    const QList<MyScriptSlot> back = storedSlots(path);
    QCOMPARE(back.at(3).name, QStringLiteral("Kept 4"));
    QCOMPARE(back.at(8).name, QStringLiteral("Kept 9"));
}

QTEST_MAIN(TestStoreProcesses)
#include "tst_storeprocesses.moc"
