// SPDX-License-Identifier: GPL-3.0-or-later
// Loads every finished entry's sample page from the build's offline site in a real browser
// engine, one row per page, and fails on script errors, failed resources, failed loads, probes
// that never hold, and controls a keyboard or screen reader user cannot use.
// TAGLOOM_SAMPLES_ONLY=Folder[,Folder...] limits the rows to some categories;
// TAGLOOM_PAGES_PARALLEL=n sets how many pages load at once.
#include "model/catalogue.h"
#include "pagecheck.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString siteDir() {
    return QStringLiteral(TAGLOOM_TEST_SITE_DIR);
}

QStringList onlyFolders() {
    QStringList only;
    for (const QString& f :
         qEnvironmentVariable("TAGLOOM_SAMPLES_ONLY").split(QLatin1Char(','), Qt::SkipEmptyParts))
        only.append(f.trimmed());
    return only;
}

int parallelPages() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TAGLOOM_PAGES_PARALLEL", &ok);
    return ok && n > 0 ? n : 4;
}

} // namespace

class TestSamplePages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void checkerCatchesEachKindOfFault_data();
    void checkerCatchesEachKindOfFault();
    void checkerFindsWhatKeyboardAndScreenReaderUsersMiss_data();
    void checkerFindsWhatKeyboardAndScreenReaderUsersMiss();
    void samplePage_data();
    void samplePage();
    void samplePageAccessibility_data();
    void samplePageAccessibility();
    void otherPage_data();
    void otherPage();

private:
    void sampleRows();
    void queueBody(const char* kind, const char* tag, const QString& body, const QString& probe);
    QTestData& faultRow(const char* tag, const char* body, const char* probe);
    QTestData& accessRow(const char* tag, const char* body);
    PageOutcome queuedOutcome(const char* kind);

    QTemporaryDir m_scratch;
    std::unique_ptr<PageChecker> m_checker;
    int m_written = 0;
};

void TestSamplePages::initTestCase() {
    QVERIFY(m_scratch.isValid());
    QVERIFY2(QFileInfo(siteDir() + QStringLiteral("/tagloom/samples")).isDir(),
             "build the site first (target tagloom_site)");
    m_checker = std::make_unique<PageChecker>(parallelPages());
}

// Writes a page around `body` and queues it under `kind` and `tag`, so the rows of a function
// all load at once.
void TestSamplePages::queueBody(const char* kind, const char* tag, const QString& body,
                                const QString& probe) {
    const QString name = QStringLiteral("page%1.htm").arg(++m_written);
    QFile file(m_scratch.filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.fileName()));
    file.write("<!DOCTYPE html><html><head><meta charset='utf-8'><title>t</title></head><body>" +
               body.toUtf8() + "</body></html>");
    file.close();
    m_checker->enqueue(QString::fromUtf8(kind) + QLatin1Char('/') + QString::fromUtf8(tag),
                       QUrl::fromLocalFile(file.fileName()), probe);
}

PageOutcome TestSamplePages::queuedOutcome(const char* kind) {
    return m_checker->outcome(QString::fromUtf8(kind) + QLatin1Char('/') +
                              QString::fromUtf8(QTest::currentDataTag()));
}

QTestData& TestSamplePages::faultRow(const char* tag, const char* body, const char* probe) {
    queueBody("fault", tag, QString::fromUtf8(body), QString::fromUtf8(probe));
    return QTest::newRow(tag);
}

