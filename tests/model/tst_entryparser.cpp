// SPDX-License-Identifier: GPL-3.0-or-later
// The entry format's rules as the parser enforces them: the text rules, real line numbers in
// every error, sample paths that stay inside the site, the viewer keys, and a few hundred
// generated variants of a valid file that must either parse into a sound entry or fail with a
// located message.
#include "model/catalogue.h"
#include "model/entryparser.h"
#include "model/secondarywindows.h"
#include "model/textrules.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kFile = QStringLiteral("Folder/frmTest1.txt");

const QByteArray kValid =
    "title: Test Entry\n"
    "window: frmTest1\n"
    "caption: Test Effects 1\n"
    "sample: Folder/sub1.htm\n"
    "height: 5580\n"
    "extra: frmTextover\n"
    "description: Caf\xc3\xa9 \xe2\x80\x9cquotes\xe2\x80\x9d and \xe2\x82\xac.\n"
    "\n"
    "@@ H\n"
    "<script>var a = 1;</script>\n"
    "@@ X Put this where the text goes:\n"
    "<div id=\"x\"></div>\n"
    "@@ N Copy the pictures too.\n"
    "@@ demo\n"
    "<p>demo</p>\n";

// The line an error names, or -1 when the message does not start with "<file>:<line>: ".
int errorLine(const QString& error, const QString& fileName = kFile) {
    static const QRegularExpression located(QStringLiteral("^(.*):(\\d+): \\S"));
    const QRegularExpressionMatch match = located.match(error);
    if (!match.hasMatch() || match.captured(1) != fileName)
        return -1;
    return match.captured(2).toInt();
}

int lineCount(const QByteArray& bytes) {
    return int(bytes.count('\n')) + (bytes.endsWith('\n') ? 0 : 1);
}

bool allInCodePage1252(const QString& text) {
    const QList<uint> codes = text.toUcs4();
    return std::all_of(codes.begin(), codes.end(),
                       [](uint c) { return TextRules::inCodePage1252(char32_t(c)); });
}

} // namespace

class TestEntryParser : public QObject {
    Q_OBJECT
private slots:
    void validFileParses();
    void brokenTextIsRefusedAtItsLine_data();
    void brokenTextIsRefusedAtItsLine();
    void structureErrorsNameARealLine_data();
    void structureErrorsNameARealLine();
    void samplePathsStayInsideTheSite();
    void viewerKeys();
    void manyBlocksAfterADemoSection();
    void generatedVariants();
    void secondaryTextsKeepTheSameRules();

private:
    void refusedAtItsLine();
};

void TestEntryParser::validFileParses() {
    const EntryParser::Result r = EntryParser::parseFile(kValid, kFile);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.entry.description, QString::fromUtf8("Caf\xc3\xa9 \xe2\x80\x9cquotes\xe2\x80\x9d "
                                                    "and \xe2\x82\xac."));
    QCOMPARE(r.entry.blocks.size(), 3);
    QCOMPARE(r.entry.demo, QStringLiteral("<p>demo</p>"));
    QCOMPARE(r.keyLines.value(QStringLiteral("window")), 2);
    QCOMPARE(r.keyLines.value(QStringLiteral("description")), 7);
    // The standard window unless the file says otherwise.
    QVERIFY(r.entry.quirks.codeHeading);
    QVERIFY(!r.entry.quirks.reverseTabOrder && !r.entry.quirks.separateBrowser);
    QVERIFY(!r.entry.quirks.tallBackground);
    QCOMPARE(r.entry.quirks.addressBoxName, QStringLiteral("txtURL"));
}

void TestEntryParser::brokenTextIsRefusedAtItsLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    const auto at = [](int line, const QByteArray& insert) {
        QList<QByteArray> lines = kValid.split('\n');
        lines[line - 1].append(insert);
        return lines.join('\n');
    };
    QTest::newRow("NUL") << at(10, QByteArray(1, '\0')) << 10 << QStringLiteral("NUL");
    QTest::newRow("lone continuation byte") << at(12, "\x80") << 12 << QStringLiteral("UTF-8");
    QTest::newRow("0xFF") << at(1, "\xff") << 1 << QStringLiteral("UTF-8");
    QTest::newRow("cut sequence") << at(7, "\xe2\x82") << 7 << QStringLiteral("UTF-8");
    QTest::newRow("overlong slash") << at(4, "\xc0\xaf") << 4 << QStringLiteral("UTF-8");
    QTest::newRow("encoded surrogate") << at(3, "\xed\xa0\x80") << 3 << QStringLiteral("UTF-8");
    QTest::newRow("arrow") << at(7, "\xe2\x86\x92") << 7 << QStringLiteral("U+2192");
    QTest::newRow("emoji") << at(10, "\xf0\x9f\x98\x80") << 10 << QStringLiteral("U+1F600");
    QTest::newRow("C1 control") << at(5, "\xc2\x81") << 5 << QStringLiteral("U+0081");
    QTest::newRow("byte order mark")
        << QByteArray("\xef\xbb\xbf") + kValid << 1 << QStringLiteral("U+FEFF");
    QTest::newRow("carriage return") << at(13, "\r") << 13 << QStringLiteral("carriage return");
}

