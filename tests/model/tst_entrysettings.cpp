// SPDX-License-Identifier: GPL-3.0-or-later
// Settings sections read as data: every entry's section reads, writes back unchanged and takes
// a changed value in the right place; each type on a known entry; faulty sections named by
// line; awkward text written back as literals that read the same; the preview sandbox's rule.
#include "model/catalogue.h"
#include "model/customisedentry.h"
#include "model/entrysettings.h"
#include "model/previewpage.h"
#include "model/sandboxpolicy.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using EntrySettings::Setting;
using EntrySettings::Type;

Q_DECLARE_METATYPE(EntrySettings::Type)

namespace {

const Catalogue& catalogue() {
    static const Catalogue instance;
    return instance;
}

// A different value of the same type, for the mutation sweep.
QVariant changed(const Setting& setting) {
    switch (setting.type) {
    case Type::Number:
        return setting.value.toDouble() + 7;
    case Type::Boolean:
        return !setting.value.toBool();
    case Type::Colour:
        return setting.value.toString().compare(QLatin1String("#123456")) == 0
                   ? QStringLiteral("#654321")
                   : QStringLiteral("#123456");
    case Type::String:
        return setting.value.toString() + QStringLiteral(" it's \"new\" \\ </script>");
    case Type::StringList:
        return setting.value.toStringList() + QStringList{QStringLiteral("O'Neil \"x\"")};
    case Type::Other:
        break;
    }
    return {};
}

const Setting* find(const QList<Setting>& settings, const QString& name) {
    for (const Setting& setting : settings) {
        if (setting.name == name)
            return &setting;
    }
    return nullptr;
}

} // namespace

class TestEntrySettings : public QObject {
    Q_OBJECT
private slots:
    void everyEntry_readsAndWritesBackItsDefaultsByteForByte();
    void everySetting_changedValueLandsInItsOwnPlace();
    void knownEntries_typesRecognised_data();
    void knownEntries_typesRecognised();
    void faultySections_areReportedWithTheirLine_data();
    void faultySections_areReportedWithTheirLine();
    void entryFileCheck_countsLinesInTheFile();
    void awkwardStrings_writeBackAsLiteralsThatReadTheSame_data();
    void awkwardStrings_writeBackAsLiteralsThatReadTheSame();
    void handWrittenLiterals_escapesReadAsInScripts_data();
    void handWrittenLiterals_escapesReadAsInScripts();
    void customisedEntry_refusesValuesOfTheWrongTypeAndResets();
    void previewPage_tellsErrorsAtTheUsersLine();
    void sandboxPolicy_keepsPagesInsideTheSite();
};

void TestEntrySettings::everyEntry_readsAndWritesBackItsDefaultsByteForByte() {
    QVERIFY(catalogue().errors().isEmpty());
    int withSection = 0;
    int settings = 0;
    for (const ScriptEntry* entry : catalogue().entries()) {
        bool hasSection = false;
        for (int b = 0; b < entry->blocks.size(); ++b) {
            const QString& code = entry->blocks.at(b).code;
            const EntrySettings::Result result = EntrySettings::read(code, b);
            for (const EntrySettings::Error& error : result.errors)
                qWarning("%s block %d line %d: %s", qPrintable(entry->formName), b + 1, error.line,
                         qPrintable(error.message));
            QVERIFY2(result.errors.isEmpty(), qPrintable(entry->formName));
            hasSection = hasSection || result.sections > 0;
            settings += result.settings.size();
            QList<QVariant> defaults;
            for (const Setting& setting : result.settings)
                defaults.append(setting.value);
            QCOMPARE(EntrySettings::apply(code, result.settings, defaults), code);
            // Every marker line that opens a section is matched by one that closes it.
            QCOMPARE(code.count(QLatin1String("--- end of settings")), result.sections);
        }
        const CustomisedEntry customised(*entry);
        for (int b = 0; b < entry->blocks.size(); ++b)
            QCOMPARE(customised.customised().blocks.at(b).code, entry->blocks.at(b).code);
        if (hasSection)
            ++withSection;
    }
    QCOMPARE(withSection, 194);
    qInfo("settings read: %d", settings);
    QVERIFY(settings >= 650);
}

