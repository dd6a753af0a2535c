// SPDX-License-Identifier: GPL-3.0-or-later
// Putting snippets into page bytes and taking them out again, without any file.
#include "model/catalogue.h"
#include "model/linediff.h"
#include "model/pageinsertion.h"
#include "model/pagescanner.h"

#include <QtTest>

namespace {

using Place = PageSnippet::Place;

const QByteArray kPlain = "<!DOCTYPE html>\n<html>\n<head>\n  <title>Mine</title>\n</head>\n"
                          "<body>\n<p>Hello.</p>\n</body>\n</html>\n";

PageSnippet snippet(const QString& title, const QList<PageSnippet::Piece>& pieces) {
    PageSnippet s;
    s.title = title;
    s.pieces = pieces;
    return s;
}

const PageSnippet kClock =
    snippet(QStringLiteral("Clock"),
            {{Place::Head, QStringLiteral("<script>\nfunction tick() {}\n</script>")},
             {Place::BodyTag, QStringLiteral("onload=\"tick()\"")},
             {Place::BodyStart, QStringLiteral("<div id=\"top\"></div>")},
             {Place::BodyEnd, QStringLiteral("<div id=\"clock\"></div>")}});

QByteArray inserted(const QByteArray& page, const PageSnippet& s) {
    const PageChange change = PageInsertion::insert(page, s);
    if (!change.ok)
        qWarning() << change.error;
    return change.after;
}

QByteArray removed(const QByteArray& page, const QString& title) {
    const PageChange change = PageInsertion::remove(page, title);
    if (!change.ok)
        qWarning() << change.error;
    return change.after;
}

} // namespace

class TestPageInsertion : public QObject {
    Q_OBJECT
private slots:
    void eachPlaceGetsItsCode();
    void roundTripKeepsEveryByte_data();
    void roundTripKeepsEveryByte();
    void bodyAttributesAreCombined_data();
    void bodyAttributesAreCombined();
    void removingOneSnippetLeavesAnothersAttributes();
    void encodingAndLineEndingsAreKept();
    void scriptsAndStylesGetTheirOwnEscapes();
    void missingPlacesAreSaidInRemarks();
    void wholePagesAndUnknownTitlesAreRefused();
    void scannerIgnoresTagsInsideScriptsCommentsAndQuotes();
    void diffShowsOnlyTheChangedPlaces();
    void diffIsAShortestEditThatRebuildsBothSides();
    void everyCatalogueEntryComesOutAgainByteForByte();
};

void TestPageInsertion::eachPlaceGetsItsCode() {
    const QString page = QString::fromUtf8(inserted(kPlain, kClock));
    const qsizetype head = page.indexOf(QLatin1String("function tick()"));
    const qsizetype headEnd = page.indexOf(QLatin1String("</head>"));
    const qsizetype top = page.indexOf(QLatin1String("<div id=\"top\">"));
    const qsizetype hello = page.indexOf(QLatin1String("<p>Hello.</p>"));
    const qsizetype clock = page.indexOf(QLatin1String("<div id=\"clock\">"));
    const qsizetype bodyEnd = page.indexOf(QLatin1String("</body>"));
    QVERIFY(head > 0 && head < headEnd);
    QVERIFY(headEnd < top && top < hello && hello < clock && clock < bodyEnd);
    QVERIFY(page.contains(QLatin1String("<body onload=\"tick()\">")));
    QCOMPARE(page.count(QLatin1String("<!-- Tagloom: Clock -->")), 3);
    QCOMPARE(page.count(QLatin1String("<!-- /Tagloom: Clock -->")), 3);
    // The head code sits on lines of its own, above the indented-or-not </head> line.
    QVERIFY(page.contains(QLatin1String("<!-- /Tagloom: Clock -->\n</head>")));
    QVERIFY(PageInsertion::contains(page.toUtf8(), QStringLiteral("Clock")));
    QVERIFY(!PageInsertion::contains(kPlain, QStringLiteral("Clock")));
}