void TestSamplePages::checkerCatchesEachKindOfFault_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reason");
    faultRow("clean, probe holds later",
             "<p id=p></p><script>setTimeout(function(){p.textContent='x'},300)</script>",
             "document.getElementById('p').textContent === 'x'")
        << true << "";
    faultRow("dialogs and windows do not block",
             "<script>alert('a'); confirm('b'); prompt('c'); window.open('x.htm');"
             "document.title = 'went on';</script>",
             "document.title === 'went on'")
        << true << "";
    faultRow("uncaught error", "<script>undefinedFunction();</script>", "")
        << false << "undefinedFunction";
    faultRow("late rejection",
             "<script>setTimeout(function(){Promise.reject(new Error('late'))},50)</script>", "")
        << false << "late";
    faultRow("error in a timer after the probe held",
             "<p id=p>x</p><script>setTimeout(function(){p.textContent='y';"
             "setTimeout(function(){afterwards()},200)},100)</script>",
             "document.getElementById('p').textContent === 'y'")
        << false << "afterwards";
    faultRow("error in a timer given as text",
             "<script>setTimeout('notDefinedEither()', 20)</script>", "")
        << false << "notDefinedEither";
    faultRow("cleared timer is not awaited",
             "<script>var t = setTimeout(function(){gone()}, 100); clearTimeout(t);</script>", "")
        << true << "";
    faultRow("missing picture", "<img src='no-such-picture.png'>", "")
        << false << "failed resource <img>";
    faultRow("missing script", "<script src='no-such-script.js'></script>", "")
        << false << "failed resource <script>";
    faultRow("console error", "<script>console.error('broken')</script>", "") << false << "broken";
    faultRow("console replaced", "<script>console.error = function(){}; nope();</script>", "")
        << false << "nope";
    faultRow("error the page handles itself",
             "<script>window.onerror = function(){return true}; nope();</script>", "")
        << true << "";
    faultRow("probe never holds", "<p>nothing</p>", "false") << false << "probe did not hold";
    faultRow("probe throws", "<p>nothing</p>", "missing.value") << false << "threw";
    faultRow("probe is not even JavaScript", "<p>nothing</p>", "(((") << false << "threw";
}

void TestSamplePages::checkerCatchesEachKindOfFault() {
    QFETCH(bool, ok);
    QFETCH(QString, reason);
    const PageOutcome outcome = queuedOutcome("fault");
    QVERIFY2(outcome.ok == ok, qPrintable(outcome.reason));
    QVERIFY2(outcome.reason.contains(reason), qPrintable(outcome.reason));
    QVERIFY(!QFile::exists(m_scratch.filePath(QStringLiteral("x.htm"))));
}

QTestData& TestSamplePages::accessRow(const char* tag, const char* body) {
    queueBody("access", tag, QString::fromUtf8(body), QString());
    return QTest::newRow(tag);
}

void TestSamplePages::checkerFindsWhatKeyboardAndScreenReaderUsersMiss_data() {
    QTest::addColumn<QString>("fault"); // empty: none expected
    const QString none;
    accessRow("text before a box", "Name <input type=text id=n>")
        << "<input type=\"text\" id=\"n\"> has no accessible name";
    accessRow("table header only",
              "<table><tr><th>Decimal</th></tr><tr><td><input name=dec></td></tr></table>")
        << "<input name=\"dec\"> has no accessible name";
    accessRow("select without label", "<select><option>One</option></select>")
        << "<select> has no accessible name";
    accessRow("wrapping label names only with its own text",
              "<label><select><option>One</option></select></label>")
        << "<select> has no accessible name";
    accessRow("empty button", "<button id=b></button>")
        << "<button id=\"b\"> has no accessible name";
    accessRow("input button without value", "<input type=button>")
        << "<input type=\"button\"> has no accessible name";
    accessRow("empty aria-label", "<textarea aria-label=' '></textarea>")
        << "<textarea> has no accessible name";
    accessRow("labelled by nothing", "<input aria-labelledby=nowhere>") << "has no accessible name";
    accessRow("made by a script",
              "<div id=d></div><script>d.innerHTML = 'Age <input id=age>'</script>")
        << "<input id=\"age\"> has no accessible name";
    accessRow("picture without alt", "<img src='data:image/gif;base64,R0lGODlhAQABAAAAACw='>")
        << "has no alt text";
    accessRow("mouse-only control", "<span id=s onclick='this.textContent=1'>go</span>")
        << "<span id=\"s\"> takes a click but cannot be reached with Tab";
    accessRow("handler set by a script",
              "<div id=d>go</div><script>d.onclick = function(){}</script>")
        << "<div id=\"d\"> takes a click";
    accessRow("in a frame", "<iframe srcdoc='<input id=inner>'></iframe>")
        << "frame <iframe>: <input id=\"inner\"> has no accessible name";
    accessRow("every way of naming",
              "<label for=a>A</label><input id=a>"
              "<label>B <input></label>"
              "<span id=c>C</span><input aria-labelledby=c>"
              "<input aria-label=D><input title=E>"
              "<button>F</button><button><img src='data:,' alt=G></button>"
              "<input type=submit><input type=reset><input type=button value=H>"
              "<input type=image src='data:,' alt=I><input type=hidden>"
              "<select id=j><option>x</option></select><label for=j>J</label>")
        << none;
    accessRow("decorative picture", "<img src='data:,' alt=''>") << none;
    accessRow("file box behind a button",
              "<button type=button>Choose...</button><input type=file hidden>")
        << none;
    accessRow("clicks that Tab reaches",
              "<span tabindex=0 onclick='1'>a</span><a href='#' onclick='return false'>b</a>"
              "<button onclick='1'>c</button><input type=checkbox aria-label=d onclick='1'>")
        << none;
}