void TestEntrySettings::everySetting_changedValueLandsInItsOwnPlace() {
    int changedCount = 0;
    for (const ScriptEntry* entry : catalogue().entries()) {
        CustomisedEntry customised(*entry);
        for (int i = 0; i < customised.settings().size(); ++i) {
            const Setting& setting = customised.settings().at(i);
            const QVariant value = changed(setting);
            if (!value.isValid())
                continue;
            QVERIFY(customised.setValue(i, value));
            const QString code = customised.blockCode(setting.block);
            const EntrySettings::Result again = EntrySettings::read(code, setting.block);
            QVERIFY2(again.errors.isEmpty(),
                     qPrintable(entry->formName + QLatin1Char(' ') + setting.name));
            // The same settings in the same order; only this one holds another value.
            QList<Setting> before;
            for (const Setting& s : customised.settings()) {
                if (s.block == setting.block)
                    before.append(s);
            }
            QCOMPARE(again.settings.size(), before.size());
            for (int k = 0; k < before.size(); ++k) {
                QCOMPARE(again.settings.at(k).name, before.at(k).name);
                QCOMPARE(again.settings.at(k).type, before.at(k).type);
                const QVariant expected =
                    before.at(k).name == setting.name ? value : before.at(k).value;
                if (before.at(k).type == Type::Number)
                    QCOMPARE(again.settings.at(k).value.toDouble(), expected.toDouble());
                else if (before.at(k).type != Type::Other)
                    QCOMPARE(again.settings.at(k).value, expected);
            }
            customised.reset();
            ++changedCount;
        }
    }
    qInfo("settings changed and read back: %d", changedCount);
    QVERIFY(changedCount >= 600);
}

void TestEntrySettings::knownEntries_typesRecognised_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Type>("type");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("comment");
    QTest::newRow("number") << "frmRedirect2"
                            << "seconds" << Type::Number << QVariant(8.0) << "";
    QTest::newRow("string") << "frmRedirect2"
                            << "goText" << Type::String << QVariant(QStringLiteral("Go now")) << "";
    QTest::newRow("colour in a script")
        << "frmRedirect2"
        << "barColour" << Type::Colour << QVariant(QStringLiteral("#1f4e79")) << "";
    QTest::newRow("boolean with its comment")
        << "frmOther7"
        << "showStamp" << Type::Boolean << QVariant(true) << "show when this copy was loaded";
    QTest::newRow("list over several lines") << "frmOther4"
                                             << "findings" << Type::StringList << QVariant() << "";
    QTest::newRow("strings joined over two lines") << "frmStatus5"
                                                   << "message" << Type::String << QVariant() << "";
    QTest::newRow("style number with its unit")
        << "frmBrowser5"
        << "--clf-width" << Type::Number << QVariant(190.0) << "";
    QTest::newRow("style colour") << "frmBrowser12"
                                  << "--csb-thumb" << Type::Colour
                                  << QVariant(QStringLiteral("#c44536")) << "the part you drag";
    QTest::newRow("ordinary style declaration")
        << "frmMenus8"
        << "#sm3-wrap right" << Type::Other << QVariant() << "the corner: use left/top to move it";
    QTest::newRow("object") << "frmRedirect6"
                            << "pages" << Type::Other << QVariant() << "";
    QTest::newRow("function") << "frmClock14"
                              << "partOfDay" << Type::Other << QVariant() << "";
    QTest::newRow("markup in a page section") << "frmRedirect1"
                                              << "meta" << Type::Other << QVariant() << "";
}

