// SPDX-License-Identifier: GPL-3.0-or-later
// The slot store's reads and writes, in order, against a logging store and a real one.
#include "platform/settingsstore.h"

#include "myscripts/slotstore.h"

#include "support/testdoubles.h"
#include "widgets/formparts.h"

#include <QTemporaryDir>
#include <QtTest>

using Op = MemorySettingsStore::Operation;

namespace {

Op rd(const QString& section, const QString& key, const QString& def = QString()) {
    return {Op::Type::Read, section, key, def};
}
Op wr(const QString& section, const QString& key, const QString& value) {
    return {Op::Type::Write, section, key, value};
}

QList<Op> nameReads(int from, int to) {
    QList<Op> ops;
    for (int n = from; n <= to; ++n)
        ops.append(rd(SlotStore::sectionOf(n), QStringLiteral("Name")));
    return ops;
}

QList<Op> emptyWrites(int slot) {
    QList<Op> ops;
    for (const QString& key : SlotStore::keys())
        ops.append(wr(SlotStore::sectionOf(slot), key, QString()));
    return ops;
}

void useSlot(MemorySettingsStore& store, int slot, const QString& name) {
    store.set(SlotStore::sectionOf(slot), QStringLiteral("Name"), name);
}

void store(MemorySettingsStore& memory, int slot) {
    for (const QString& key : SlotStore::keys())
        memory.set(SlotStore::sectionOf(slot), key, QStringLiteral("%1 of %2").arg(key).arg(slot));
}

} // namespace

class TestSlotStore : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreReadsAsAllFree();
    void initialiseFillsOnceThenOnlyReadsTheMarker();
    void initialiseSparesNamedEntriesWhenTheMarkerWasRemoved();
    void readAndWriteKeysInStoreOrder();
    void duplicateNamesListTwiceAndFindTheHighest();
    void emptyNameFindsHighestFreeSlotAndCaseMatters();
    void allSlotsUsed();
    void freeSlotWithLeftoverValues();
    void clearAllLeavesTheMarker();
    void refusedWriteLeavesEverySlotAsItWas();
    void failedReadIsNeverTakenForAnEmptySlot();
    void saveChecksAndWritesInOneStep();
    void awkwardValuesRoundTripThroughASecondStore();
    void clampCutsOnlyWhatWasTyped();
};

void TestSlotStore::emptyStoreReadsAsAllFree() {
    MemorySettingsStore memory;
    SlotStore store(memory);

    QVERIFY(store.listUsedSlots().isEmpty());
    QCOMPARE(memory.log, nameReads(1, 30));

    memory.log.clear();
    QVERIFY(store.anySlotFree());
    QCOMPARE(memory.log, nameReads(1, 30)); // no early stop

    memory.log.clear();
    QCOMPARE(store.findFirstFreeSlot(), std::optional<int>(1));
    QCOMPARE(memory.log, nameReads(1, 1));

    QCOMPARE(store.findSlotByName(QStringLiteral("x")), std::nullopt);
    QCOMPARE(memory.keyCount(), 0);
}

void TestSlotStore::initialiseFillsOnceThenOnlyReadsTheMarker() {
    MemorySettingsStore memory;
    SlotStore store(memory);
    QVERIFY(store.initialiseSlots().ok);

    QList<Op> expected{rd(QStringLiteral("KeysMade"), QStringLiteral("Value"))};
    for (int n = 1; n <= 30; ++n) {
        expected.append(nameReads(n, n));
        expected.append(emptyWrites(n));
    }
    expected.append(wr(QStringLiteral("KeysMade"), QStringLiteral("Value"), QStringLiteral("1")));
    QCOMPARE(memory.log, expected);
    QCOMPARE(memory.keyCount(), 181);

    memory.log.clear();
    QVERIFY(store.initialiseSlots().ok);
    QCOMPARE(memory.log, QList<Op>{rd(QStringLiteral("KeysMade"), QStringLiteral("Value"))});

    // Anything but exactly "1" counts as not initialised.
    memory.set(QStringLiteral("KeysMade"), QStringLiteral("Value"), QStringLiteral("1 "));
    memory.log.clear();
    QVERIFY(store.initialiseSlots().ok);
    QCOMPARE(memory.log.size(), expected.size());
}

