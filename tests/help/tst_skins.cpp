// SPDX-License-Identifier: GPL-3.0-or-later
// The skins of frmMain, through the whole program: the start-up read, the menu commands, their
// write order and their failures. TAGLOOM_SNAPSHOT_DIR=<folder> also saves frmMain in each skin.
#include "platform/uifonts.h"

#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/frmskins.h"
#include "shell/skins.h"

#include "support/guitest.h"
#include "support/testprogram.h"
#include "widgets/bundledpicture.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QResource>
#include <QtTest>

#include <memory>

namespace {

// Forwards to a memory store and notes which picture frmMain showed at each write.
class SpyStore final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override {
        return memory.read(section, key, defaultValue);
    }
    bool write(const QString& section, const QString& key, const QString& value) override {
        picturesAtWrite.append(main ? main->skinPicture().cacheKey() : 0);
        return memory.write(section, key, value);
    }
    QString lastError() const override { return QStringLiteral("disk full"); }

    MemorySettingsStore memory;
    frmMain* main = nullptr;
    QList<qint64> picturesAtWrite;
};

// The store must outlive the program that writes to it.
struct StoreHolder {
    SpyStore spy;
};

struct Harness : StoreHolder, TestProgram {
    Skins* skins = nullptr;
    int holdersMade = 0;

    // missing: a skin whose picture the holder lacks (0: none).
    explicit Harness(const QString& saved = QString(), bool stored = false, int missing = 0)
        : TestProgram(Start::Later, nullptr, &prepared(spy, saved, stored)) {
        skins = new Skins(app->context(), app.get(), [this, missing] {
            ++holdersMade;
            auto* holder = new frmSkins;
            if (missing) {
                holder->picture(missing); // loaded, then lost
                holder->findChild<QLabel*>(QStringLiteral("Picture%1").arg(missing))->clear();
            }
            return holder;
        });
        app->context().skins = skins;
        start();
        spy.main = app->mainWindow();
    }
    static SpyStore& prepared(SpyStore& store, const QString& saved, bool stored) {
        if (stored)
            store.memory.set(Skins::kSection, Skins::kKey, saved);
        store.memory.log.clear();
        return store;
    }
    qint64 shown() const { return main()->skinPicture().cacheKey(); }
    qint64 held(int skin) const { return skins->holder()->picture(skin).cacheKey(); }
    QAction* action(const char* name) const {
        return main()->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
    }
    QList<MemorySettingsStore::Operation> writes() const {
        QList<MemorySettingsStore::Operation> result;
        for (const auto& op : std::as_const(spy.memory.log))
            if (op.type == MemorySettingsStore::Operation::Type::Write)
                result.append(op);
        return result;
    }
};

MemorySettingsStore::Operation skinWrite(const QString& value) {
    return {MemorySettingsStore::Operation::Type::Write, QStringLiteral("Skin"),
            QStringLiteral("Value"), value};
}

} // namespace

class TestSkins : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase() { UiFonts::install(); }

    void startupAppliesTheSavedSkinExactly_data();
    void startupAppliesTheSavedSkinExactly();
    void holderHasFivePicturesAndStaysHidden();
    void menuAppliesThenWrites();
    void menuFailureKeepsTheStoredChoice();
    void startupFailureOpensAsFarAsItGot();
    void lostWriteIsReported();
    void firstWindowPicturesShipUnpackedAsTheirPngs();
};

void TestSkins::startupAppliesTheSavedSkinExactly_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("skin");
    QTest::newRow("first start") << QString() << false << 1;
    for (int n = 1; n <= 5; ++n)
        QTest::addRow("skin %d", n) << QString::number(n) << true << n;
    QTest::newRow("empty") << QString() << true << 1;
    QTest::newRow("leading blank") << QStringLiteral(" 3") << true << 1;
    QTest::newRow("trailing blank") << QStringLiteral("3 ") << true << 1;
    QTest::newRow("leading zero") << QStringLiteral("04") << true << 1;
    QTest::newRow("outside") << QStringLiteral("6") << true << 1;
    QTest::newRow("zero") << QStringLiteral("0") << true << 1;
    QTest::newRow("word") << QStringLiteral("Horizon Blue") << true << 1;
}

