// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as an editor or a script uses it: what goes to standard output, what goes
// to standard error and the exit status, in process and once through the real program without
// any display.
#include "platform/appfolder.h"

#include "cli/commandline.h"
#include "model/catalogue.h"
#include "model/installedtext.h"

#include <QProcess>
#include <QTextStream>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void exitStatusAndStreams_data();
    void exitStatusAndStreams();
    void printGivesEveryBlockOfAFourBlockEntryInOrder();
    void printOneBlockGivesExactlyThatCode();
    void listOfOneCategoryIsItsTitlesInOrder();
    void searchRanksLikeThePalette();
    void firstArgumentDecidesTheMode_data();
    void firstArgumentDecidesTheMode();
    void realProgramAnswersWithoutADisplay();
    void realProgramLinksQtCoreOnly();

private:
    struct Result {
        int code = -1;
        QString out;
        QString err;
    };
    static Result run(const QStringList& arguments);
};

TestCommandLine::Result TestCommandLine::run(const QStringList& arguments) {
    Result result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    CommandLine::Io io{out, err};
    const CommandLine::Places places{&AppFolder::sampleBaseUrl, &AppFolder::scriptsFolder};
    result.code = CommandLine::standardDispatcher(places).run(arguments, io);
    out.flush();
    err.flush();
    return result;
}

void TestCommandLine::exitStatusAndStreams_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("output");
    QTest::addColumn<bool>("message");
    QTest::newRow("help") << QStringList{"--help"} << 0 << true << false;
    QTest::newRow("version") << QStringList{"--version"} << 0 << true << false;
    QTest::newRow("list all") << QStringList{"--list"} << 0 << true << false;
    QTest::newRow("list by folder name") << QStringList{"--list", "clocks"} << 0 << true << false;
    QTest::newRow("list unknown category")
        << QStringList{"--list", "Toasters"} << 1 << false << true;
    QTest::newRow("search") << QStringList{"--search", "clok"} << 0 << true << false;
    QTest::newRow("search no match") << QStringList{"--search", "qqqzzz"} << 1 << false << true;
    QTest::newRow("search nothing") << QStringList{"--search"} << 2 << false << true;
    QTest::newRow("print") << QStringList{"--print", "Falling Text"} << 0 << true << false;
    QTest::newRow("print unknown") << QStringList{"--print", "Falling Txet"} << 1 << false << true;
    QTest::newRow("print block past the end")
        << QStringList{"--print", "Falling Text", "--block", "4"} << 1 << false << true;
    QTest::newRow("print block zero")
        << QStringList{"--print", "Falling Text", "--block", "0"} << 2 << false << true;
    QTest::newRow("print block missing")
        << QStringList{"--print", "Falling Text", "--block"} << 2 << false << true;
    QTest::newRow("print two titles")
        << QStringList{"--print", "Falling", "Text"} << 2 << false << true;
    QTest::newRow("print no title") << QStringList{"--print"} << 2 << false << true;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << false << true;
    QTest::newRow("version with argument") << QStringList{"--version", "x"} << 2 << false << true;
}

void TestCommandLine::exitStatusAndStreams() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(bool, output);
    QFETCH(bool, message);
    const Result result = run(arguments);
    QCOMPARE(result.code, code);
    QCOMPARE(!result.out.isEmpty(), output);
    QCOMPARE(!result.err.isEmpty(), message);
}

void TestCommandLine::printGivesEveryBlockOfAFourBlockEntryInOrder() {
    const Catalogue catalogue;
    const ScriptEntry* original = catalogue.entry(QStringLiteral("frmMenus18"));
    QVERIFY(original);
    // As the viewer shows it: the scripts folder named.
    const ScriptEntry shown =
        InstalledText::resolve(*original, AppFolder::sampleBaseUrl(), AppFolder::scriptsFolder());
    const ScriptEntry* entry = &shown;
    QCOMPARE(entry->blocks.size(), 4);
    QVERIFY(entry->blocks.last().instruction.contains(AppFolder::scriptsFolder()));
    const Result result = run({QStringLiteral("--print"), entry->title});
    QCOMPARE(result.code, 0);
    // Every placement line as a comment, each code verbatim, all in the entry's order.
    qsizetype at = 0;
    for (const EntryBlock& block : entry->blocks) {
        const QString comment = QStringLiteral("<!-- %1 -->").arg(block.instruction.trimmed());
        const qsizetype found = result.out.indexOf(comment, at);
        QVERIFY2(found >= at, qPrintable(comment));
        at = found + comment.size();
        if (block.hasCodeBox()) {
            const qsizetype code = result.out.indexOf(block.code, at);
            QCOMPARE(code, at + 1); // right under its placement line
            at = code + block.code.size();
        }
    }
    QVERIFY(result.out.endsWith(QLatin1Char('\n')));
}