// The current row's file is refused, at its line and with its message.
void TestEntryParser::refusedAtItsLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, message);
    const EntryParser::Result r = EntryParser::parseFile(bytes, kFile);
    QVERIFY(!r.ok);
    QCOMPARE(errorLine(r.error), line);
    QVERIFY2(r.error.contains(message), qPrintable(r.error));
}

void TestEntryParser::brokenTextIsRefusedAtItsLine() {
    refusedAtItsLine();
}

void TestEntryParser::structureErrorsNameARealLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    QByteArray noCaption = kValid;
    noCaption.replace("caption: Test Effects 1\n", "");
    QTest::newRow("missing key: where the header ends") << noCaption << 8 << "missing key";
    QTest::newRow("empty file") << QByteArray() << 1 << "missing key";
    QTest::newRow("header only")
        << QByteArray("title: a\nwindow: b\ncaption: c\nheight: 1\ndescription:\n") << 5
        << "1 to 4 blocks";
    QByteArray five = kValid;
    five.replace("@@ demo\n", "@@ C\na\n@@ C\nb\n@@ demo\n");
    QTest::newRow("fifth block") << five << 16 << "1 to 4 blocks";
    QByteArray longText = kValid;
    longText.replace("description: ", "description: " + QByteArray(441, 'x'));
    QTest::newRow("long description") << longText << 7 << "description longer";
    QTest::newRow("block after demo") << kValid + "@@ B\nx\n" << 16 << "after a demo";
    QByteArray duplicate = kValid;
    duplicate.replace("height: 5580\n", "height: 5580\nheight: 10\n");
    QTest::newRow("duplicate key") << duplicate << 6 << "duplicate key";
    QByteArray extra = kValid;
    extra.replace("extra: frmTextover", "extra: frmNothing");
    QTest::newRow("unknown extra window") << extra << 6 << "unknown extra window";
    QByteArray noCode = kValid;
    noCode.replace("<script>var a = 1;</script>\n", "\n");
    QTest::newRow("block without code") << noCode << 9 << "has no code";
}

void TestEntryParser::structureErrorsNameARealLine() {
    refusedAtItsLine();
}

void TestEntryParser::samplePathsStayInsideTheSite() {
    for (const char* bad :
         {"../x.htm", "Folder/../../x.htm", "/etc/x.htm", "Folder//x.htm", "./x.htm", "Folder/.",
          "Folder\\..\\x.htm", "C:x.htm", "file:///x.htm", "Folder/"}) {
        QVERIFY2(!EntryParser::isSafeSamplePath(QString::fromLatin1(bad)), bad);
        QByteArray bytes = kValid;
        bytes.replace("sample: Folder/sub1.htm", QByteArray("sample: ") + bad);
        const EntryParser::Result r = EntryParser::parseFile(bytes, kFile);
        QVERIFY2(!r.ok, bad);
        QCOMPARE(errorLine(r.error), 4);
    }
    for (const char* good : {"Folder/sub1.htm", "x.htm", "A/B/c-d_e.html", "Folder/..x.htm"})
        QVERIFY2(EntryParser::isSafeSamplePath(QString::fromLatin1(good)), good);
}

void TestEntryParser::viewerKeys() {
    QByteArray bytes = kValid;
    bytes.replace("height: 5580\n", "height: 5580\ncode-heading: no\ntab-order: reverse\n"
                                    "sample-browser: separate\nbackground: tall\n"
                                    "address-box: Text2\n");
    const EntryParser::Result r = EntryParser::parseFile(bytes, kFile);
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(!r.entry.quirks.codeHeading);
    QVERIFY(r.entry.quirks.reverseTabOrder);
    QVERIFY(r.entry.quirks.separateBrowser);
    QVERIFY(r.entry.quirks.tallBackground);
    QCOMPARE(r.entry.quirks.addressBoxName, QStringLiteral("Text2"));

    // A value the program does not know is an error at its line, not the default.
    for (const char* wrong : {"code-heading: maybe", "tab-order: up", "sample-browser: popup",
                              "background: Tall", "address-box: Text1"}) {
        QByteArray one = kValid;
        one.replace("height: 5580\n", QByteArray("height: 5580\n") + wrong + "\n");
        const EntryParser::Result refused = EntryParser::parseFile(one, kFile);
        QVERIFY2(!refused.ok, wrong);
        QCOMPARE(errorLine(refused.error), 6);
    }
}