void TestPageInsertion::roundTripKeepsEveryByte_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("plain") << kPlain;
    QTest::newRow("crlf") << QByteArray(kPlain).replace("\n", "\r\n");
    QTest::newRow("no final line break") << QByteArray(kPlain).chopped(1);
    QTest::newRow("one line") << QByteArray(
        "<html><head><title>x</title></head><body><p>x</p></body></html>");
    QTest::newRow("upper case, indented")
        << QByteArray("<HTML>\n  <HEAD>\n    <TITLE>x</TITLE>\n  </HEAD>\n  <BODY BGCOLOR=white>\n"
                      "    <P>x\n  </BODY>\n</HTML>\n");
    QTest::newRow("no head") << QByteArray("<html>\n<body>\n<p>x</p>\n</body>\n</html>\n");
    QTest::newRow("no html, no head") << QByteArray("<body>\n<p>x</p>\n</body>\n");
    QTest::newRow("fragment") << QByteArray("<p>just a paragraph</p>\n");
    QTest::newRow("fragment without line break") << QByteArray("<p>just a paragraph</p>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no end tags") << QByteArray("<html><head><title>x</title><body><p>x");
    QTest::newRow("self-closing body tag bits") << QByteArray(
        "<html><head></head><body class='a' onload='start()' />\n<p>x</p></body></html>");
    QTest::newRow("mixed line endings")
        << QByteArray("<html>\r\n<head>\n</head>\r\n<body>\n<p>x</p>\r\n</body>\n</html>");
    QTest::newRow("marker") << QByteArray(kPlain).replace("<p>Hello.</p>",
                                                          "<p>Hi <!-- tagloom --></p>");
    QTest::newRow("invalid utf-8 outside")
        << QByteArray(kPlain).replace("Hello.", "Hel\xff\xfelo.");
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF") + kPlain;
}

void TestPageInsertion::roundTripKeepsEveryByte() {
    QFETCH(QByteArray, page);
    const QByteArray once = inserted(page, kClock);
    QVERIFY(once != page);
    QCOMPARE(inserted(once, kClock), once);
    QCOMPARE(removed(once, kClock.title), page);

    // Another snippet in between is left alone by both the second insertion and the removal.
    const PageSnippet other =
        snippet(QStringLiteral("Other"), {{Place::Head, QStringLiteral("<style></style>")},
                                          {Place::BodyEnd, QStringLiteral("<b>o</b>")},
                                          {Place::BodyTag, QStringLiteral("onload=\"o()\"")}});
    const QByteArray both = inserted(once, other);
    const QByteArray again = inserted(both, kClock);
    QCOMPARE(again.count("<!-- Tagloom: Clock -->"), both.count("<!-- Tagloom: Clock -->"));
    QCOMPARE(again.count("tick()"), both.count("tick()"));
    QCOMPARE(removed(removed(both, kClock.title), other.title), page);
    QCOMPARE(removed(removed(again, other.title), kClock.title), page);
}

void TestPageInsertion::bodyAttributesAreCombined_data() {
    QTest::addColumn<QByteArray>("bodyTag");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("none") << QByteArray("<body>") << QByteArray("<body onload=\"tick()\">");
    QTest::newRow("other attribute")
        << QByteArray("<body class=\"x\">") << QByteArray("<body class=\"x\" onload=\"tick()\">");
    QTest::newRow("existing handler")
        << QByteArray("<body onload=\"a()\">") << QByteArray("<body onload=\"a(); tick()\">");
    QTest::newRow("existing handler ends with ;")
        << QByteArray("<body onLoad=\"a();\">") << QByteArray("<body onLoad=\"a(); tick()\">");
    QTest::newRow("single quotes")
        << QByteArray("<BODY ONLOAD='a(\"x\")'>") << QByteArray("<BODY ONLOAD='a(\"x\"); tick()'>");
    QTest::newRow("unquoted") << QByteArray("<body onload=a()>")
                              << QByteArray("<body onload=\"a(); tick()\">");
    QTest::newRow("empty handler")
        << QByteArray("<body onload=\"\">") << QByteArray("<body onload=\"tick()\">");
    QTest::newRow("spread over lines") << QByteArray("<body\n  onload = \"a()\"\n  class=x>")
                                       << QByteArray("<body\n  onload=\"a(); tick()\"\n  class=x>");
}

void TestPageInsertion::bodyAttributesAreCombined() {
    QFETCH(QByteArray, bodyTag);
    QFETCH(QByteArray, expected);
    const QByteArray page = QByteArray(kPlain).replace("<body>", bodyTag);
    const PageSnippet s =
        snippet(QStringLiteral("Clock"), {{Place::BodyTag, QStringLiteral("onload=\"tick()\"")}});
    const QByteArray once = inserted(page, s);
    QVERIFY2(once.contains(expected), once.constData());
    QCOMPARE(once.count("tick()"), 1);
    QCOMPARE(inserted(once, s), once);
    QCOMPARE(removed(once, s.title), page);
}

