// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue blobs the command line reads instead of the entry files: never out of step with
// the entry files, read back field for field, and giving the same answers as the parsed
// catalogue.
#include "cli/cataloguecommands.h"
#include "cli/cataloguepack.h"
#include "cli/commandline.h"
#include "model/catalogue.h"

#include <QTextStream>
#include <QtTest>

class TestCataloguePack : public QObject {
    Q_OBJECT
private slots:
    void compiledBlobsMatchTheEntryFiles();
    void entriesReadBackFieldForField();
    void commandsAnswerAsFromTheParsedCatalogue_data();
    void commandsAnswerAsFromTheParsedCatalogue();
    void foreignOrDamagedBlobIsRefused_data();
    void foreignOrDamagedBlobIsRefused();
};

void TestCataloguePack::compiledBlobsMatchTheEntryFiles() {
    // The program's own compiled-in entry files, parsed now: a blob left from older content
    // differs from them.
    const Catalogue parsed;
    QVERIFY(parsed.errors().isEmpty());
    QVERIFY(!CataloguePack::compiledEntries().isEmpty());
    QVERIFY(CataloguePack::compiledEntries() == CataloguePack::entriesBlob(parsed));
    QVERIFY(CataloguePack::compiledSearch() == CataloguePack::searchBlob(parsed));
}

void TestCataloguePack::entriesReadBackFieldForField() {
    const Catalogue parsed;
    QList<ScriptEntry> read;
    QVERIFY(CataloguePack::readEntries(CataloguePack::compiledEntries(), &read));
    const QList<const ScriptEntry*> entries = parsed.entries();
    QCOMPARE(read.size(), entries.size());
    int quirky = 0;
    int withDemo = 0;
    for (int i = 0; i < read.size(); ++i) {
        const ScriptEntry& a = read.at(i);
        const ScriptEntry& b = *entries.at(i);
        QCOMPARE(a.formName, b.formName);
        QCOMPARE(a.title, b.title);
        QCOMPARE(a.caption, b.caption);
        QCOMPARE(a.description, b.description);
        QCOMPARE(a.samplePage, b.samplePage);
        QCOMPARE(a.height, b.height);
        QCOMPARE(a.extraWindow, b.extraWindow);
        QCOMPARE(a.blocks.size(), b.blocks.size());
        for (int k = 0; k < a.blocks.size(); ++k) {
            QCOMPARE(a.blocks.at(k).kind, b.blocks.at(k).kind);
            QCOMPARE(a.blocks.at(k).instruction, b.blocks.at(k).instruction);
            QCOMPARE(a.blocks.at(k).code, b.blocks.at(k).code);
        }
        QCOMPARE(a.quirks.codeHeading, b.quirks.codeHeading);
        QCOMPARE(a.quirks.reverseTabOrder, b.quirks.reverseTabOrder);
        QCOMPARE(a.quirks.separateBrowser, b.quirks.separateBrowser);
        QCOMPARE(a.quirks.tallBackground, b.quirks.tallBackground);
        QCOMPARE(a.quirks.addressBoxName, b.quirks.addressBoxName);
        QCOMPARE(a.probe, b.probe);
        QCOMPARE(a.demo, b.demo);
        QCOMPARE(a.demoHead, b.demoHead);
        QCOMPARE(a.pageTemplate, b.pageTemplate);
        quirky += !b.quirks.codeHeading || b.quirks.reverseTabOrder || b.quirks.separateBrowser ||
                  b.quirks.tallBackground;
        withDemo += !b.demo.isEmpty();
    }
    // The comparison means something only if the catalogue uses those fields at all.
    QVERIFY(quirky > 0);
    QVERIFY(withDemo > 0);
}

void TestCataloguePack::commandsAnswerAsFromTheParsedCatalogue_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("search typo") << QStringList{"--search", "clok"};
    QTest::newRow("search capitals in code") << QStringList{"--search", "getElementById"};
    QTest::newRow("search placement") << QStringList{"--search", "BODY", "tag"};
    QTest::newRow("search description") << QStringList{"--search", "visitor"};
    QTest::newRow("search everywhere") << QStringList{"--search", "e"};
    QTest::newRow("search nothing") << QStringList{"--search", "qqqzzz"};
    QTest::newRow("print all blocks") << QStringList{"--print", "Falling Text"};
    QTest::newRow("print one block") << QStringList{"--print", "falling text", "--block", "2"};
    QTest::newRow("print unknown") << QStringList{"--print", "Falling Txet"};
    QTest::newRow("print scripts folder") << QStringList{"--print", "Tavros' Slide-in Menu *"};
}

void TestCataloguePack::commandsAnswerAsFromTheParsedCatalogue() {
    QFETCH(QStringList, arguments);
    const CommandLine::Places places{[] { return QStringLiteral("file:///site"); },
                                     [] { return QStringLiteral("/the/scripts"); }};
    const Catalogue parsed;
    QString answers[2];
    for (int pass = 0; pass < 2; ++pass) {
        CommandLine::Dispatcher dispatcher;
        CommandLine::addCatalogueCommands(dispatcher, places, pass == 0 ? nullptr : &parsed);
        QTextStream out(&answers[pass]);
        QTextStream err(&answers[pass]);
        CommandLine::Io io{out, err};
        out << dispatcher.run(arguments, io) << '\n';
    }
    QCOMPARE(answers[0], answers[1]);
}

void TestCataloguePack::foreignOrDamagedBlobIsRefused_data() {
    QTest::addColumn<QByteArray>("blob");
    const QByteArray good = CataloguePack::compiledEntries();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("trailing bytes") << good + QByteArray("x");
    QTest::newRow("search blob") << CataloguePack::compiledSearch();
    QByteArray otherLayout = good;
    otherLayout[4] = char(otherLayout.at(4) + 1);
    QTest::newRow("other layout") << otherLayout;
}

void TestCataloguePack::foreignOrDamagedBlobIsRefused() {
    QFETCH(QByteArray, blob);
    QList<ScriptEntry> entries;
    QVERIFY(!CataloguePack::readEntries(blob, &entries));
    QVERIFY(entries.isEmpty());
}

QTEST_GUILESS_MAIN(TestCataloguePack)
#include "tst_cataloguepack.moc"