void TestEntrySettings::knownEntries_typesRecognised() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(Type, type);
    QFETCH(QVariant, value);
    QFETCH(QString, comment);
    const ScriptEntry* entry = catalogue().entry(window);
    QVERIFY(entry);
    const CustomisedEntry customised(*entry);
    QVERIFY(customised.errors().isEmpty());
    const Setting* setting = find(customised.settings(), name);
    QVERIFY2(setting, qPrintable(name));
    QCOMPARE(setting->type, type);
    if (value.isValid())
        QCOMPARE(setting->value, value);
    if (!comment.isEmpty())
        QCOMPARE(setting->comment, comment);
    QVERIFY(!setting->label().isEmpty());
    // The line points at the setting itself.
    const QString line =
        entry->blocks.at(setting->block).code.split(QLatin1Char('\n')).value(setting->line - 1);
    QVERIFY2(line.contains(setting->css ? name.section(QLatin1Char(' '), -1) : name),
             qPrintable(line));
    if (type == Type::StringList)
        QCOMPARE(setting->value.toStringList().size(), 5);
    if (name == QLatin1String("message"))
        QVERIFY(setting->value.toString().contains(QLatin1String("walking routes")));
}

void TestEntrySettings::faultySections_areReportedWithTheirLine_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("line");
    QTest::newRow("no end marker")
        << "<script>\n  // --- settings: change these ---\n  const a = 1;\n"
           "</script>"
        << 2;
    QTest::newRow("end marker after code")
        << "<script>\n  // --- settings ---\n  const a = 1;\n  a++;\n  // --- end of settings ---"
        << 4;
    QTest::newRow("code inside") << "// --- settings: change these ---\nconst a = 1;\nalert(a);\n"
                                    "// --- end of settings ---"
                                 << 3;
    QTest::newRow("two statements") << "// --- settings ---\nconst a = 1; const b = 2;\n"
                                       "// --- end of settings ---"
                                    << 2;
    QTest::newRow("value never closed") << "// --- settings ---\nconst a = ['x',\n  'y';\n"
                                           "// --- end of settings ---"
                                        << 2;
    QTest::newRow("end without start") << "const a = 1;\n// --- end of settings ---" << 2;
    QTest::newRow("end in another form") << "/* --- settings --- */\n:root { --a: 1px; }\n"
                                            "// --- end of settings ---"
                                         << 3;
}

void TestEntrySettings::faultySections_areReportedWithTheirLine() {
    QFETCH(QString, code);
    QFETCH(int, line);
    const EntrySettings::Result result = EntrySettings::read(code);
    QVERIFY(!result.errors.isEmpty());
    QCOMPARE(result.errors.first().line, line);
}

void TestEntrySettings::entryFileCheck_countsLinesInTheFile() {
    const QString text =
        QStringLiteral("title: T\nwindow: frmX\n\n@@ B\n<p>hi</p>\n@@ H\n<script>\n"
                       "// --- settings: change these ---\nconst a = 1;\n</script>\n"
                       "@@ demo\n// --- settings ---\n");
    const QStringList problems = EntrySettings::checkEntryFile(text, QStringLiteral("x.txt"));
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().startsWith(QLatin1String("x.txt:8: ")), qPrintable(problems.first()));
}

void TestEntrySettings::awkwardStrings_writeBackAsLiteralsThatReadTheSame_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("quotes") << QStringLiteral("it's \"quoted\" and `ticked`");
    QTest::newRow("backslashes") << QStringLiteral("C:\\new\\table \\u0041 \\");
    QTest::newRow("end of script") << QStringLiteral("</script><script>alert(1)</script>");
    QTest::newRow("comment opener") << QStringLiteral("<!-- not a comment");
    QTest::newRow("non-Latin") << QStringLiteral(u"Привет, 世界 — ünïcödé ✓ 😀");
    QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree\u2028four\tfive");
    QTest::newRow("template placeholder") << QStringLiteral("${alert(1)} and $x");
    QTest::newRow("empty") << QString();
}