void TestEntryParser::manyBlocksAfterADemoSection() {
    // Each block is checked against what came before it once, not against every earlier
    // section: a long file of blocks is refused at its first misplaced block.
    QByteArray bytes = kValid;
    for (int i = 0; i < 80000; ++i)
        bytes += "@@ C\nx\n";
    const EntryParser::Result r = EntryParser::parseFile(bytes, kFile);
    QVERIFY(!r.ok);
    QCOMPARE(errorLine(r.error), 16);
}

void TestEntryParser::generatedVariants() {
    // Mutations of the valid file, the kinds that found faults before: stray bytes, characters
    // outside the code page, NUL, line breaks moved, lines lost or doubled, markers and keys
    // typed where they do not belong.
    const QList<QByteArray> pieces{QByteArray(1, '\0'),
                                   "\xff",
                                   "\x80",
                                   "\xc3",
                                   "\xe2\x86\x92",
                                   "\xf0\x9f\x98\x80",
                                   "\r",
                                   "\n",
                                   "@@ ",
                                   "@@ X",
                                   "@@ demo\n",
                                   ":",
                                   "sample: ../up.htm\n",
                                   "height: 0\n",
                                   "\xc2\xa0",
                                   "\xe2\x82\xac",
                                   "extra: frmTextover\n",
                                   "status: todo\n",
                                   "\t"};
    QRandomGenerator random(20261209);
    int accepted = 0;
    for (int n = 0; n < 400; ++n) {
        QByteArray bytes = kValid;
        const int steps = 1 + random.bounded(3);
        for (int s = 0; s < steps; ++s) {
            const int at = random.bounded(int(bytes.size()) + 1);
            switch (random.bounded(4)) {
            case 0:
                bytes.insert(at, pieces.at(random.bounded(int(pieces.size()))));
                break;
            case 1:
                bytes.remove(at, random.bounded(40));
                break;
            case 2:
                bytes.insert(at, bytes.mid(random.bounded(int(bytes.size()) + 1), 30));
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        const QByteArray name = "case " + QByteArray::number(n) + ": " + bytes.toPercentEncoding();
        const EntryParser::Result r = EntryParser::parseFile(bytes, kFile);
        if (!r.ok) {
            const int line = errorLine(r.error);
            QVERIFY2(line >= 1 && line <= std::max(1, lineCount(bytes)),
                     qPrintable(r.error + QStringLiteral(" / ") + QString::fromLatin1(name)));
            continue;
        }
        ++accepted;
        QStringDecoder strict(QStringDecoder::Utf8);
        const QString decoded = strict.decode(bytes);
        QVERIFY2(!strict.hasError(), name.constData());
        QVERIFY2(!bytes.contains('\0') && !bytes.contains('\r'), name.constData());
        QVERIFY2(allInCodePage1252(decoded), name.constData());
        const ScriptEntry& e = r.entry;
        QVERIFY2(e.samplePage.isEmpty() || EntryParser::isSafeSamplePath(e.samplePage),
                 name.constData());
        QVERIFY2(e.blocks.size() >= 1 && e.blocks.size() <= 4, name.constData());
        QVERIFY2(e.description.size() <= 441 && e.height > 0, name.constData());
        QVERIFY2(e.extraWindow.isEmpty() || SecondaryWindows::find(e.extraWindow),
                 name.constData());
    }
    // The mutations leave some files valid, so both paths are exercised.
    QVERIFY(accepted > 0 && accepted < 400);
}

void TestEntryParser::secondaryTextsKeepTheSameRules() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("secondary")));
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(QStringLiteral("secondary/") + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(QStringLiteral("frmAdditionalImage6.txt"), "fine\nline two\n");
    write(QStringLiteral("frmImage7instructions.txt"), "fine\nbad \xe2\x86\x92 arrow\n");
    write(QStringLiteral("frmTextover.txt"), "text\n");
    write(QStringLiteral("frmTextover.note.txt"), QByteArray("one\ntwo\nNUL\0here\n", 17));
    const Catalogue catalogue(dir.path());
    const QStringList errors = catalogue.errors();
    const QString root = dir.path() + QStringLiteral("/secondary/");
    const auto reported = [&](const QString& file) {
        for (const QString& error : errors) {
            if (error.startsWith(root + file + QLatin1Char(':')))
                return errorLine(error, root + file);
        }
        return -1;
    };
    QCOMPARE(reported(QStringLiteral("frmImage7instructions.txt")), 2);
    QCOMPARE(reported(QStringLiteral("frmTextover.note.txt")), 3);
    QCOMPARE(reported(QStringLiteral("frmAdditionalImage6.txt")), -1);
    QCOMPARE(catalogue.secondaryText(QStringLiteral("frmAdditionalImage6")),
             QStringLiteral("fine\nline two"));
    // A text that breaks the rules is not shown at all.
    QCOMPARE(catalogue.secondaryText(QStringLiteral("frmImage7instructions")), QString());
}

QTEST_GUILESS_MAIN(TestEntryParser)
#include "tst_entryparser.moc"
