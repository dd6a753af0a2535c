// SPDX-License-Identifier: GPL-3.0-or-later
// Finding entries as a user types: the order of the results is what the user judges, so the
// cases are queries a user would type and where the wanted entry must land.
#include "model/catalogue.h"
#include "model/entrydocument.h"
#include "model/scriptentry.h"
#include "model/searchindex.h"

#include <QtTest>

class TestSearchIndex : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void typoDistance_data();
    void typoDistance();
    void wantedTitleRanksNearTheTop_data();
    void wantedTitleRanksNearTheTop();
    void wholeWordsBeforePrefixesBeforeTyposBeforeDescriptionBeforeCode();
    void everyTypedWordMustMatch();
    void descriptionOnlyMatchIsFoundAndMarked();
    void myScriptsEntriesAreFoundAndReplacedOnEachReading();
    void aTitleInTwoPlacesGivesTwoRows();
    void emptyOrPunctuationQueryFindsNothing();
    void marksCoverTheMatchedLetters();

    void allBlocksPutEachPlacementLineAsACommentBeforeItsCode();
    void placementCommentCannotEndEarly();

private:
    QStringList titles(const QString& query, int limit = 10) const;

    Catalogue m_catalogue;
    SearchIndex m_index;
};

void TestSearchIndex::initTestCase() {
    QVERIFY(m_catalogue.errors().isEmpty());
    m_index = SearchIndex::fromCatalogue(m_catalogue);
    QCOMPARE(m_index.size(), 208);
}

QStringList TestSearchIndex::titles(const QString& query, int limit) const {
    QStringList result;
    for (const SearchIndex::Hit& hit : m_index.search(query, limit))
        result.append(m_index.document(hit.document).title);
    return result;
}

void TestSearchIndex::typoDistance_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("distance");
    QTest::newRow("same") << "clock"
                          << "clock" << 0;
    QTest::newRow("missing letter") << "clok"
                                    << "clock" << 1;
    QTest::newRow("extra letter") << "passsword"
                                  << "password" << 1;
    QTest::newRow("wrong letter") << "pessword"
                                  << "password" << 1;
    QTest::newRow("swapped letters") << "clcok"
                                     << "clock" << 1;
    QTest::newRow("two typos") << "clkk"
                               << "clock" << 2;
    QTest::newRow("lengths far apart") << "clo"
                                       << "clocks" << 2;
    QTest::newRow("empty") << ""
                           << "a" << 1;
}

void TestSearchIndex::typoDistance() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, distance);
    QCOMPARE(SearchIndex::typoDistance(a, b), distance);
    QCOMPARE(SearchIndex::typoDistance(b, a), distance);
}

void TestSearchIndex::wantedTitleRanksNearTheTop_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("within");
    QTest::newRow("missing letter") << "clok"
                                    << "Live Text Clock" << 3;
    QTest::newRow("missing letter, password") << "pasword"
                                              << "Keypad Password" << 8;
    QTest::newRow("swapped letters") << "pasword"
                                     << "Password Protect a Page" << 8;
    QTest::newRow("prefix") << "typew"
                            << "Typewriter Status Scroller" << 2;
    QTest::newRow("two words in any order") << "clock live text"
                                            << "Live Text Clock" << 1;
    QTest::newRow("across a hyphen") << "popup window"
                                     << "Pop-Up Window Generator" << 1;
    QTest::newRow("case does not matter") << "STATUS BAR DECRYPTER"
                                          << "Status Bar Decrypter" << 1;
}

void TestSearchIndex::wantedTitleRanksNearTheTop() {
    QFETCH(QString, query);
    QFETCH(QString, title);
    QFETCH(int, within);
    const QStringList found = titles(query, within);
    QVERIFY2(found.contains(title), qPrintable(found.join(QStringLiteral(" | "))));
}

void TestSearchIndex::wholeWordsBeforePrefixesBeforeTyposBeforeDescriptionBeforeCode() {
    SearchIndex index;
    // Listed worst first, so catalogue order cannot explain the result.
    index.add({SearchDocument::Source::Catalogue,
               QStringLiteral("w5"),
               QStringLiteral("Alpha"),
               {},
               {},
               {},
               QStringLiteral("var marquee = 1;")});
    index.add({SearchDocument::Source::Catalogue,
               QStringLiteral("w4"),
               QStringLiteral("Beta"),
               {},
               QStringLiteral("A marquee that scrolls."),
               {},
               {}});
    index.add({SearchDocument::Source::Catalogue,
               QStringLiteral("w3"),
               QStringLiteral("Marque Lights"),
               {},
               {},
               {},
               {}});
    index.add({SearchDocument::Source::Catalogue,
               QStringLiteral("w2"),
               QStringLiteral("Marquees Galore"),
               {},
               {},
               {},
               {}});
    index.add({SearchDocument::Source::Catalogue,
               QStringLiteral("w1"),
               QStringLiteral("Text Marquee"),
               {},
               {},
               {},
               {}});
    const auto hits = index.search(QStringLiteral("marquee"));
    QStringList keys;
    QList<SearchIndex::Tier> tiers;
    for (const auto& hit : hits) {
        keys.append(index.document(hit.document).key);
        tiers.append(hit.tier);
    }
    QCOMPARE(keys, (QStringList{"w1", "w2", "w3", "w4", "w5"}));
    QCOMPARE(tiers,
             (QList<SearchIndex::Tier>{SearchIndex::Tier::TitleWord, SearchIndex::Tier::TitlePrefix,
                                       SearchIndex::Tier::TitleFuzzy,
                                       SearchIndex::Tier::Description, SearchIndex::Tier::Code}));
}