void TestSkins::startupAppliesTheSavedSkinExactly() {
    QFETCH(QString, saved);
    QFETCH(bool, stored);
    QFETCH(int, skin);
    Harness h(saved, stored);
    QCOMPARE(h.shown(), h.held(skin));
    // One read with no default, and nothing written back.
    const QList<MemorySettingsStore::Operation> expected{
        {MemorySettingsStore::Operation::Type::Read, QStringLiteral("Skin"),
         QStringLiteral("Value"), QString()}};
    QCOMPARE(h.spy.memory.log, expected);
    QCOMPARE(h.spy.memory.contains(Skins::kSection, Skins::kKey), stored);
    if (stored)
        QCOMPARE(h.spy.memory.read(Skins::kSection, Skins::kKey), saved);
    QVERIFY(h.messages.shown.isEmpty());
}

void TestSkins::holderHasFivePicturesAndStaysHidden() {
    Harness h;
    frmSkins* holder = h.skins->holder();
    QVERIFY(holder);
    QVERIFY(!holder->isVisible());
    const auto boxes = holder->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QStringList names;
    for (const QLabel* box : boxes)
        names.append(box->objectName());
    QCOMPARE(names, (QStringList{"Picture5", "Picture4", "Picture3", "Picture2", "Picture1"}));
    const QSize sizes[] = {{556, 450}, {450, 450}, {450, 450}, {450, 450}, {475, 380}};
    for (int skin = 1; skin <= 5; ++skin) {
        QCOMPARE(holder->picture(skin).size(), sizes[skin - 1]);
        for (int other = 1; other < skin; ++other)
            QVERIFY(holder->picture(skin).toImage() != holder->picture(other).toImage());
    }
    QVERIFY(holder->picture(0).isNull());
    QVERIFY(holder->picture(6).isNull());
    holder->show();
    QVERIFY(!holder->isVisible());

    // Many choices later it is still the one holder.
    h.action("mnuSkin3")->trigger();
    h.action("mnuSkin2")->trigger();
    QCOMPARE(h.holdersMade, 1);
    QCOMPARE(h.skins->holder(), holder);
}

void TestSkins::menuAppliesThenWrites() {
    Harness h(QStringLiteral("2"), true);
    QMenu* submenu = h.main()->menuBar()->findChild<QMenu*>(QStringLiteral("mnuSkin"));
    QVERIFY(submenu);
    const auto entries = submenu->actions();
    QCOMPARE(entries.size(), 5);
    // Entries 1, 2, 3, 5, 4 in the submenu: the fourth is "Battle Field", the last "Animal Farm".
    const int expected[] = {1, 2, 3, 5, 4};
    QList<MemorySettingsStore::Operation> writes;
    for (int i = 0; i < 5; ++i) {
        entries.at(i)->trigger();
        const int skin = expected[i];
        QCOMPARE(h.shown(), h.held(skin));
        writes.append(skinWrite(QString::number(skin)));
        QCOMPARE(h.writes(), writes);
        // The picture was already showing when the value was written.
        QCOMPARE(h.spy.picturesAtWrite.last(), h.held(skin));
        const QString snapshots = qEnvironmentVariable("TAGLOOM_SNAPSHOT_DIR");
        if (!snapshots.isEmpty())
            QVERIFY(h.main()->grab().save(
                QDir(snapshots).filePath(QStringLiteral("frmMain-skin%1.png").arg(skin))));
    }
    // Picking the skin already shown applies and writes it again.
    h.action("mnuSkin4")->trigger();
    QCOMPARE(h.writes().size(), 6);
    QCOMPARE(h.writes().last(), skinWrite(QStringLiteral("4")));
    QVERIFY(h.messages.shown.isEmpty());
}

