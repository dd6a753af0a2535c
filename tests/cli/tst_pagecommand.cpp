// SPDX-License-Identifier: GPL-3.0-or-later
// The page commands of the command line: exit codes, reasons, dry runs, and the real program
// doing it without a display.

#include "cli/pagecommand.h"
#include "kit/diskpagefileaccess.h"
#include "model/catalogue.h"
#include "support/testfiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

const QByteArray kPage = "<html>\r\n<head>\r\n<title>t</title>\r\n</head>\r\n<body>\r\n<p>x</p>\r\n"
                         "</body>\r\n</html>\r\n";

struct Run {
    int code;
    QString out;
    QString err;
};

} // namespace

class TestPageCommand : public QObject {
    Q_OBJECT
private slots:
    void init();
    void exitCodesAndReasons_data();
    void exitCodesAndReasons();
    void dryRunShowsTheDiffAndWritesNothing();
    void insertThenRemoveGivesThePageBack();
    void theProgramRunsWithoutADisplay();

private:
    Run run(const QStringList& arguments);

    Catalogue m_catalogue;
    DiskPageFileAccess m_files;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_page;
};

void TestPageCommand::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_page = m_dir->filePath(QStringLiteral("page.htm"));
    QFile file(m_page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kPage);
}

Run TestPageCommand::run(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code =
        PageCommand::run(arguments, m_catalogue, m_files, QString(), outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

void TestPageCommand::exitCodesAndReasons_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reason");
    const QString page = QStringLiteral("PAGE");
    QTest::newRow("inserted") << QStringList{"--insert", "Live Date", page} << 0 << "";
    QTest::newRow("title ignoring case") << QStringList{"--insert", "live date", page} << 0 << "";
    QTest::newRow("unknown title") << QStringList{"--insert", "No Such Script", page} << 1
                                   << "no catalogue entry is called \"No Such Script\"";
    QTest::newRow("missing page") << QStringList{"--insert", "Live Date", "MISSING"} << 1
                                  << "does not exist";
    QTest::newRow("not inserted, so not removed")
        << QStringList{"--remove", "Live Date", page} << 1 << "is not in this page";
    QTest::newRow("no file") << QStringList{"--insert", "Live Date"} << 2 << "usage:";
    QTest::newRow("both commands") << QStringList{"--insert", "--remove", "x"} << 2 << "usage:";
    QTest::newRow("extra argument")
        << QStringList{"--insert", "Live Date", page, "more"} << 2 << "usage:";
}

void TestPageCommand::exitCodesAndReasons() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, reason);
    arguments.replaceInStrings(QStringLiteral("PAGE"), m_page);
    arguments.replaceInStrings(QStringLiteral("MISSING"),
                               m_dir->filePath(QStringLiteral("none.htm")));
    const Run result = run(arguments);
    QCOMPARE(result.code, code);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QCOMPARE(result.err.isEmpty(), code == 0);
    QCOMPARE(readAll(m_page) != kPage, code == 0 && arguments.first() == QLatin1String("--insert"));
}

void TestPageCommand::dryRunShowsTheDiffAndWritesNothing() {
    const Run result = run({"--insert", "Live Date", m_page, "--dry-run"});
    QCOMPARE(result.code, 0);
    QVERIFY(result.out.contains(QLatin1String("+<!-- Tagloom: Live Date -->")));
    QVERIFY(result.out.contains(QLatin1String(" <body>")) ||
            result.out.contains(QLatin1String("-<body>")));
    QCOMPARE(readAll(m_page), kPage);
    QVERIFY(!QFile::exists(m_page + QStringLiteral(".bak")));
}

void TestPageCommand::insertThenRemoveGivesThePageBack() {
    QCOMPARE(run({"--insert", "Live Date", m_page}).code, 0);
    const QByteArray inserted = readAll(m_page);
    QVERIFY(inserted.contains("<!-- Tagloom: Live Date -->\r\n"));
    QCOMPARE(run({"--insert", "Live Date", m_page}).code, 0);
    QCOMPARE(readAll(m_page), inserted);
    const Run removed = run({"--remove", "Live Date", m_page});
    QCOMPARE(removed.code, 0);
    QVERIFY(removed.out.contains(QLatin1String("was taken out")));
    QCOMPARE(readAll(m_page), kPage);
    QCOMPARE(readAll(m_page + QStringLiteral(".bak")), kPage);
}

void TestPageCommand::theProgramRunsWithoutADisplay() {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAGLOOM_PROGRAM),
                  {QStringLiteral("--insert"), QStringLiteral("Live Date"), m_page});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(readAll(m_page).contains("<!-- /Tagloom: Live Date -->"));

    program.start(QStringLiteral(TAGLOOM_PROGRAM), {QStringLiteral("--remove")});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 2);
    QVERIFY(program.readAllStandardError().contains("usage:"));
}

QTEST_GUILESS_MAIN(TestPageCommand)
#include "tst_pagecommand.moc"