void TestPageInsertion::removingOneSnippetLeavesAnothersAttributes() {
    const PageSnippet first =
        snippet(QStringLiteral("First"), {{Place::BodyTag, QStringLiteral("onload=\"one()\"")}});
    const PageSnippet second =
        snippet(QStringLiteral("Second"), {{Place::BodyTag, QStringLiteral("onload=\"two()\"")}});
    const QByteArray page = QByteArray(kPlain).replace("<body>", "<body onload=\"mine()\">");
    const QByteArray both = inserted(inserted(page, first), second);
    QVERIFY(both.contains("onload=\"mine(); one(); two()\""));
    const QByteArray withoutFirst = removed(both, first.title);
    QVERIFY2(withoutFirst.contains("onload=\"mine(); two()\""), withoutFirst.constData());
    QCOMPARE(removed(withoutFirst, second.title), page);
}

void TestPageInsertion::encodingAndLineEndingsAreKept() {
    // Windows-1252 with CR LF: the euro sign is one byte there, the check mark is not.
    const QByteArray page =
        "<html>\r\n<head>\r\n<meta charset=\"windows-1252\">\r\n<title>Caf\xE9</title>\r\n"
        "</head>\r\n<body>\r\n<p>\x80 5</p>\r\n</body>\r\n</html>\r\n";
    const PageSnippet s = snippet(
        QStringLiteral("Price \u2713"),
        {{Place::BodyEnd, QStringLiteral("<p>\u20AC 7, na\u00EFve \u2713</p>\n<p>two</p>")}});
    const PageChange change = PageInsertion::insert(page, s);
    QVERIFY(change.ok);
    QCOMPARE(change.encodingName, QStringLiteral("Windows-1252"));
    QVERIFY(change.after.contains("<p>\x80 7, na\xEFve &#10003;</p>\r\n<p>two</p>"));
    QVERIFY(change.after.contains("<!-- Tagloom: Price &#10003; -->"));
    QCOMPARE(change.after.count("\n"), change.after.count("\r\n"));
    QVERIFY(change.diff().contains(QStringLiteral("+<p>\u20AC 7, na\u00EFve &#10003;</p>")));
    QCOMPARE(removed(change.after, s.title), page);

    const QByteArray utf8 = inserted(kPlain, s);
    QVERIFY(utf8.contains("<p>\xE2\x82\xAC 7, na\xC3\xAFve \xE2\x9C\x93</p>\n<p>two</p>"));

    // A UTF-16 page keeps its byte order mark and stays UTF-16.
    const QString text = QString::fromUtf8(kPlain);
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QByteArray wide = inserted(utf16, s);
    QVERIFY(wide.startsWith("\xFF\xFE"));
    const QString back = QString::fromUtf16(reinterpret_cast<const char16_t*>(wide.constData() + 2),
                                            (wide.size() - 2) / 2);
    QVERIFY(back.contains(QStringLiteral("<p>\u20AC 7, na\u00EFve \u2713</p>")));
    QCOMPARE(removed(wide, s.title), utf16);
}

void TestPageInsertion::scriptsAndStylesGetTheirOwnEscapes() {
    // An entity means nothing inside <script> or <style>: there the check mark, the Japanese
    // text and the emoji must keep their meaning in the page's own Windows-1252.
    const QByteArray page = "<html><head><meta charset=\"windows-1252\"></head>\n"
                            "<body>\n</body></html>\n";
    const PageSnippet s = snippet(
        QStringLiteral("Greeting"),
        {{Place::Head, QStringLiteral(u"<style>p::after { content: '\u2713'; }</style>")},
         {Place::BodyEnd,
          QStringLiteral(u"<p title=\"\u65e5\">caf\u00e9 \u65e5</p>\n<SCRIPT type=\"module\">\n"
                         u"const hello = 'caf\u00e9 \u65e5\u672c \U0001F600'; // \u2713\n"
                         u"</SCRIPT>\n<p>\u2713</p>")}});
    const QByteArray after = inserted(page, s);
    QVERIFY2(after.contains("<style>p::after { content: '\\002713'; }</style>"), after.constData());
    QVERIFY(after.contains("<p title=\"&#26085;\">caf\xE9 &#26085;</p>"));
    QVERIFY(after.contains("const hello = 'caf\xE9 \\u65e5\\u672c \\ud83d\\ude00'; // "
                           "\\u2713\n</SCRIPT>\n<p>&#10003;</p>"));
    QCOMPARE(removed(after, s.title), page);

    // A page that holds every character gets the code exactly as it is.
    QVERIFY(inserted(kPlain, s).contains(s.pieces.at(1).code.toUtf8()));
}