void TestSlotStore::initialiseSparesNamedEntriesWhenTheMarkerWasRemoved() {
    MemorySettingsStore memory;
    useSlot(memory, 4, QStringLiteral("Kept"));
    memory.set(QStringLiteral("4Slot"), QStringLiteral("Body"), QStringLiteral("<p>kept</p>"));
    memory.set(QStringLiteral("5Slot"), QStringLiteral("Body"), QStringLiteral("leftover"));
    SlotStore store(memory);
    QVERIFY(store.initialiseSlots().ok);

    const MyScriptSlot kept = store.readSlot(4);
    QCOMPARE(kept.name, QStringLiteral("Kept"));
    QCOMPARE(kept.body, QStringLiteral("<p>kept</p>"));
    QCOMPARE(store.readSlot(5).body, QString()); // a free slot is wiped
    QCOMPARE(memory.read(QStringLiteral("KeysMade"), QStringLiteral("Value")), QStringLiteral("1"));
    QCOMPARE(memory.keyCount(), 29 * 6 + 2 + 1);
}

void TestSlotStore::readAndWriteKeysInStoreOrder() {
    MemorySettingsStore memory;
    SlotStore store(memory);
    MyScriptSlot v{12,
                   QStringLiteral("n"),
                   QStringLiteral("d"),
                   QStringLiteral("h"),
                   QStringLiteral("b"),
                   QStringLiteral("o"),
                   QStringLiteral("s")};
    QVERIFY(store.writeSlot(v).ok);
    const QString sec = QStringLiteral("12Slot");
    QCOMPARE(memory.log, (QList<Op>{wr(sec, QStringLiteral("Name"), QStringLiteral("n")),
                                    wr(sec, QStringLiteral("Description"), QStringLiteral("d")),
                                    wr(sec, QStringLiteral("Head"), QStringLiteral("h")),
                                    wr(sec, QStringLiteral("Body"), QStringLiteral("b")),
                                    wr(sec, QStringLiteral("Other"), QStringLiteral("o")),
                                    wr(sec, QStringLiteral("Site"), QStringLiteral("s"))}));

    memory.log.clear();
    const MyScriptSlot back = store.readSlot(12);
    QCOMPARE(memory.log,
             (QList<Op>{rd(sec, QStringLiteral("Name")), rd(sec, QStringLiteral("Description")),
                        rd(sec, QStringLiteral("Head")), rd(sec, QStringLiteral("Body")),
                        rd(sec, QStringLiteral("Other")), rd(sec, QStringLiteral("Site"))}));
    QCOMPARE(back.number, 12);
    QCOMPARE(back.site, QStringLiteral("s"));

    memory.log.clear();
    QCOMPARE(store.readSlotNameOr(13, QStringLiteral("typed")), QStringLiteral("typed"));
    QCOMPARE(memory.log, QList<Op>{rd(QStringLiteral("13Slot"), QStringLiteral("Name"),
                                      QStringLiteral("typed"))});

    memory.log.clear();
    QVERIFY(store.clearSlot(12).ok);
    QCOMPARE(memory.log, emptyWrites(12));
    QCOMPARE(store.readSlot(12).name, QString());
}

void TestSlotStore::duplicateNamesListTwiceAndFindTheHighest() {
    MemorySettingsStore memory;
    useSlot(memory, 7, QStringLiteral("Same"));
    useSlot(memory, 3, QStringLiteral("Same"));
    useSlot(memory, 5, QStringLiteral("Between"));
    SlotStore store(memory);

    QCOMPARE(store.listUsedSlots(), (QStringList{QStringLiteral("Same"), QStringLiteral("Between"),
                                                 QStringLiteral("Same")}));
    memory.log.clear();
    QCOMPARE(store.findSlotByName(QStringLiteral("Same")), std::optional<int>(7));
    QCOMPARE(memory.log, nameReads(1, 30)); // the scan does not stop at a match

    QVERIFY(store.clearSlot(7).ok);
    QCOMPARE(store.findSlotByName(QStringLiteral("Same")), std::optional<int>(3));
    QCOMPARE(store.listUsedSlots(),
             (QStringList{QStringLiteral("Same"), QStringLiteral("Between")}));
}