void TestCommandLine::printOneBlockGivesExactlyThatCode() {
    const Catalogue catalogue;
    const ScriptEntry* entry = catalogue.entry(QStringLiteral("frmMenus18"));
    QStringList codes;
    for (const EntryBlock& block : entry->blocks) {
        if (block.hasCodeBox())
            codes.append(block.code.endsWith(QLatin1Char('\n')) ? block.code
                                                                : block.code + QLatin1Char('\n'));
    }
    QCOMPARE(codes.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        const Result result = run({QStringLiteral("--print"), entry->title.toLower(),
                                   QStringLiteral("--block"), QString::number(n)});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, codes.at(n - 1));
    }
}

void TestCommandLine::listOfOneCategoryIsItsTitlesInOrder() {
    const Result result = run({QStringLiteral("--list"), QStringLiteral("Security")});
    QCOMPARE(result.code, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 3);
    QVERIFY(lines.contains(QStringLiteral("Keypad Password")));
    const Result all = run({QStringLiteral("--list")});
    QCOMPARE(all.out.count(QLatin1Char('\n')), 208);
    QVERIFY(all.out.contains(QStringLiteral("Keypad Password\tSecurity\n")));
}

void TestCommandLine::searchRanksLikeThePalette() {
    const Result result = run({QStringLiteral("--search"), QStringLiteral("clok")});
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.mid(0, 3).contains(QStringLiteral("Live Text Clock\tClocks and Dates")));
}

void TestCommandLine::firstArgumentDecidesTheMode_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("commandLine");
    QTest::newRow("no argument") << QStringList{} << false;
    QTest::newRow("command") << QStringList{"--list"} << true;
    QTest::newRow("unknown double-dash option") << QStringList{"--lsit"} << true;
    QTest::newRow("Qt window option") << QStringList{"--platform", "xcb"} << false;
    QTest::newRow("Qt window option with value") << QStringList{"--style=fusion"} << false;
    QTest::newRow("single dash") << QStringList{"-platform", "offscreen"} << false;
}

void TestCommandLine::firstArgumentDecidesTheMode() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, commandLine);
    QList<QByteArray> storage{QByteArrayLiteral("tagloom")};
    for (const QString& argument : arguments)
        storage.append(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& argument : storage)
        argv.push_back(argument.data());
    QCOMPARE(CommandLine::wanted(int(argv.size()), argv.data()), commandLine);
}

void TestCommandLine::realProgramAnswersWithoutADisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAGLOOM_PROGRAM),
                  {QStringLiteral("--print"), QStringLiteral("Falling Text"),
                   QStringLiteral("--block"), QStringLiteral("2")});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const Result inProcess = run({QStringLiteral("--print"), QStringLiteral("Falling Text"),
                                  QStringLiteral("--block"), QStringLiteral("2")});
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), inProcess.out);
    QCOMPARE(program.readAllStandardError(), QByteArray());

    program.start(QStringLiteral(TAGLOOM_PROGRAM), {QStringLiteral("--search")});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 2);
}

void TestCommandLine::realProgramLinksQtCoreOnly() {
    // The dynamic loader lists what it would load and stops (what ldd does): loading Qt Widgets,
    // Gui or Sql would cost every command about twice its time. The windows are a module.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAGLOOM_PROGRAM), {QStringLiteral("--version")});
    QVERIFY(program.waitForFinished(20000));
    const QString loaded = QString::fromLocal8Bit(program.readAllStandardOutput());
    QVERIFY2(loaded.contains(QLatin1String("libQt6Core.so")), qPrintable(loaded));
    for (const char* library : {"libQt6Widgets", "libQt6Gui", "libQt6Sql"})
        QVERIFY2(!loaded.contains(QLatin1String(library)), qPrintable(loaded));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
