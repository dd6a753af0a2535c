// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's shape: every entry's caption, sample page, blocks, height and extra
// window, the totals they add up to, and the text rules every entry file must keep.
#include "model/catalogue.h"
#include "model/catalogueindex.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

namespace {

struct Row {
    const char* window;
    const char* caption;
    const char* page;
    const char* blocks;
    int height;
    const char* extra;
};

// clang-format off
const Row kRows[] = {
    {"frmStatus1", "Status Bar Effects 1", "StatusBar/sub1.htm", "H X", 5580, ""},
    {"frmStatus2", "Status Bar Effects 2", "StatusBar/sub2.htm", "B", 5580, ""},
    {"frmStatus3", "Status Bar Effects 3", "StatusBar/sub3.htm", "B", 5580, ""},
    {"frmStatus4", "Status Bar Effects 4", "StatusBar/sub4.htm", "H", 5580, ""},
    {"frmStatus5", "Status Bar Effects 5", "StatusBar/sub5.htm", "B", 5580, ""},
    {"frmStatus6", "Status Bar Effects 6", "StatusBar/sub6.htm", "H", 5580, ""},
    {"frmStatus7", "Status Bar Effects 7", "StatusBar/sub7.htm", "H C", 5580, ""},
    {"frmText1", "Text Effects 1", "TextEffects/sub1.htm", "B", 5580, ""},
    {"frmText2", "Text Effects 2", "TextEffects/sub2.htm", "H", 5580, ""},
    {"frmText3", "Text Effects 3", "TextEffects/sub3.htm", "H B", 5580, ""},
    {"frmText4", "Text Effects 4", "TextEffects/sub4.htm", "W", 5580, ""},
    {"frmText5", "Text Effects 5", "TextEffects/sub5.htm", "X", 5580, ""},
    {"frmText6", "Text Effects 6", "TextEffects/sub6.htm", "B", 5580, ""},
    {"frmText7", "Text Effects 7", "TextEffects/sub7.htm", "X X", 5580, ""},
    {"frmText8", "Text Effects 8", "TextEffects/sub8.htm", "H B X", 5580, ""},
    {"frmText9", "Text Effects 9", "TextEffects/sub9.htm", "X", 5580, ""},
    {"frmText10", "Text Effects 10", "TextEffects/sub10.htm", "W X", 5580, ""},
    {"frmText11", "Text Effects 11", "TextEffects/sub11.htm", "B N", 5580, ""},
    {"frmText12", "Text Effects 12", "TextEffects/sub12.htm", "B", 5580, ""},
    {"frmText13", "Text Effects 13", "TextEffects/sub13.htm", "B", 5580, ""},
    {"frmText14", "Text Effects 14", "TextEffects/sub14.htm", "B", 6030, ""},
    {"frmText15", "Text Effects 15", "TextEffects/sub15.htm", "H B N", 6030, ""},
    {"frmText16", "Text Effects 16", "", "X", 4125, ""},
    {"frmimage1", "Image and Sound Effects 1", "ImageSound/sub1.htm", "X", 5580, ""},
    {"frmimage2", "Image and Sound Effects 2", "ImageSound/sub2.htm", "X", 5580, ""},
    {"frmimage3", "Image and Sound Effects 3", "ImageSound/sub3.htm", "B", 5580, ""},
    {"frmimage4", "Image and Sound Effects 4", "ImageSound/sub4.htm", "H B", 5580, ""},
    {"frmimage5", "Image and Sound Effects 5", "ImageSound/sub5.htm", "B", 5580, ""},
    {"frmimage6", "Image and Sound Effects 6", "ImageSound/sub6.htm", "H B", 5580, "frmAdditionalImage6"},
    {"frmimage7", "Image and Sound Effects 7", "ImageSound/sub7.htm", "H B", 5580, "frmImage7instructions"},
    {"frmimage8", "Image and Sound Effects 8", "ImageSound/sub8.htm", "X", 5580, ""},
    {"frmimage9", "Image and Sound Effects 9", "ImageSound/sub9.htm", "H X", 5580, ""},
    {"frmimage10", "Image and Sound Effects 10", "ImageSound/sub10.htm", "H X N N", 6105, ""},
    {"frmimage12", "Image and Sound Effects 11", "ImageSound/sub11.htm", "B", 5580, ""},
    {"frmimage13", "Image and Sound Effects 12", "ImageSound/sub12.htm", "H", 5580, ""},
    {"frmimage14", "Image and Sound Effects 13", "ImageSound/sub13.htm", "B", 5580, ""},
    {"frmimage15", "Image and Sound Effects 14", "ImageSound/sub14.htm", "H X", 5670, ""},
    {"frmimage16", "Image and Sound Effects 15", "ImageSound/sub15.htm", "H", 5580, ""},
    {"frmimage17", "Image and Sound Effects 16", "ImageSound/sub16.htm", "X N", 5580, ""},
    {"frmimage18", "Image and Sound Effects 17", "ImageSound/sub17.htm", "H X X", 5580, ""},
    {"frmimage19", "Image and Sound Effects 18", "ImageSound/sub18.htm", "H B", 5580, ""},
    {"frmimage20", "Image and Sound Effects 19", "ImageSound/sub19.htm", "B", 5580, ""},
    {"frmimage21", "Image and Sound Effects 20", "", "C", 3180, ""},
    {"frmimage22", "Image and Sound Effects 21", "ImageSound/sub21.htm", "H B", 5580, ""},
    {"frmimage23", "Image and Sound Effects 22", "", "C", 2880, ""},
    {"frmimage24", "Image and Sound Effects 23", "ImageSound/sub23.htm", "A N", 5580, ""},
    {"frmimage25", "Image and Sound Effects 24", "ImageSound/sub24.htm", "A N", 5580, ""},
    {"frmimage26", "Image and Sound Effects 25", "ImageSound/sub25.htm", "H B X", 5580, ""},
    {"frmimage27", "Image and Sound Effects 26", "ImageSound/sub26.htm", "H B", 5580, ""},
    {"frmimage28", "Image and Sound Effects 27", "ImageSound/sub27.htm", "B", 5580, ""},
    {"frmimage29", "Image and Sound Effects 28", "ImageSound/sub28.htm", "H", 5580, ""},
    {"frmimage30", "Image and Sound Effects 29", "ImageSound/sub29.htm", "B", 5580, ""},
    {"frmimage31", "Image and Sound Effects 30", "ImageSound/sub30.htm", "H", 5580, ""},
    {"frmimage32", "Image and Sound Effects 31", "ImageSound/sub31.htm", "H B", 5580, ""},
    {"frmlinks1", "Hyperlink Effects 1", "Links/sub1.htm", "X X", 6090, "frmTextover"},
    {"frmlinks2", "Hyperlink Effects 2", "Links/sub2.htm", "X", 5580, ""},
    {"frmlinks3", "Hyperlink Effects 3", "Links/sub3.htm", "B", 5580, ""},
    {"frmlinks4", "Hyperlink Effects 4", "Links/sub4.htm", "X", 5580, ""},
    {"frmlinks5", "Hyperlink Effects 5", "Links/sub5.htm", "X N", 5580, ""},
    {"frmlinks6", "Hyperlink Effects 6", "Links/sub6.htm", "X", 5580, ""},
    {"frmlinks7", "Hyperlink Effects 7", "Links/sub7.htm", "B", 5580, ""},
    {"frmlinks8", "Hyperlink Effects 8", "Links/sub8.htm", "X", 5580, ""},
    {"frmlinks9", "Hyperlink Effects 9", "Links/sub9.htm", "X X N N", 5580, ""},
    {"frmlinks10", "Hyperlink Effects 10", "Links/sub10.htm", "X", 5580, ""},
    {"frmlinks11", "Hyperlink Effects 11", "Links/sub11.htm", "H", 5580, ""},
    {"frmlinks12", "Hyperlink Effects 12", "Links/sub12.htm", "H", 5580, ""},
    {"frmlinks13", "Hyperlink Effects 13", "Links/sub13.htm", "B C", 5580, ""},
    {"frmlinks14", "Hyperlink Effects 14", "Links/sub14.htm", "H B", 5580, ""},
    {"frmlinks15", "Hyperlink Effects 15", "Links/sub15.htm", "H X X", 6045, ""},
    {"frmlinks16", "Hyperlink Effects 16", "Links/sub16.htm", "X", 4545, ""},
    {"frmcursor1", "Mouse Cursor Effects 1", "MouseCursors/sub1.htm", "H B N", 6060, ""},
    {"frmcursor2", "Mouse Cursor Effects 2", "MouseCursors/sub2.htm", "H B", 5580, ""},
    {"frmcursor3", "Mouse Cursor Effects 3", "MouseCursors/sub3.htm", "B X", 5445, ""},
    {"frmcursor4", "Mouse Cursor Effects 4", "MouseCursors/sub4.htm", "B N", 5580, ""},
    {"frmcursor5", "Mouse Cursor Effects 5", "MouseCursors/sub5.htm", "B", 5580, ""},
    {"frmcursor6", "Mouse Cursor Effects 6", "MouseCursors/sub6.htm", "H B X", 6075, ""},
    {"frmcursor7", "Mouse Cursor Effects 7", "MouseCursors/sub7.htm", "X", 5580, ""},
    {"frmcursor8", "Mouse Cursor Effects 8", "MouseCursors/sub8.htm", "B N", 5580, ""},
    {"frmcursor9", "Mouse Cursor Effects 9", "MouseCursors/sub9.htm", "N H B", 5580, ""},
    {"frmcursor10", "Mouse Cursor Effects 10", "MouseCursors/sub10.htm", "H N", 5580, ""},
    {"frmrandom1", "Random 1", "Random/sub1.htm", "B", 5580, ""},
    {"frmrandom2", "Random 2", "Random/sub2.htm", "B", 5580, ""},
    {"frmrandom3", "Random 3", "Random/sub3.htm", "B", 5580, ""},
    {"frmrandom4", "Random 4", "Random/sub4.htm", "X", 5580, ""},
    {"frmrandom5", "Random 5", "Random/sub5.htm", "B", 5580, ""},
    {"frmforms1", "Forms and form Validation 1", "Forms/sub1.htm", "H X X", 6090, ""},
    {"frmforms2", "Forms and form Validation 2", "Forms/sub2.htm", "H X", 5580, ""},
    {"frmforms3", "Forms and form Validation 3", "Forms/sub3.htm", "B", 5580, ""},
    {"frmforms4", "Forms and form Validation 4", "Forms/sub4.htm", "B", 5580, ""},
    {"frmforms5", "Forms and form Validation 5", "Forms/sub5.htm", "B", 5580, ""},
    {"frmforms6", "Forms and form Validation 6", "Forms/sub6.htm", "B", 5580, ""},
    {"frmforms7", "Forms and form Validation 7", "Forms/sub7.htm", "B", 5580, ""},
    {"frmforms8", "Forms and form Validation 8", "Forms/sub8.htm", "B", 5580, ""},
    {"frmforms9", "Forms and form Validation 9", "Forms/sub9.htm", "X", 5580, ""},
    {"frmfrmforms10", "Forms and Form Validations 10", "Forms/sub10.htm", "B", 5580, ""},
    {"frmforms11", "Forms and form Validation 11", "Forms/sub11.htm", "H B", 5580, ""},
    {"frmforms12", "Forms and form Validation 12", "Forms/sub12.htm", "B", 5580, ""},
    {"frmforms13", "Forms and form Validation 13", "Forms/sub13.htm", "B", 5580, ""},
    {"frmforms14", "Forms and form Validation 14", "Forms/sub14.htm", "X", 5580, ""},
    {"frmMath1", "Math Related 1", "MathRelated/sub1.htm", "X", 5580, ""},
    {"frmMath2", "Math Related 2", "MathRelated/sub2.htm", "B", 5580, ""},
    {"frmMath3", "Math Related 3", "MathRelated/sub3.htm", "H", 5580, ""},
    {"frmMath4", "Math Related 4", "MathRelated/sub4.htm", "B", 5580, ""},
    {"frmMath5", "Math Related 5", "MathRelated/sub5.htm", "X", 5580, ""},
    {"frmMath6", "Math Related 6", "MathRelated/sub6.htm", "X", 5580, ""},
    {"frmMath7", "Math Related 7", "MathRelated/sub7.htm", "H B", 5580, ""},
    {"frmMath8", "Math Related 8", "MathRelated/sub8.htm", "B", 5580, ""},
    {"frmMath9", "Math Related 9", "MathRelated/sub9.htm", "B", 5580, ""},
    {"frmClock1", "Clocks and Counters 1", "Clocks/sub1.htm", "B X", 5580, ""},
    {"frmClock2", "Clocks and Counters 2", "Clocks/sub2.htm", "H", 5580, ""},
    {"frmClock3", "Clocks and Counters 3", "Clocks/sub3.htm", "B", 5580, ""},
    {"frmClock4", "Clocks and Counters 4", "Clocks/sub4.htm", "B", 5580, ""},
    {"frmClock5", "Clocks and Counters 5", "Clocks/sub5.htm", "H B T", 6120, ""},
    {"frmClock6", "Clocks and Counters 6", "Clocks/sub6.htm", "H T", 5580, ""},
    {"frmClock7", "Clocks and Counters 7", "Clocks/sub7.htm", "X T", 5580, ""},
    {"frmClock8", "Clocks and Counters 8", "Clocks/sub8.htm", "H", 5580, ""},
    {"frmClock9", "Clocks and Counters 9", "Clocks/sub9.htm", "H", 5580, ""},
    {"frmClock10", "Clocks and Counters 10", "Clocks/sub10.htm", "X", 5580, ""},
    {"frmClock11", "Clocks and Counters 11", "Clocks/sub11.htm", "B", 5580, ""},
    {"frmClock12", "Clocks and Counters 12", "Clocks/sub12.htm", "B X", 5580, ""},
    {"frmClock13", "Clocks and Counters 13", "Clocks/sub13.htm", "B C", 6030, ""},
    {"frmClock14", "Clocks and Counters 14", "Clocks/sub14.htm", "B", 5370, ""},
    {"frmClock15", "Clocks and Counters 15", "Clocks/sub15.htm", "B", 5220, ""},
    {"frmClock16", "Clocks and Counters 16", "Clocks/sub16.htm", "B", 4305, ""},
    {"frmClock17", "Clocks and Counters 17", "Clocks/sub17.htm", "B T", 4995, ""},
    {"frmClock18", "Clocks and Counters 18", "Clocks/sub18.htm", "H B", 5490, ""},
    {"frmClock19", "Clocks and Counters 19", "Clocks/sub19.htm", "H B", 5175, ""},
    {"frmClock20", "Clocks and Counters 20", "Clocks/sub20.htm", "H B T", 5580, ""},
    {"frmClock21", "Clocks and Counters 21", "Clocks/sub21.htm", "H B T", 5790, ""},
    {"frmSecurity1", "Security and Privacy 1", "", "C", 5580, ""},
    {"frmSecurity2", "Security and Privacy 2", "Security/sub2.htm", "B", 5580, ""},
    {"frmSecurity3", "Security and Privacy 3", "Security/sub3/sub3.htm", "X X X", 6090, ""},
    {"frmSecurity4", "Security and Privacy 4", "Security/sub4.htm", "B", 5580, ""},
    {"frmSecurity5", "Security and Privacy 5", "Security/sub5.htm", "B", 5580, ""},
    {"frmSecurity6", "Security and Privacy 6", "Security/sub6.htm", "H", 5580, ""},
    {"frmSecurity7", "Security and Privacy 7", "Security/sub7/sub7.htm", "P2", 5580, ""},
    {"frmSecurity8", "Security and Privacy 8", "Security/sub8.htm", "N X", 5490, ""},
    {"frmSecurity9", "Security and Privacy 9", "Security/sub9.htm", "C", 4350, ""},
    {"frmSecurity10", "Security and Privacy 10", "Security/sub10.htm", "H B", 5580, ""},
    {"frmSecurity11", "Security and Privacy 11", "Security/sub11.htm", "H B", 5580, ""},
    {"frmSecurity12", "Security and Privacy 12", "", "C", 3030, ""},
    {"frmSearch1", "d", "SearchEngines/sub1.htm", "X", 5580, ""},
    {"frmSearch2", "Search Engines for your Site! 2", "SearchEngines/sub2.htm", "P1", 5580, ""},
    {"frmSearch3", "Search Engines for your Site! 3", "SearchEngines/sub3.htm", "B", 5580, ""},
    {"frmSearch4", "Search Engines for your Site! 4", "", "C", 4305, ""},
    {"frmSearch5", "Search Engines for your Site! 5", "", "C", 4305, ""},
    {"frmSearch7", "Search Engines for your Site! 7", "SearchEngines/xsearch-5.2.htm", "C", 5580, ""},
    {"frmSearch8", "Search Engines for your Site! 8", "SearchEngines/sub8.htm", "H B", 5580, ""},
    {"frmSearch6", "Search Engines for your Site! 6", "SearchEngines/sub6.htm", "P1", 5580, ""},
    {"frmSearch9", "Search Engines for your Site! 9", "SearchEngines/sub9.htm", "H B", 5580, ""},
    {"frmSearch10", "Search Engines for your Site! 10", "SearchEngines/sub10.htm", "H B", 5580, ""},
    {"frmBrowser1", "Browser Related 1", "Browser/sub1.htm", "B", 5580, ""},
    {"frmBrowser2", "Browser Related 2", "Browser/sub2.htm", "B", 5580, ""},
    {"frmBrowser3", "Browser Related 3", "Browser/sub3.htm", "C", 5580, ""},
    {"frmBrowser4", "Browser Related 4", "Browser/sub4.htm", "X", 5580, ""},
    {"frmBrowser5", "Browser Related 5", "Browser/sub5.htm", "X X", 5580, ""},
    {"frmBrowser6", "Browser Related 6", "Browser/sub6.htm", "H X", 5580, ""},
    {"frmBrowser7", "Browser Related 7", "Browser/sub7.htm", "B", 5580, ""},
    {"frmBrowser8", "Browser Related 8", "Browser/sub8.htm", "B", 5580, ""},
    {"frmBrowser9", "Browser Related 9", "Browser/sub9.htm", "H T2", 5580, ""},
    {"frmBrowser10", "Browser Related 10", "Browser/sub10.htm", "H", 5580, ""},
    {"frmBrowser11", "Browser Related 11", "Browser/sub11.htm", "H", 5580, ""},
    {"frmBrowser12", "Browser Related 12", "Browser/sub12.htm", "H", 5580, ""},
    {"frmBrowser13", "Browser Related 13", "Browser/sub13.htm", "B", 5580, ""},
    {"frmBrowser14", "Browser Related 14", "Browser/sub14.htm", "H B", 5580, ""},
    {"frmMenus2", "Menus and Navigation 2", "Menus/sub2.htm", "P1", 5580, ""},
    {"frmMenus3", "Menus and Navigation 3", "Menus/sub3.htm", "H X X", 6105, ""},
    {"frmMenus4", "Menus and Navigation 4", "Menus/sub4.htm", "H X", 5580, ""},
    {"frmMenus5", "Menus and Navigation 5", "Menus/sub5.htm", "C", 5580, ""},
    {"frmMenus6", "Menus and Navigation 6", "Menus/sub6/sub6.htm", "X", 5580, ""},
    {"frmMenus7", "Menus and Navigation 7", "Menus/sub7.htm", "H A", 5580, ""},
    {"frmMenus8", "Menus and Navigation 8", "Menus/sub8.htm", "H B", 5580, ""},
    {"frmMenus9", "Menus and Navigation 9", "Menus/sub9.htm", "X", 5580, ""},
    {"frmMenus10", "Menus and Navigation 10", "", "C", 4125, ""},
    {"frmMenus11", "Menus and Navigation 11", "Menus/sub11.htm", "H X X", 6105, ""},
    {"frmMenus12", "Menus and Navigation 12", "", "C", 4620, ""},
    {"frmMenus13", "Menus and Navigation 13", "Menus/sub13/menu.html", "C", 5580, ""},
    {"frmMenus14", "Menus and Navigation 14", "Menus/sub14.htm", "H B X", 5580, ""},
    {"frmMenus15", "Menus and Navigation 15", "Menus/sub15.htm", "X X", 5580, ""},
    {"frmMenus16", "Menus and Navigation 16", "Menus/sub16.htm", "X X N", 5580, ""},
    {"frmMenus17", "Menus and Navigation 17", "Menus/sub17.htm", "H2", 5580, ""},
    {"frmMenus18", "Menus and Navigation 18", "Menus/sub18.htm", "H2 X X N", 5580, ""},
    {"frmRedirect1", "Redirection 1", "", "H", 4110, ""},
    {"frmRedirect2", "Redirection 2", "", "H", 4110, ""},
    {"frmRedirect3", "Redirection 3", "", "H", 4110, ""},
    {"frmRedirect4", "Redirection 4", "", "X", 4125, ""},
    {"frmRedirect5", "Redirection 5", "Redirection/sub5.htm", "H", 5580, ""},
    {"frmRedirect6", "Redirection 6", "", "P2", 4125, ""},
    {"frmRedirect7", "Redirection 7", "", "H", 4125, ""},
    {"frmRedirect8", "Redirection 8", "", "H B N", 4335, ""},
    {"frmUserInfo1", "Display User Information 1", "UserInfo/sub1.htm", "H B T", 5580, ""},
    {"frmUserInfo2", "Display User Information 2", "UserInfo/sub2.htm", "B", 5580, ""},
    {"frmUserInfo3", "Display User Information 3", "UserInfo/sub3.htm", "H B C", 5580, ""},
    {"frmUserInfo4", "Display User Information 4", "UserInfo/sub4.htm", "B N", 5580, ""},
    {"frmUserInfo5", "Display User Information 5", "UserInfo/sub5.htm", "B", 5580, ""},
    {"frmUserInfo6", "Display User Information 6", "UserInfo/sub6.htm", "B", 5580, ""},
    {"frmUserInfo7", "Display User Information 7", "UserInfo/sub7.htm", "B", 5580, ""},
    {"frmUserInfo8", "Display User Information 8", "UserInfo/sub8.htm", "H H T2", 5535, ""},
    {"frmUserInfo9", "Display User Information 9", "UserInfo/sub9.htm", "B", 5580, ""},
    {"frmUserInfo10", "Display User Information 10", "UserInfo/sub10.htm", "B", 5580, ""},
    {"frmOther1", "Other 1", "Other/sub1.htm", "B", 5580, ""},
    {"frmOther2", "Other 2", "Other/sub2.htm", "H B", 5580, ""},
    {"frmOther3", "Other 3", "Other/sub3.htm", "H B", 5580, ""},
    {"frmOther4", "Other 4", "Other/sub4.htm", "H B", 5580, ""},
    {"frmOther5", "Other 5", "Other/sub5.htm", "H B N", 6105, ""},
    {"frmOther6", "Other 6", "Other/sub6.htm", "P2", 5580, ""},
    {"frmOther7", "Other 7", "Other/sub7.htm", "H", 5580, ""},
    {"frmOther8", "Other 8", "Other/sub8.htm", "H", 5580, ""},
};
// clang-format on

QString blockCodes(const ScriptEntry& entry) {
    QStringList codes;
    for (const EntryBlock& block : entry.blocks)
        codes.append(EntryBlock::letter(block.kind));
    return codes.join(QLatin1Char(' '));
}

// The characters of code page 1252 in 0x80..0x9F; the rest of 0x00..0xFF maps to itself.
bool inCodePage1252(char32_t c) {
    static const QSet<char32_t> upper = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                         0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                         0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    return upper.contains(c);
}

} // namespace