void TestSlotStore::emptyNameFindsHighestFreeSlotAndCaseMatters() {
    MemorySettingsStore memory;
    useSlot(memory, 1, QStringLiteral("Clock"));
    useSlot(memory, 2, QStringLiteral(" "));
    useSlot(memory, 30, QStringLiteral("Last"));
    SlotStore store(memory);
    QCOMPARE(store.findSlotByName(QString()), std::optional<int>(29));
    QCOMPARE(store.findSlotByName(QStringLiteral("")), std::optional<int>(29));
    QCOMPARE(store.findSlotByName(QStringLiteral("clock")), std::nullopt);
    QCOMPARE(store.findSlotByName(QStringLiteral("Clock ")), std::nullopt);
    // A name of blanks only is a used slot.
    QCOMPARE(store.findSlotByName(QStringLiteral(" ")), std::optional<int>(2));
    QCOMPARE(store.findFirstFreeSlot(), std::optional<int>(3));
}

void TestSlotStore::allSlotsUsed() {
    MemorySettingsStore memory;
    for (int n = 1; n <= 30; ++n)
        useSlot(memory, n, QStringLiteral("s%1").arg(n));
    SlotStore store(memory);
    memory.log.clear();
    QVERIFY(!store.anySlotFree());
    QCOMPARE(memory.log, nameReads(1, 30));
    QCOMPARE(store.findFirstFreeSlot(), std::nullopt);
    QCOMPARE(store.listUsedSlots().size(), 30);
    QCOMPARE(store.listUsedSlots().last(), QStringLiteral("s30"));
}

void TestSlotStore::freeSlotWithLeftoverValues() {
    MemorySettingsStore memory;
    useSlot(memory, 1, QStringLiteral("One"));
    memory.set(QStringLiteral("2Slot"), QStringLiteral("Name"), QString());
    memory.set(QStringLiteral("2Slot"), QStringLiteral("Head"), QStringLiteral("old head"));
    SlotStore store(memory);
    QCOMPARE(store.listUsedSlots(), QStringList{QStringLiteral("One")});
    QCOMPARE(store.findFirstFreeSlot(), std::optional<int>(2));
    QVERIFY(store.writeSlot({2, QStringLiteral("Two"), {}, {}, {}, {}, {}}).ok);
    QCOMPARE(store.readSlot(2).head, QString());
}

void TestSlotStore::clearAllLeavesTheMarker() {
    // Before the editor ever ran: 180 empty keys, no marker.
    MemorySettingsStore fresh;
    QVERIFY(SlotStore(fresh).clearAllSlots().ok);
    QCOMPARE(fresh.keyCount(), 180);
    QVERIFY(!fresh.contains(QStringLiteral("KeysMade"), QStringLiteral("Value")));
    QList<Op> expected;
    for (int n = 1; n <= 30; ++n)
        expected.append(emptyWrites(n));
    QCOMPARE(fresh.log, expected);

    MemorySettingsStore memory;
    SlotStore store(memory);
    QVERIFY(store.initialiseSlots().ok);
    useSlot(memory, 9, QStringLiteral("Nine"));
    QVERIFY(store.clearAllSlots().ok);
    QVERIFY(store.listUsedSlots().isEmpty());
    QCOMPARE(memory.keyCount(), 181);
    QCOMPARE(memory.read(QStringLiteral("KeysMade"), QStringLiteral("Value")), QStringLiteral("1"));
}

void TestSlotStore::refusedWriteLeavesEverySlotAsItWas() {
    MemorySettingsStore memory;
    SlotStore store(memory);
    useSlot(memory, 4, QStringLiteral("old"));
    const auto before = memory.values();
    memory.failWritesAfter(2);
    const StoreWriteResult saved = store.writeSlot(
        {4, QStringLiteral("n"), QStringLiteral("d"), QStringLiteral("h"), {}, {}, {}});
    QVERIFY(!saved.ok);
    QCOMPARE(saved.written, 0);
    QCOMPARE(saved.error, QStringLiteral("disk full"));
    QCOMPARE(memory.log.size(), 3); // nothing is tried after the refusal
    QCOMPARE(memory.values(), before);

    // An interrupted first run leaves nothing behind, so the next one starts again.
    MemorySettingsStore init;
    init.failWritesAfter(7);
    const StoreWriteResult first = SlotStore(init).initialiseSlots();
    QVERIFY(!first.ok);
    QCOMPARE(first.written, 0);
    QCOMPARE(init.keyCount(), 0);
    init.failWritesAfter(-1);
    QVERIFY(SlotStore(init).initialiseSlots().ok);
    QCOMPARE(init.keyCount(), 181);

    MemorySettingsStore all;
    for (int n = 1; n <= 30; ++n)
        useSlot(all, n, QStringLiteral("s%1").arg(n));
    const auto full = all.values();
    all.failWritesAfter(6 * 29 + 5); // the very last key of the 180
    const StoreWriteResult cleared = SlotStore(all).clearAllSlots();
    QVERIFY(!cleared.ok);
    QCOMPARE(cleared.written, 0);
    QCOMPARE(all.values(), full);
}