void TestEntrySettings::awkwardStrings_writeBackAsLiteralsThatReadTheSame() {
    QFETCH(QString, value);
    for (const QChar quote : {QLatin1Char('\''), QLatin1Char('"'), QLatin1Char('`')}) {
        const QString literal = EntrySettings::stringLiteral(value, quote);
        QString back;
        QVERIFY2(EntrySettings::readStringLiteral(literal, &back), qPrintable(literal));
        QCOMPARE(back, value);
        QVERIFY(!literal.contains(QLatin1String("</")));
        QVERIFY(!literal.contains(QLatin1String("<!--")));
        QVERIFY(!literal.contains(QLatin1Char('\n')));
    }
    // In place, inside a section, the code still reads with the value and nothing else moved.
    const QString code =
        QStringLiteral("<script>\n// --- settings: change these ---\nconst greeting = "
                       "\"Hello\"; // what to say\nconst after = 5;\n// --- end of "
                       "settings ---\n</script>");
    const EntrySettings::Result first = EntrySettings::read(code);
    QCOMPARE(first.settings.size(), 2);
    const QString written = EntrySettings::apply(code, first.settings, {value, 6.0});
    const EntrySettings::Result again = EntrySettings::read(written);
    QVERIFY(again.errors.isEmpty());
    QCOMPARE(again.settings.size(), 2);
    QCOMPARE(again.settings.at(0).value.toString(), value);
    QCOMPARE(again.settings.at(0).comment, QStringLiteral("what to say"));
    QCOMPARE(again.settings.at(1).value.toDouble(), 6.0);
    QCOMPARE(written.count(QLatin1String("</script>")), 1);
}

// Authors write escapes the program never writes itself; each must read as a browser reads it,
// and anything a browser would not take as plain text must not be offered as a setting.
void TestEntrySettings::handWrittenLiterals_escapesReadAsInScripts_data() {
    QTest::addColumn<QString>("literal");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("value");
    QTest::newRow("control letters") << QStringLiteral("'a\\b\\f\\v\\0z'") << true
                                     << QStringLiteral("a\b\f\v") + QChar(0) + QStringLiteral("z");
    QTest::newRow("other letters stand for themselves")
        << QStringLiteral("\"\\q\\'\\\"\"") << true << QStringLiteral("q'\"");
    QTest::newRow("line continuation")
        << QStringLiteral("'one \\\ntwo'") << true << QStringLiteral("one two");
    QTest::newRow("hex and unicode")
        << QStringLiteral("'\\x41\\u00e9\\x3c/'") << true << QStringLiteral(u"A\u00e9</");
    QTest::newRow("code point in braces")
        << QStringLiteral("'\\u{1F600}!\\u{41}'") << true << QStringLiteral(u"\U0001F600!A");
    QTest::newRow("code point too large") << QStringLiteral("'\\u{110000}'") << false << QString();
    QTest::newRow("brace never closed") << QStringLiteral("'\\u{41'") << false << QString();
    QTest::newRow("hex cut short") << QStringLiteral("'\\x4'") << false << QString();
    QTest::newRow("not hex") << QStringLiteral("'\\u00G1'") << false << QString();
    QTest::newRow("backslash before the quote") << QStringLiteral("'abc\\'") << false << QString();
    QTest::newRow("bare line break") << QStringLiteral("'a\nb'") << false << QString();
    QTest::newRow("template with a line break")
        << QStringLiteral("`a\nb`") << true << QStringLiteral("a\nb");
    QTest::newRow("template placeholder") << QStringLiteral("`a${b}`") << false << QString();
    QTest::newRow("quote inside") << QStringLiteral("'it's'") << false << QString();
    QTest::newRow("quotes do not match") << QStringLiteral("'a\"") << false << QString();
}

void TestEntrySettings::handWrittenLiterals_escapesReadAsInScripts() {
    QFETCH(QString, literal);
    QFETCH(bool, readable);
    QFETCH(QString, value);
    QString read = QStringLiteral("unchanged");
    QCOMPARE(EntrySettings::readStringLiteral(literal, &read), readable);
    QCOMPARE(read, readable ? value : QStringLiteral("unchanged"));
}

void TestEntrySettings::customisedEntry_refusesValuesOfTheWrongTypeAndResets() {
    CustomisedEntry entry(*catalogue().entry(QStringLiteral("frmRedirect2")));
    const int seconds =
        int(std::find_if(entry.settings().cbegin(), entry.settings().cend(),
                         [](const Setting& s) { return s.name == QLatin1String("seconds"); }) -
            entry.settings().cbegin());
    QVERIFY(!entry.setValue(seconds, QStringLiteral("soon")));
    QVERIFY(!entry.setValue(seconds, QVariant(true)));
    QVERIFY(!entry.setValue(-1, 3));
    QVERIFY(!entry.isChanged());
    QVERIFY(entry.setValue(seconds, 12.0));
    QVERIFY(entry.isChanged());
    QVERIFY(entry.customised()
                .blocks.at(entry.settings().at(seconds).block)
                .code.contains(QLatin1String("const seconds = 12;")));
    entry.reset();
    QVERIFY(!entry.isChanged());
    QCOMPARE(entry.customised().blocks.at(0).code, entry.original().blocks.at(0).code);
}