class TestCatalogueStructure : public QObject {
    Q_OBJECT
private slots:
    void everyEntryLoads();
    void entriesFollowTheTable();
    void blockTotals();
    void samplePageTotals();
    void instructionTexts();
    void filesAreCodePage1252WithoutCarriageReturns();
    void codePageCheckRejectsWhatItMust();

private:
    Catalogue m_catalogue;
};

void TestCatalogueStructure::everyEntryLoads() {
    QVERIFY2(m_catalogue.errors().isEmpty(),
             qPrintable(m_catalogue.errors().join(QLatin1Char('\n'))));
    QCOMPARE(m_catalogue.entries().size(), 208);
    QCOMPARE(int(std::size(kRows)), 208);
    // Catalogue order is the index's order.
    const auto entries = m_catalogue.entries();
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(entries.at(i)->formName, CatalogueIndex::titles().at(i).window);
}

void TestCatalogueStructure::entriesFollowTheTable() {
    for (const Row& row : kRows) {
        const QString window = QString::fromUtf8(row.window);
        const ScriptEntry* entry = m_catalogue.entry(window);
        QVERIFY2(entry, row.window);
        const QByteArray where = QByteArray(row.window) + ": ";
        QVERIFY2(entry->caption == QString::fromUtf8(row.caption),
                 (where + entry->caption.toUtf8()).constData());
        QVERIFY2(entry->samplePage == QString::fromUtf8(row.page),
                 (where + entry->samplePage.toUtf8()).constData());
        QVERIFY2(blockCodes(*entry) == QString::fromUtf8(row.blocks),
                 (where + blockCodes(*entry).toUtf8()).constData());
        QVERIFY2(entry->height == row.height,
                 (where + QByteArray::number(entry->height)).constData());
        QVERIFY2(entry->extraWindow == QString::fromUtf8(row.extra),
                 (where + entry->extraWindow.toUtf8()).constData());
        bool anyCode = false;
        for (const EntryBlock& block : entry->blocks)
            anyCode = anyCode || block.hasCodeBox();
        QVERIFY2(anyCode, row.window);
    }
}