void TestPageInsertion::missingPlacesAreSaidInRemarks() {
    const PageSnippet anywhere =
        snippet(QStringLiteral("Box"), {{Place::Anywhere, QStringLiteral("<div></div>")}});
    PageChange change = PageInsertion::insert(kPlain, anywhere);
    QVERIFY(change.remarks.join(' ').contains(QLatin1String("no <!-- tagloom --> marker")));
    QVERIFY(change.after.contains("<!-- /Tagloom: Box -->\n</body>"));

    const QByteArray marked =
        QByteArray(kPlain).replace("<p>Hello.</p>", "<p>Hello.</p><!-- tagloom -->");
    change = PageInsertion::insert(marked, anywhere);
    QVERIFY(change.remarks.isEmpty());
    QVERIFY2(change.after.contains("<!-- tagloom -->\n<!-- Tagloom: Box -->\n<div></div>\n<!-- "
                                   "/Tagloom: Box -->\n</body>"),
             change.after.constData());

    change = PageInsertion::insert("<p>x</p>\n", kClock);
    QVERIFY(change.ok);
    const QString remarks = change.remarks.join(' ');
    QVERIFY(remarks.contains(QLatin1String("end of the document")));
    QVERIFY(remarks.contains(QLatin1String("no <BODY> tag: add onload=\"tick()\"")));
    QVERIFY(change.after.startsWith("<p>x</p>\n<!-- Tagloom: Clock -->"));

    change = PageInsertion::insert("<html>\n<body>\n</body>\n</html>\n", kClock);
    QVERIFY(change.remarks.join(' ').contains(QLatin1String("no <HEAD> section")));
    QVERIFY(change.after.contains("<html>\n<!-- Tagloom: Clock -->\n<head>\n<script>"));
}

void TestPageInsertion::wholePagesAndUnknownTitlesAreRefused() {
    PageSnippet page;
    page.title = QStringLiteral("Whole");
    page.newPages.append({QString(), QStringLiteral("<html></html>")});
    PageChange change = PageInsertion::insert(kPlain, page);
    QVERIFY(!change.ok);
    QVERIFY(change.error.contains(QLatin1String("save it as a new page")));

    change = PageInsertion::remove(kPlain, QStringLiteral("Clock"));
    QVERIFY(!change.ok);
    QVERIFY(change.error.contains(QLatin1String("not in this page")));

    change = PageInsertion::insert(QByteArray("GIF89a\0\0\x01", 9), kClock);
    QVERIFY(!change.ok);
    QVERIFY(change.error.contains(QLatin1String("binary")));
}

void TestPageInsertion::scannerIgnoresTagsInsideScriptsCommentsAndQuotes() {
    const QString page =
        QStringLiteral("<html><head><!-- </head> in a comment -->\n"
                       "<script>var s = '</head><body></body>'; if (a <b) {}</script>\n"
                       "<style>p::after { content: '</head>'; }</style>\n"
                       "<title></head></title>\n"
                       "</HEAD >\n"
                       "<body data-x='a > b' onload=\"go('>')\">\n"
                       "<textarea></body></textarea>\n"
                       "</body>\n</html>");
    const PageScanner::Layout layout = PageScanner::scan(page);
    QCOMPARE(page.mid(layout.headEnd.start, layout.headEnd.length()), QStringLiteral("</HEAD >"));
    QVERIFY(
        page.mid(layout.bodyStart.start, layout.bodyStart.length()).endsWith(QLatin1String("\">")));
    QCOMPARE(layout.bodyEnd.start, page.lastIndexOf(QLatin1String("</body>")));
    const QList<PageScanner::Attribute> attributes =
        PageScanner::attributes(page, layout.bodyStart);
    QCOMPARE(attributes.size(), 2);
    QCOMPARE(attributes.at(1).name, QStringLiteral("onload"));
    QCOMPARE(page.mid(attributes.at(1).value.start, attributes.at(1).value.length()),
             QStringLiteral("go('>')"));

    QCOMPARE(
        PageScanner::scan(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                         "charset=ISO-8859-1\">"))
            .charset,
        QStringLiteral("ISO-8859-1"));
}