void TestSearchIndex::everyTypedWordMustMatch() {
    const QStringList found = titles(QStringLiteral("clock zebra"));
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(" | "))));
}

void TestSearchIndex::descriptionOnlyMatchIsFoundAndMarked() {
    SearchIndex index;
    index.add({SearchDocument::Source::Catalogue,
               QStringLiteral("w1"),
               QStringLiteral("Ticker"),
               QStringLiteral("Text Effects"),
               QStringLiteral("Scrolls headlines across a box."),
               {},
               {}});
    const auto hits = index.search(QStringLiteral("headlines"));
    QCOMPARE(hits.size(), 1);
    QCOMPARE(hits.first().tier, SearchIndex::Tier::Description);
    QVERIFY(hits.first().titleMarks.isEmpty());
    QCOMPARE(hits.first().descriptionMarks, (QList<QPair<int, int>>{{8, 9}}));
    // The category counts with the description.
    QCOMPARE(index.search(QStringLiteral("effects")).size(), 1);
}

void TestSearchIndex::myScriptsEntriesAreFoundAndReplacedOnEachReading() {
    SearchIndex index = m_index;
    SearchDocument mine;
    mine.key = mine.title = QStringLiteral("My Fancy Banner");
    mine.category = QStringLiteral("My Scripts!");
    mine.description = QStringLiteral("Shows the quokka club's news");
    index.setUserEntries({mine});
    QCOMPARE(index.size(), 209);
    auto hits = index.search(QStringLiteral("fancy banner"));
    QVERIFY(!hits.isEmpty());
    QCOMPARE(index.document(hits.first().document).source, SearchDocument::Source::MyScript);
    QCOMPARE(index.search(QStringLiteral("quokka")).size(), 1);

    // Read again after the entry was deleted: it is gone, the catalogue stays.
    index.setUserEntries({});
    QCOMPARE(index.size(), 208);
    QVERIFY(index.search(QStringLiteral("fancy banner")).isEmpty());
}

void TestSearchIndex::aTitleInTwoPlacesGivesTwoRows() {
    SearchIndex index = m_index;
    SearchDocument mine;
    mine.key = mine.title = QStringLiteral("Live Text Clock");
    mine.category = QStringLiteral("My Scripts!");
    index.setUserEntries({mine});
    const auto hits = index.search(QStringLiteral("live text clock"), 5);
    QVERIFY(hits.size() >= 2);
    QCOMPARE(index.document(hits.at(0).document).title, QStringLiteral("Live Text Clock"));
    QCOMPARE(index.document(hits.at(1).document).title, QStringLiteral("Live Text Clock"));
    QStringList categories{index.document(hits.at(0).document).category,
                           index.document(hits.at(1).document).category};
    categories.sort();
    QCOMPARE(categories, (QStringList{"Clocks and Dates", "My Scripts!"}));
}

void TestSearchIndex::emptyOrPunctuationQueryFindsNothing() {
    QVERIFY(m_index.search(QString()).isEmpty());
    QVERIFY(m_index.search(QStringLiteral("  ")).isEmpty());
    QVERIFY(m_index.search(QStringLiteral("<!-- -->")).isEmpty());
}

void TestSearchIndex::marksCoverTheMatchedLetters() {
    SearchIndex index;
    index.add({SearchDocument::Source::Catalogue,
               QStringLiteral("w"),
               QStringLiteral("Live Text Clock"),
               {},
               {},
               {},
               {}});
    QCOMPARE(index.search(QStringLiteral("clo")).first().titleMarks,
             (QList<QPair<int, int>>{{10, 3}}));
    // A typo marks the whole word it stands for.
    QCOMPARE(index.search(QStringLiteral("clok")).first().titleMarks,
             (QList<QPair<int, int>>{{10, 5}}));
    QCOMPARE(index.search(QStringLiteral("text live")).first().titleMarks,
             (QList<QPair<int, int>>{{5, 4}, {0, 4}}));
}

void TestSearchIndex::allBlocksPutEachPlacementLineAsACommentBeforeItsCode() {
    ScriptEntry entry;
    entry.title = QStringLiteral("Sample");
    entry.blocks = {
        {EntryBlock::Kind::H, QStringLiteral("Into the head:"),
         QStringLiteral("<script>a</script>")},
        {EntryBlock::Kind::N, QStringLiteral("Upload the pictures."), QString()},
        {EntryBlock::Kind::C, QString(), QStringLiteral("<p>b</p>\n")},
    };
    const EntryDocument document = EntryDocument::fromEntry(entry);
    QCOMPARE(document.codeBlockCount(), 2);
    QCOMPARE(document.blockOfCodeBox(1), 2);
    QCOMPARE(document.blockOfCodeBox(2), -1);
    QCOMPARE(document.allBlocksText(), QStringLiteral("<!-- Into the head: -->\n"
                                                      "<script>a</script>\n"
                                                      "\n"
                                                      "<!-- Upload the pictures. -->\n"
                                                      "\n"
                                                      "<p>b</p>\n"));
}

void TestSearchIndex::placementCommentCannotEndEarly() {
    QCOMPARE(EntryDocument::placementComment(QStringLiteral("Use -- or --> here")),
             QStringLiteral("<!-- Use - - or - -> here -->"));
    QCOMPARE(EntryDocument::placementComment(QStringLiteral("  spaced out \n")),
             QStringLiteral("<!-- spaced out -->"));
}

QTEST_GUILESS_MAIN(TestSearchIndex)
#include "tst_searchindex.moc"