void TestEntrySettings::previewPage_tellsErrorsAtTheUsersLine() {
    const PreviewPage page = PreviewPage::forScript(
        QStringLiteral("<Mine>"), QStringLiteral("<script>\nvar a;\n</script>"),
        QStringLiteral("<p>x</p>\n<script>oops(</script>"));
    QVERIFY(page.html.contains(QLatin1String("&lt;Mine&gt;")));
    const QStringList lines = page.html.split(QLatin1Char('\n'));
    const int pageLine = int(lines.indexOf(QStringLiteral("<script>oops(</script>"))) + 1;
    QCOMPARE(page.locate(pageLine), QStringLiteral("body code, line 2"));
    const int headLine = int(lines.indexOf(QStringLiteral("var a;"))) + 1;
    QCOMPARE(page.locate(headLine), QStringLiteral("head code, line 2"));
    QCOMPARE(page.locate(1), QStringLiteral("page line 1"));

    const ScriptEntry* entry = catalogue().entry(QStringLiteral("frmRedirect2"));
    const PreviewPage sample = PreviewPage::forEntry(*entry);
    QVERIFY(!sample.parts.isEmpty());
    const QStringList sampleLines = sample.html.split(QLatin1Char('\n'));
    const int setting = int(sampleLines.indexOf(QStringLiteral("  const seconds = 8;"))) + 1;
    QVERIFY(setting > 0);
    const int inBlock = int(entry->blocks.at(0)
                                .code.split(QLatin1Char('\n'))
                                .indexOf(QStringLiteral("  const seconds = 8;"))) +
                        1;
    QCOMPARE(sample.locate(setting), QStringLiteral("block 1, line %1").arg(inBlock));
}

void TestEntrySettings::sandboxPolicy_keepsPagesInsideTheSite() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString site = dir.filePath(QStringLiteral("site"));
    QVERIFY(QDir().mkpath(site + QStringLiteral("/tagloom/samples")));
    QFile secret(dir.filePath(QStringLiteral("secret.txt")));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.close();
    QVERIFY(QFile::link(secret.fileName(), site + QStringLiteral("/tagloom/samples/link.txt")));
    const auto allows = [&](const QString& address) {
        return SandboxPolicy::allows(QUrl(address), site);
    };
    QVERIFY(
        allows(QUrl::fromLocalFile(site + QStringLiteral("/tagloom/samples/a.png")).toString()));
    QVERIFY(allows(QStringLiteral("data:text/plain,hi")));
    QVERIFY(allows(QStringLiteral("blob:file:///0a1b")));
    QVERIFY(!allows(QStringLiteral("https://example.org/x.png")));
    QVERIFY(!allows(QStringLiteral("http://127.0.0.1/")));
    QVERIFY(!allows(QStringLiteral("ws://example.org/")));
    QVERIFY(!allows(QUrl::fromLocalFile(secret.fileName()).toString()));
    QVERIFY(!allows(QUrl::fromLocalFile(site + QStringLiteral("/../secret.txt")).toString()));
    QVERIFY(!allows(QUrl::fromLocalFile(site + QStringLiteral("x/a.png")).toString()));
    QVERIFY(!allows(
        QUrl::fromLocalFile(site + QStringLiteral("/tagloom/samples/link.txt")).toString()));
    QVERIFY(!allows(QStringLiteral("file://server/share/a.png")));
    QVERIFY(!SandboxPolicy::allows(QUrl(QStringLiteral("file:///etc/passwd")), QString()));
}

QTEST_GUILESS_MAIN(TestEntrySettings)
#include "tst_entrysettings.moc"