void TestCatalogueStructure::blockTotals() {
    QMap<int, int> byCount;
    QMap<QString, int> byLetter;
    for (const ScriptEntry* entry : m_catalogue.entries()) {
        ++byCount[int(entry->blocks.size())];
        for (const EntryBlock& block : entry->blocks)
            ++byLetter[EntryBlock::letter(block.kind)];
    }
    const QMap<int, int> expectedCounts = {{1, 127}, {2, 56}, {3, 22}, {4, 3}};
    QCOMPARE(byCount, expectedCounts);
    const QMap<QString, int> expectedLetters = {{"B", 105}, {"H", 81}, {"X", 71}, {"N", 21},
                                                {"C", 17},  {"T", 7},  {"P1", 3}, {"P2", 3},
                                                {"T2", 2},  {"W", 2},  {"A", 3},  {"H2", 2}};
    QCOMPARE(byLetter, expectedLetters);
}

void TestCatalogueStructure::samplePageTotals() {
    QMap<QString, int> byFolder;
    QStringList givenInFull;
    int withPage = 0;
    const QRegularExpression trailingNumber(QStringLiteral("(\\d+)$"));
    for (const ScriptEntry* entry : m_catalogue.entries()) {
        if (!entry->hasSample())
            continue;
        ++withPage;
        const QString folder = entry->samplePage.section(QLatin1Char('/'), 0, 0);
        ++byFolder[folder];
        // The folder is the category's own.
        const CatalogueIndex::Title* title = CatalogueIndex::findWindow(entry->formName);
        QVERIFY(title);
        QCOMPARE(folder, CatalogueIndex::category(title->category).folder);
        const QString number = trailingNumber.match(entry->caption).captured(1);
        if (entry->samplePage != folder + QStringLiteral("/sub") + number + QStringLiteral(".htm"))
            givenInFull.append(entry->samplePage);
        // The address is the site's address and the page, nothing else.
        QCOMPARE(entry->sampleUrl(QStringLiteral("file:///x/site")),
                 QStringLiteral("file:///x/site/tagloom/samples/") + entry->samplePage);
    }
    QCOMPARE(withPage, 192);
    const QMap<QString, int> expected = {
        {"StatusBar", 7},     {"TextEffects", 15}, {"ImageSound", 29},   {"Links", 16},
        {"MouseCursors", 10}, {"Random", 5},       {"Forms", 14},        {"MathRelated", 9},
        {"Clocks", 21},       {"Security", 10},    {"SearchEngines", 8}, {"Browser", 14},
        {"Menus", 15},        {"Redirection", 1},  {"UserInfo", 10},     {"Other", 8}};
    QCOMPARE(byFolder, expected);
    givenInFull.sort();
    const QStringList six = {"Menus/sub13/menu.html",  "Menus/sub6/sub6.htm",
                             "SearchEngines/sub1.htm", "SearchEngines/xsearch-5.2.htm",
                             "Security/sub3/sub3.htm", "Security/sub7/sub7.htm"};
    QCOMPARE(givenInFull, six);
    QVERIFY(!m_catalogue.entry(QStringLiteral("frmText16"))->hasSample());
    QCOMPARE(m_catalogue.entry(QStringLiteral("frmText16"))->sampleUrl(QStringLiteral("x")),
             QString());
}