void TestSlotStore::failedReadIsNeverTakenForAnEmptySlot() {
    // The store fails once the marker and four names have been read: with the marker gone
    // from outside, slot 5 and later hold entries that a blind initialisation would erase.
    MemorySettingsStore memory;
    for (int n = 1; n <= 30; ++n)
        store(memory, n);
    const auto before = memory.values();
    memory.failReadsAfter(5);
    SlotStore checker(memory);
    const StoreWriteResult init = checker.initialiseSlots();
    QVERIFY(!init.ok);
    QCOMPARE(init.written, 0);
    QVERIFY(checker.readFailed());
    QCOMPARE(checker.readStatus().error, QStringLiteral("disk I/O error"));
    QCOMPARE(memory.values(), before);
    for (const Op& op : memory.log)
        QVERIFY(op.type == Op::Type::Read);

    // Every lookup stops at the failure and says so instead of answering "free".
    for (int failAfter : {0, 3, 29}) {
        MemorySettingsStore broken;
        broken.failAsBusy(true);
        for (int n = 1; n <= 29; ++n)
            useSlot(broken, n, QStringLiteral("s%1").arg(n));
        broken.failReadsAfter(failAfter);
        SlotStore reader(broken);
        QCOMPARE(reader.findFirstFreeSlot(), std::nullopt);
        QVERIFY(reader.readFailed());
        QVERIFY(reader.readStatus().busy);
        broken.failReadsAfter(failAfter);
        SlotStore lister(broken);
        QVERIFY(!lister.anySlotFree());
        QVERIFY(lister.readFailed());
        broken.failReadsAfter(failAfter);
        SlotStore finder(broken);
        QCOMPARE(finder.findSlotByName(QStringLiteral("s1")), std::nullopt);
        QVERIFY(finder.readFailed());
    }
}

void TestSlotStore::saveChecksAndWritesInOneStep() {
    MemorySettingsStore memory;
    SlotStore store(memory);
    QVERIFY(store.initialiseSlots().ok);
    const MyScriptSlot mine{3, QStringLiteral("Mine"), {}, {}, QStringLiteral("<p>1</p>"), {}, {}};
    const StoreWriteResult first = store.saveSlot(mine, false);
    QVERIFY(first.ok && !first.declined);
    QCOMPARE(first.written, 6);

    MyScriptSlot theirs = mine;
    theirs.name = QStringLiteral("Theirs");
    memory.log.clear();
    const StoreWriteResult second = store.saveSlot(theirs, false);
    QVERIFY(second.ok);
    QVERIFY(second.declined);
    QCOMPARE(second.written, 0);
    QCOMPARE(memory.log, (QList<Op>{rd(QStringLiteral("3Slot"), QStringLiteral("Name"),
                                       QStringLiteral("Theirs"))}));
    QCOMPARE(store.readSlot(3).name, QStringLiteral("Mine"));

    QVERIFY(!store.saveSlot(theirs, true).declined);
    QCOMPARE(store.readSlot(3).name, QStringLiteral("Theirs"));

    // A slot whose Name is missing altogether counts as used.
    QVERIFY(store.saveSlot({31, QStringLiteral("x"), {}, {}, {}, {}, {}}, false).declined);

    // An update decides on what it read inside its own transaction: declining or a failed
    // read writes nothing, and what it does write lands whole.
    const auto into = [](int slot, const QString& name) {
        return [=](const QList<MyScriptSlot>& now) -> std::optional<QList<MyScriptSlot>> {
            if (now.size() != SlotStore::SlotCount || !now.at(slot - 1).name.isEmpty())
                return std::nullopt;
            return QList<MyScriptSlot>{{1, name, {}, {}, {}, {}, {}},
                                       {slot, name, {}, {}, {}, {}, {}}};
        };
    };
    const StoreWriteResult refused = store.update(into(3, QStringLiteral("b")));
    QVERIFY(refused.ok && refused.declined);
    QCOMPARE(store.readSlot(1).name, QString());
    memory.failReadsAfter(40);
    const StoreWriteResult unread = store.update(into(4, QStringLiteral("c")));
    memory.failReadsAfter(-1);
    QVERIFY(!unread.ok && !unread.declined);
    QCOMPARE(store.readSlot(1).name, QString());
    const StoreWriteResult landed = store.update(into(4, QStringLiteral("d")));
    QVERIFY(landed.ok && !landed.declined);
    QCOMPARE(landed.written, 12);
    QCOMPARE(store.readSlot(1).name, QStringLiteral("d"));
    QCOMPARE(store.readSlot(4).name, QStringLiteral("d"));
}