void TestSkins::menuFailureKeepsTheStoredChoice() {
    for (int missing = 1; missing <= 5; ++missing) {
        const QString saved = missing == 2 ? QStringLiteral("3") : QStringLiteral("2");
        Harness h(saved, true, missing);
        const qint64 before = h.shown();
        h.action(qPrintable(QStringLiteral("mnuSkin%1").arg(missing)))->trigger();
        QCOMPARE(h.messages.shown.size(), 1);
        QCOMPARE(h.messages.shown.first().title, QStringLiteral("Tagloom Error!"));
        QCOMPARE(h.messages.shown.first().text,
                 QStringLiteral("Cannot load skin.  See the Tagloom FAQ page for instructions!"));
        QCOMPARE(h.messages.shown.first().icon, MessageBoxes::Icon::Warning);
        QVERIFY(h.writes().isEmpty());
        QCOMPARE(h.spy.memory.read(Skins::kSection, Skins::kKey), saved);
        QCOMPARE(h.shown(), before);
        // The other skins still work.
        h.action(missing == 4 ? "mnuSkin5" : "mnuSkin4")->trigger();
        QCOMPARE(h.writes().size(), 1);
    }
}

void TestSkins::startupFailureOpensAsFarAsItGot() {
    Harness h(QStringLiteral("3"), true, 3);
    QCOMPARE(h.messages.shown.size(), 1);
    QCOMPARE(h.messages.shown.first().title, QStringLiteral("Tagloom Error!"));
    QCOMPARE(h.messages.shown.first().icon, MessageBoxes::Icon::Warning);
    // The list was filled and the design-time background, the default skin, stays.
    QVERIFY(h.main()->List1()->count() > 0);
    QVERIFY(!h.main()->skinPicture().isNull());
    QCOMPARE(h.main()->skinPicture().toImage(), h.skins->holder()->picture(1).toImage());
    QVERIFY(h.writes().isEmpty());
    QCOMPARE(h.spy.memory.read(Skins::kSection, Skins::kKey), QStringLiteral("3"));
}

void TestSkins::lostWriteIsReported() {
    Harness h(QStringLiteral("1"), true);
    h.spy.memory.failWritesAfter(0);
    h.action("mnuSkin5")->trigger();
    // Shown, but not remembered, and the user hears of it.
    QCOMPARE(h.shown(), h.held(5));
    QCOMPARE(h.spy.memory.read(Skins::kSection, Skins::kKey), QStringLiteral("1"));
    QCOMPARE(h.messages.shown.size(), 1);
    QCOMPARE(h.messages.shown.first().title, QStringLiteral("Tagloom Error!"));
    QVERIFY(h.messages.shown.first().text.contains(QStringLiteral("could not be remembered")));
    QVERIFY(h.messages.shown.first().text.contains(QStringLiteral("disk full")));
}

// The first window's pictures are read from their unpacked copies, which must be whole,
// uncompressed (or start-up would inflate them) and the same pixels as the PNGs they came from.
void TestSkins::firstWindowPicturesShipUnpackedAsTheirPngs() {
    for (const char* name : {"icon/tagloom-16.png", "icon/tagloom-32.png", "icon/tagloom-48.png",
                             "icon/tagloom-64.png", "logo.png", "skins/skin1.png"}) {
        const QString path = QStringLiteral(":/assets/") + QLatin1String(name);
        const QResource unpacked(path + QStringLiteral(".pixels"));
        QVERIFY2(unpacked.isValid(), name);
        QCOMPARE(unpacked.compressionAlgorithm(), QResource::NoCompression);
        const QImage pixels = Widgets::fromUnpackedPicture(unpacked.data(), unpacked.size());
        QVERIFY2(!pixels.isNull(), name);
        const QImage png(path, "PNG");
        QCOMPARE(pixels, png.convertToFormat(pixels.format()));
        QCOMPARE(Widgets::bundledPicture(path).toImage().convertToFormat(pixels.format()), pixels);
    }
}

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