void TestCatalogueStructure::instructionTexts() {
    for (const ScriptEntry* entry : m_catalogue.entries()) {
        for (const EntryBlock& block : entry->blocks) {
            const QByteArray where = entry->formName.toUtf8();
            const QString standard = EntryBlock::standardInstruction(block.kind);
            if (!standard.isEmpty()) {
                QVERIFY2(block.instruction == standard, where.constData());
                QVERIFY2(!block.code.isEmpty(), where.constData());
            } else if (block.kind == EntryBlock::Kind::C) {
                QVERIFY2(block.instruction.isEmpty(), where.constData());
            } else {
                // X and N blocks carry an instruction of their own.
                QVERIFY2(!block.instruction.trimmed().isEmpty(), where.constData());
            }
            if (block.kind == EntryBlock::Kind::N)
                QVERIFY2(block.code.isEmpty(), where.constData());
        }
        QVERIFY2(entry->description.size() <= 441, entry->formName.toUtf8().constData());
        QVERIFY2(!entry->description.contains(QLatin1Char('\n')),
                 entry->formName.toUtf8().constData());
    }
}

void TestCatalogueStructure::filesAreCodePage1252WithoutCarriageReturns() {
    int files = 0;
    QDirIterator it(QStringLiteral(":/catalogue/content"), QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        ++files;
        QVERIFY2(!bytes.contains('\r'), qPrintable(path + QStringLiteral(": carriage return")));
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(bytes);
        QVERIFY2(!decoder.hasError(), qPrintable(path + QStringLiteral(": not UTF-8")));
        int line = 1;
        for (const char32_t c : text.toUcs4()) {
            if (c == U'\n')
                ++line;
            QVERIFY2(inCodePage1252(c),
                     qPrintable(QStringLiteral("%1:%2: U+%3 is not in code page 1252")
                                    .arg(path)
                                    .arg(line)
                                    .arg(uint(c), 4, 16, QLatin1Char('0'))));
        }
    }
    QVERIFY(files >= 208);
}

void TestCatalogueStructure::codePageCheckRejectsWhatItMust() {
    QVERIFY(inCodePage1252(U'\u20AC'));  // euro sign
    QVERIFY(inCodePage1252(U'\u201C'));  // curly quote
    QVERIFY(inCodePage1252(U'\u00E9'));  // e acute
    QVERIFY(!inCodePage1252(U'\u2192')); // arrow
    QVERIFY(!inCodePage1252(U'\u0081')); // undefined in 1252
    QVERIFY(!inCodePage1252(U'\u4E2D'));
    QVERIFY(!inCodePage1252(char32_t(0x1F600)));
}

QTEST_GUILESS_MAIN(TestCatalogueStructure)
#include "tst_cataloguestructure.moc"