void TestSlotStore::awkwardValuesRoundTripThroughASecondStore() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    const MyScriptSlot typed{
        17,
        QStringLiteral("  [Slot] a=b; \"q\" 'x' \\ "),
        QStringLiteral("line one\nline two\r\nline three\rend\n\n"),
        QStringLiteral("<script>\n\tvar s = \"a;b=c\";\n\tvar p = 'C:\\\\dir\\\\';\n</script>\n"),
        QStringLiteral("<p>[section]\nkey=value</p>  "),
        QStringLiteral("\u00a0Grüße Ωμέγα 漢字 😀 \u2028 ;"),
        QStringLiteral("file:///tmp/a b/%20[1].htm?x=1&y=\"2\"")};
    {
        SqliteSettingsStore first(path);
        SlotStore store(first);
        QVERIFY(store.initialiseSlots().ok);
        QVERIFY(store.writeSlot(typed).ok);
    }
    // A second running copy opens the same file while the first is still open.
    SqliteSettingsStore writer(path);
    SqliteSettingsStore reader(path);
    const MyScriptSlot back = SlotStore(reader).readSlot(17);
    QCOMPARE(back.name, typed.name);
    QCOMPARE(back.description, typed.description);
    QCOMPARE(back.head, typed.head);
    QCOMPARE(back.body, typed.body);
    QCOMPARE(back.other, typed.other);
    QCOMPARE(back.site, typed.site);
    QCOMPARE(SlotStore(reader).findSlotByName(typed.name), std::optional<int>(17));

    // Cleared values read back as present-but-empty, not as the default.
    QVERIFY(SlotStore(writer).clearSlot(17).ok);
    QCOMPARE(SlotStore(reader).readSlotNameOr(17, QStringLiteral("typed")), QString());
    QCOMPARE(SlotStore(reader).readSlotNameOr(31, QStringLiteral("typed")),
             QStringLiteral("typed"));
}

void TestSlotStore::clampCutsOnlyWhatWasTyped() {
    int cursor = -1;
    // Typing at the limit changes nothing.
    QCOMPARE(MyScripts::clampEdit(QStringLiteral("abcd"), QStringLiteral("abXcd"), 4, &cursor),
             QStringLiteral("abcd"));
    QCOMPARE(cursor, 2);
    // A paste in the middle keeps what fits.
    QCOMPARE(MyScripts::clampEdit(QStringLiteral("ab"), QStringLiteral("a1234b"), 4, &cursor),
             QStringLiteral("a12b"));
    QCOMPARE(cursor, 3);
    // Replacing a selection with something longer.
    QCOMPARE(MyScripts::clampEdit(QStringLiteral("abcd"), QStringLiteral("aXYZd"), 4, &cursor),
             QStringLiteral("aXYd"));
    // Deleting and unlimited boxes are never touched, nor text already over the limit that
    // shrinks.
    QCOMPARE(MyScripts::clampEdit(QStringLiteral("abcdef"), QStringLiteral("abcde"), 4, nullptr),
             QStringLiteral("abcde"));
    QCOMPARE(MyScripts::clampEdit(QStringLiteral("a"), QStringLiteral("abcdef"), -1, nullptr),
             QStringLiteral("abcdef"));
    // Over the limit already: typing adds nothing.
    QCOMPARE(MyScripts::clampEdit(QStringLiteral("abcdef"), QStringLiteral("abcdefg"), 4, nullptr),
             QStringLiteral("abcdef"));
    // A character outside the basic plane is not split.
    QCOMPARE(MyScripts::clampEdit(QStringLiteral("abc"), QStringLiteral("abc😀"), 4, nullptr),
             QStringLiteral("abc"));
}

QTEST_MAIN(TestSlotStore)
#include "tst_slotstore.moc"