void TestSamplePages::checkerFindsWhatKeyboardAndScreenReaderUsersMiss() {
    QFETCH(QString, fault);
    const PageOutcome outcome = queuedOutcome("access");
    QVERIFY2(outcome.inspected, qPrintable(outcome.reason));
    const QString found = outcome.accessibility.join(QLatin1Char('\n'));
    if (fault.isEmpty()) {
        QVERIFY2(found.isEmpty(), qPrintable(found));
    } else {
        QCOMPARE(outcome.accessibility.size(), 1);
        QVERIFY2(found.contains(fault), qPrintable(found));
    }
}

// One row per sample page, named by its path below samples/, queued in row order so the pages
// load ahead of the rows that ask for them.
void TestSamplePages::sampleRows() {
    QTest::addColumn<QString>("problem"); // known before loading anything
    Catalogue catalogue;
    QVERIFY(catalogue.errors().isEmpty());
    const QStringList only = onlyFolders();
    for (const ScriptEntry* entry : catalogue.entries()) {
        if (!entry->hasSample())
            continue;
        const QString folder = entry->samplePage.section(QLatin1Char('/'), 0, 0);
        if (!only.isEmpty() && !only.contains(folder))
            continue;
        const QString file = siteDir() + QStringLiteral("/tagloom/samples/") + entry->samplePage;
        QString problem;
        if (!QFileInfo::exists(file))
            problem = QStringLiteral("page was not generated: ") + entry->samplePage;
        else if (entry->probe.trimmed().isEmpty())
            problem = QStringLiteral("no probe declared");
        else
            m_checker->enqueue(entry->samplePage, QUrl::fromLocalFile(file), entry->probe);
        QTest::newRow(qPrintable(entry->samplePage))
            << (problem.isEmpty() ? problem : entry->formName + QStringLiteral(": ") + problem);
    }
}

void TestSamplePages::samplePage_data() {
    sampleRows();
}

void TestSamplePages::samplePage() {
    QFETCH(QString, problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const PageOutcome outcome = m_checker->outcome(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY2(outcome.ok, qPrintable(outcome.reason));
}

void TestSamplePages::samplePageAccessibility_data() {
    sampleRows();
}

void TestSamplePages::samplePageAccessibility() {
    QFETCH(QString, problem);
    if (!problem.isEmpty())
        QSKIP("nothing to look at; samplePage reports why");
    const PageOutcome outcome = m_checker->outcome(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY2(outcome.inspected, qPrintable(QStringLiteral("not loaded: ") + outcome.reason));
    QVERIFY2(outcome.accessibility.isEmpty(),
             qPrintable(outcome.accessibility.join(QLatin1Char('\n'))));
}

void TestSamplePages::otherPage_data() {
    // The site's own pages, the pointer targets, the helper pages beside the samples and the
    // pages of the scripts folder: no probe, but the same bar for errors and missing files.
    QTest::addColumn<int>("unused");
    Catalogue catalogue;
    QSet<QString> generated;
    for (const ScriptEntry* entry : catalogue.entries()) {
        if (entry->hasSample())
            generated.insert(QDir::cleanPath(siteDir() + QStringLiteral("/tagloom/samples/") +
                                             entry->samplePage));
    }
    const QStringList only = onlyFolders();
    const QDir top(siteDir() + QStringLiteral("/.."));
    QStringList pages;
    for (const QString& root : {siteDir(), siteDir() + QStringLiteral("/../scripts")}) {
        QDirIterator it(root, {QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = QDir::cleanPath(it.next());
            if (generated.contains(path))
                continue;
            bool wanted = only.isEmpty();
            for (const QString& folder : only)
                wanted = wanted || path.contains(QStringLiteral("/samples/%1/").arg(folder));
            if (wanted)
                pages.append(path);
        }
    }
    pages.sort();
    for (const QString& path : std::as_const(pages)) {
        const QString key = top.relativeFilePath(path);
        m_checker->enqueue(key, QUrl::fromLocalFile(path), QString());
        QTest::newRow(qPrintable(key)) << 0;
    }
}

void TestSamplePages::otherPage() {
    const PageOutcome outcome = m_checker->outcome(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY2(outcome.ok, qPrintable(outcome.reason));
}

QTEST_MAIN(TestSamplePages)
#include "tst_samplepages.moc"
