// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogueindex.h"

#include <QSet>
#include <QtTest>

class TestCatalogueIndex : public QObject {
    Q_OBJECT
private slots:
    void categoriesAndTitleCounts();
    void titlesAreUniqueAndMarked();
    void windowLookupIsExact_data();
    void windowLookupIsExact();
    void rowsKeepTheirCatalogueOrder();
};

void TestCatalogueIndex::categoriesAndTitleCounts() {
    const QList<QPair<QString, int>> expected = {
        {"Status Bar Effects", 7},
        {"Text Effects", 16},
        {"Image and Sound Effects", 31},
        {"Links Effects", 16},
        {"Mouse Cursors", 10},
        {"Random Effects", 5},
        {"Forms and Form Related", 14},
        {"Math & Arithmetic Related", 9},
        {"Clocks and Dates", 21},
        {"Security", 12},
        {"Search Engines", 10},
        {"Browser Window", 14},
        {"Menus & Navigation Systems", 17},
        {"Redirection", 8},
        {"Display User Information", 10},
        {"Other", 8},
        {"My Scripts!", 0},
    };
    QCOMPARE(CatalogueIndex::categoryCount(), 17);
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(CatalogueIndex::category(i).caption, expected.at(i).first);
        QCOMPARE(CatalogueIndex::titlesOf(i).size(), expected.at(i).second);
    }
    QVERIFY(CatalogueIndex::titlesOf(-1).isEmpty());
    QVERIFY(CatalogueIndex::titlesOf(17).isEmpty());
}

void TestCatalogueIndex::titlesAreUniqueAndMarked() {
    const auto& titles = CatalogueIndex::titles();
    QCOMPARE(titles.size(), 208);
    QSet<QString> seenTitles;
    QSet<QString> seenWindows;
    int starred = 0;
    for (const auto& title : titles) {
        QVERIFY2(!seenTitles.contains(title.title), qPrintable(title.title));
        QVERIFY2(!seenWindows.contains(title.window), qPrintable(title.window));
        seenTitles.insert(title.title);
        seenWindows.insert(title.window);
        if (title.title.endsWith(QLatin1String(" *")))
            ++starred;
        QVERIFY(title.title.size() >= 1 && title.title.size() <= 45);
    }
    QCOMPARE(starred, 47);
}

void TestCatalogueIndex::windowLookupIsExact_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("window");
    QTest::newRow("exact") << "3D Text"
                           << "frmText9";
    QTest::newRow("other case") << "3d text"
                                << "";
    QTest::newRow("leading blank") << " 3D Text"
                                   << "";
    QTest::newRow("trailing blank") << "3D Text "
                                    << "";
    QTest::newRow("star dropped") << "Rain"
                                  << "";
    QTest::newRow("star kept") << "Rain *"
                               << "frmimage30";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("my scripts row") << "Add New Script..."
                                    << "";
    QTest::newRow("renumbered search 2") << "Site Search 2"
                                         << "frmSearch6";
    QTest::newRow("renumbered xsearch") << "XSearch"
                                        << "frmSearch7";
    QTest::newRow("skipped number") << "Day-of-the-week Image Displayer"
                                    << "frmimage12";
    QTest::newRow("forms 10") << "Email from Site"
                              << "frmfrmforms10";
    QTest::newRow("misspelt year") << "Curent Year: Day Highlighted *"
                                   << "frmClock19";
    QTest::newRow("misspelt farewell") << "Fairwell Window *"
                                       << "frmRedirect8";
    QTest::newRow("misspelt draggable") << "Dragable Elements!"
                                        << "frmimage18";
    QTest::newRow("misspelt cipher") << "Virginere Encrypter *"
                                     << "frmSecurity11";
    QTest::newRow("menus start at 2") << "Pull Down Menu"
                                      << "frmMenus2";
}

void TestCatalogueIndex::windowLookupIsExact() {
    QFETCH(QString, text);
    QFETCH(QString, window);
    QCOMPARE(CatalogueIndex::windowOf(text), window);
}

void TestCatalogueIndex::rowsKeepTheirCatalogueOrder() {
    const QStringList clocks = CatalogueIndex::titlesOf(8);
    QCOMPARE(clocks.first(), QStringLiteral("Corner Live Clock"));
    QCOMPARE(clocks.at(12), QStringLiteral("Count-up"));
    QCOMPARE(clocks.last(), QStringLiteral("World Clock *"));
    const QStringList search = CatalogueIndex::titlesOf(10);
    QCOMPARE(search.mid(5, 3), QStringList({"XSearch", "Site Search 1", "Site Search 2"}));
    // Catalogue order is category by category.
    int previous = 0;
    for (const auto& title : CatalogueIndex::titles()) {
        QVERIFY(title.category >= previous);
        previous = title.category;
    }
}

QTEST_APPLESS_MAIN(TestCatalogueIndex)
#include "tst_catalogueindex.moc"