void TestPageInsertion::diffShowsOnlyTheChangedPlaces() {
    QByteArray page = "<html>\n<head>\n</head>\n<body>\n";
    for (int i = 0; i < 200; ++i)
        page += "<p>line " + QByteArray::number(i) + "</p>\n";
    page += "</body>\n</html>\n";
    const PageChange change = PageInsertion::insert(page, kClock);
    const QString diff = change.diff(2);
    QCOMPARE(diff.count(QLatin1String("@@ -")), 2);
    QVERIFY(diff.contains(QLatin1String("+function tick() {}")));
    QVERIFY(diff.contains(QLatin1String("-<body>\n+<body onload=\"tick()\">")));
    QVERIFY(!diff.contains(QLatin1String("line 100")));
    QVERIFY(diff.contains(QLatin1String(" <p>line 199</p>\n+<!-- Tagloom: Clock -->")));

    QCOMPARE(LineDiff::unified({"a", "b"}, {"a", "b"}), QString());
    QCOMPARE(LineDiff::unified({"a", "b", "c"}, {"a", "x", "c"}, 1),
             QStringLiteral("@@ -1,3 +1,3 @@\n a\n-b\n+x\n c\n"));
}

// Against a plain longest-common-subsequence count: the diff changes no line it could keep, and
// its lines give back both texts, over many small random pairs (equal ends, empty sides, repeats).
void TestPageInsertion::diffIsAShortestEditThatRebuildsBothSides() {
    QRandomGenerator random(17);
    for (int round = 0; round < 2000; ++round) {
        QStringList a, b;
        for (int i = int(random.bounded(9)); i > 0; --i)
            a.append(QString(QChar(u'a' + random.bounded(3))));
        for (int i = int(random.bounded(9)); i > 0; --i)
            b.append(QString(QChar(u'a' + random.bounded(3))));
        std::vector<std::vector<int>> common(size_t(a.size() + 1),
                                             std::vector<int>(size_t(b.size() + 1), 0));
        for (qsizetype i = a.size() - 1; i >= 0; --i)
            for (qsizetype j = b.size() - 1; j >= 0; --j)
                common[size_t(i)][size_t(j)] = a.at(i) == b.at(j)
                                                   ? common[size_t(i + 1)][size_t(j + 1)] + 1
                                                   : std::max(common[size_t(i + 1)][size_t(j)],
                                                              common[size_t(i)][size_t(j + 1)]);
        QStringList before, after;
        int changed = 0;
        const QStringList lines = LineDiff::unified(a, b, 100).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (line.isEmpty() || line.startsWith(QLatin1String("@@")))
                continue;
            if (line.at(0) != QLatin1Char('+'))
                before.append(line.mid(1));
            if (line.at(0) != QLatin1Char('-'))
                after.append(line.mid(1));
            changed += line.at(0) == QLatin1Char(' ') ? 0 : 1;
        }
        const QString pair = a.join(QString()) + QLatin1Char('/') + b.join(QString());
        QCOMPARE(changed, int(a.size() + b.size()) - 2 * common[0][0]);
        if (a != b) {
            QVERIFY2(before == a && after == b, qPrintable(pair));
        }
    }
}

void TestPageInsertion::everyCatalogueEntryComesOutAgainByteForByte() {
    Catalogue catalogue;
    const QByteArray page = QByteArray(kPlain).replace("<body>", "<body onload=\"mine()\">");
    int insertable = 0;
    for (const ScriptEntry* entry : catalogue.entries()) {
        const PageSnippet s = PageSnippet::fromEntry(*entry);
        if (!s.hasPieces())
            continue;
        ++insertable;
        const PageChange change = PageInsertion::insert(page, s);
        QVERIFY2(change.ok, qPrintable(entry->formName + ": " + change.error));
        QVERIFY2(PageInsertion::insert(change.after, s).after == change.after,
                 qPrintable(entry->formName));
        QVERIFY2(PageInsertion::remove(change.after, s.title).after == page,
                 qPrintable(entry->formName));
    }
    QVERIFY(insertable > 180);
}

QTEST_GUILESS_MAIN(TestPageInsertion)
#include "tst_pageinsertion.moc"
