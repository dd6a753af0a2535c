// SPDX-License-Identifier: GPL-3.0-or-later
// Proof in a real browser engine that putting an entry into someone's page works: every entry
// with a sample page is inserted into a plain page of our own (with the demo scaffolding its
// sample needs) and its own probe must hold there, first in a UTF-8 page with LF line ends,
// and in a Windows-1252 page with CR LF and an onload handler of its own that must keep
// working. Several pages load at a time; every wait is for a condition with a time limit.

#include "kit/diskpagefileaccess.h"
#include "model/catalogue.h"
#include "model/pageeditor.h"
#include "model/pageinsertion.h"
#include "pagewatch.h"

#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

constexpr int kParallelPages = 4;
constexpr int kLoadTimeoutMs = 20000;
constexpr int kProbeTimeoutMs = 5000;
constexpr int kProbeIntervalMs = 50;

// A few probes read the page's title, which is the entry's title on the sample pages.
const QByteArray kPlainPage = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                              "<title>TITLE</title>\n</head>\n<body>\n<p>This is my page.</p>\n"
                              "</body>\n</html>\n";

// The page's own handler leaves a trace that must still be there with the entry's code in.
const QByteArray kWesternPage =
    "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"windows-1252\">\r\n"
    "<title>Caf\xE9 \x80 prices TITLE</title>\r\n</head>\r\n"
    "<body onload=\"document.documentElement.setAttribute('data-mine', 'ran')\">\r\n"
    "<p id=\"tl-mine\">D\xE9j\xE0 vu \x96 this is my page.</p>\r\n</body>\r\n</html>\r\n";
// Some scripts rewrite the title, so the page's own Windows-1252 text is checked in a paragraph.
const QString kWesternCheck =
    QStringLiteral("document.documentElement.getAttribute('data-mine') === 'ran' && "
                   "(!document.getElementById('tl-mine') || "
                   "document.getElementById('tl-mine').textContent === 'D\u00E9j\u00E0 vu \u2013 "
                   "this is my page.')");

class CheckedPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList problems;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override {
        if (level == ErrorMessageLevel)
            problems.append(QStringLiteral("console error: %1 (%2:%3)")
                                .arg(message, QFileInfo(source).fileName())
                                .arg(line));
    }
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
        return false;
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

} // namespace

// Outside the anonymous namespace, as the test object keeps a list of them.
struct Job {
    QString name;
    QString path;
    QString probe;
    int pass = 0; // which test function reports it
};

namespace {

// A visible view (hidden pages throttle their timers) that checks one page after another, each
// judged by a timer that polls the probe until it holds, fails, or runs out of time. A new view
// per page cost more than most pages; between two pages the view is emptied (session storage
// cleared, then a blank page loaded), so no page sees what the one before left, and nothing the
// old page still says is counted against the new one.
class PageCheck final : public QObject {
public:
    explicit PageCheck(std::function<void(const Job& job, const QString& failure)> done)
        : m_done(std::move(done)) {
        m_page = new CheckedPage(&m_view);
        m_view.setPage(m_page);
        m_page->scripts().insert(pageWatchScript());
        m_view.resize(900, 600);
        m_view.show();
        connect(m_page, &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) {
                    if (m_emptying && info.status() == QWebEngineLoadingInfo::LoadSucceededStatus &&
                        info.url() == QUrl(QStringLiteral("about:blank")))
                        loadJob();
                });
        connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
            if (m_emptying || m_finished)
                return;
            if (!ok)
                finish(QStringLiteral("load failed"));
            else if (!m_loaded)
                startProbing();
        });
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            finish(m_emptying ? QStringLiteral("the view could not be emptied for it")
                   : m_loaded
                       ? QStringLiteral("probe did not hold within 5 s (last answer: %1)")
                             .arg(m_lastAnswer.isEmpty() ? QStringLiteral("none") : m_lastAnswer)
                       : QStringLiteral("page did not finish loading"));
        });
    }

    void start(const Job& job) {
        m_job = job;
        m_finished = false;
        m_loaded = false;
        m_lastAnswer.clear();
        ++m_serial;
        m_deadline.start(kLoadTimeoutMs);
        if (!m_used) {
            m_used = true;
            loadJob();
            return;
        }
        m_emptying = true;
        m_page->runJavaScript(QStringLiteral("try { sessionStorage.clear(); } catch (e) {}"),
                              QWebEngineScript::MainWorld);
        m_page->load(QUrl(QStringLiteral("about:blank")));
    }

    bool isFinished() const { return m_finished; }
    const Job& job() const { return m_job; }

private:
    void loadJob() {
        m_emptying = false;
        m_page->problems.clear();
        m_page->load(QUrl::fromLocalFile(m_job.path));
    }

    void startProbing() {
        m_loaded = true;
        m_deadline.start(kProbeTimeoutMs);
        askProbe();
    }

    void askProbe() {
        if (m_finished)
            return;
        if (!m_page->problems.isEmpty()) {
            finish(m_page->problems.join(QStringLiteral("; ")));
            return;
        }
        const QString wrapped =
            QStringLiteral("(function () { try { return (%1) ? 'yes' : 'no'; } catch (e) { "
                           "return 'threw: ' + e; } })()")
                .arg(m_job.probe);
        QPointer<PageCheck> self(this);
        const int serial = m_serial;
        // An answer for an earlier page of this view is dropped.
        const auto current = [self, serial] {
            return self && !self->m_finished && self->m_serial == serial;
        };
        m_page->runJavaScript(
            wrapped, QWebEngineScript::MainWorld, [self, current](const QVariant& v) {
                if (!current())
                    return;
                self->m_lastAnswer = v.toString();
                if (self->m_lastAnswer == QLatin1String("yes"))
                    self->finish(self->m_page->problems.join(QStringLiteral("; ")));
                else
                    QTimer::singleShot(kProbeIntervalMs, self, [self, current] {
                        if (current())
                            self->askProbe();
                    });
            });
    }

    void finish(const QString& failure) {
        if (std::exchange(m_finished, true))
            return;
        m_deadline.stop();
        m_done(m_job, failure);
    }

    Job m_job;
    std::function<void(const Job&, const QString&)> m_done;
    QWebEngineView m_view;
    CheckedPage* m_page = nullptr;
    QTimer m_deadline;
    QString m_lastAnswer;
    int m_serial = 0;
    bool m_used = false;
    bool m_emptying = false;
    bool m_loaded = false;
    bool m_finished = true;
};

// Runs the jobs kParallelPages at a time; returns "name: reason" per failure, by the jobs' pass.
// Each finished page starts the next one at once, and the loop sleeps only in the event loop, so
// the engine's own tasks on this thread are never held up by a polling sleep.
QList<QStringList> runAll(const QList<Job>& jobs, int passes) {
    QList<QStringList> failures(passes);
    qsizetype next = 0;
    qsizetype finished = 0;
    std::vector<std::unique_ptr<PageCheck>> views;
    QEventLoop loop;
    std::function<void()> startMore;
    const auto done = [&](const Job& job, const QString& failure) {
        ++finished;
        if (!failure.isEmpty()) {
            failures[job.pass].append(job.name + QStringLiteral(": ") + failure);
            qInfo().noquote() << "FAIL" << failures[job.pass].last();
        }
        // Started from the event loop, not from inside the page that just finished.
        QTimer::singleShot(0, &loop, [&] { startMore(); });
    };
    for (int i = 0; i < kParallelPages; ++i)
        views.push_back(std::make_unique<PageCheck>(done));
    startMore = [&] {
        for (const std::unique_ptr<PageCheck>& view : views)
            if (view->isFinished() && next < jobs.size())
                view->start(jobs.at(next++));
        if (finished == jobs.size())
            loop.quit();
    };
    // Every check ends by itself (load, probe or deadline); the bound only guards the guards.
    QTimer::singleShot(int(qMin<qint64>(qint64(jobs.size()) * (kLoadTimeoutMs + kProbeTimeoutMs),
                                        std::numeric_limits<int>::max())),
                       &loop, &QEventLoop::quit);
    QTimer::singleShot(0, &loop, [&] { startMore(); });
    loop.exec();
    for (const std::unique_ptr<PageCheck>& view : views)
        if (!view->isFinished())
            failures[view->job().pass].append(view->job().name +
                                              QStringLiteral(": the check never finished"));
    for (qsizetype i = next; i < jobs.size(); ++i)
        failures[jobs.at(i).pass].append(jobs.at(i).name + QStringLiteral(": never started"));
    return failures;
}

QString siteDir() {
    return QStringLiteral(TAGLOOM_TEST_SITE_DIR);
}

bool copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

// The part of a sample page that only the demonstration needs, from the entry's own page
// template: the snippet's places are left empty for the insertion to fill, a block placed
// wherever the user likes gets the marker, and a head block that the template also repeats
// elsewhere (a framed copy of the page) keeps that copy.
QByteArray scaffoldFromTemplate(const ScriptEntry& entry) {
    QString page = entry.pageTemplate;
    page.replace(QStringLiteral("{{title}}"), entry.title.toHtmlEscaped());
    const bool headElsewhere = page.contains(QStringLiteral("{{head}}"));
    page.replace(QStringLiteral("{{head}}"), QString());
    page.replace(QStringLiteral("{{bodyattrs}}"), QString());
    page.replace(QStringLiteral("{{body}}"), QString());
    for (int i = 0; i < 4; ++i) {
        const QString slot = QStringLiteral("{{block%1}}").arg(i + 1);
        QString fill;
        if (i < entry.blocks.size()) {
            const EntryBlock& block = entry.blocks.at(i);
            const bool head =
                block.kind == EntryBlock::Kind::H || block.kind == EntryBlock::Kind::H2;
            bool newPage = false;
            const PageSnippet::Place place =
                block.kind == EntryBlock::Kind::X
                    ? PageSnippet::placeForInstruction(block.instruction, &newPage)
                    : (block.kind == EntryBlock::Kind::W ? PageSnippet::Place::Anywhere
                                                         : PageSnippet::Place::BodyEnd);
            if (head && headElsewhere)
                fill = block.code;
            else if (!head && !newPage && place == PageSnippet::Place::Anywhere)
                fill = QStringLiteral("<!-- tagloom -->");
        }
        page.replace(slot, fill);
    }
    return page.toUtf8();
}

// The same scaffolding as a Windows-1252 page with CR LF and an onload handler of its own.
QByteArray westernScaffold(const QByteArray& scaffold) {
    QByteArray page = scaffold;
    page.replace("\r\n", "\n");
    page.replace("<meta charset=\"utf-8\">", "<meta charset=\"windows-1252\">");
    QString text = QString::fromLatin1(page);
    // The first of each is the page's own tag; later ones are inside the demo's scripts.
    const qsizetype body = text.indexOf(QLatin1String("<body"));
    if (body >= 0)
        text.insert(body + 5,
                    QStringLiteral(
                        " onload=\"document.documentElement.setAttribute('data-mine', 'ran')\""));
    const qsizetype title = text.indexOf(QLatin1String("<title>"));
    if (title >= 0)
        text.insert(title + 7, QStringLiteral("Caf\u00E9 \u0080 prices "));
    page = text.toLatin1();
    page.replace("\n", "\r\n");
    return page;
}

} // namespace

class TestInsertedPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyEntryWorksInAPlainPage();
    void everyEntryWorksInAWesternPageWithItsOwnOnload();

private:
    enum Pass { Plain, Western, Passes };
    // Both passes' pages load together, entry by entry, so neither waits for the other's slowest
    // page; each test function then reports its own pass.
    void runBothPasses();
    void prepare(const ScriptEntry& entry, Pass pass, const PageEditor& editor);
    void report(Pass pass);

    QTemporaryDir m_site;
    Catalogue m_catalogue;
    bool m_ran = false;
    QList<Job> m_jobs;
    QList<QStringList> m_failures{QStringList(), QStringList()};
    int m_jobCount[Passes] = {0, 0};
};

void TestInsertedPages::initTestCase() {
    QVERIFY(m_site.isValid());
    QVERIFY2(QFileInfo(siteDir() + QStringLiteral("/tagloom/samples")).isDir(),
             "build the site first (target tagloom_site)");
    // The pages are written beside the copied sample pages, so the support files resolve.
    QVERIFY(copyTree(siteDir(), m_site.path()));
    QVERIFY(m_catalogue.errors().isEmpty());
}

// Writes the entry's page for one pass and queues it, or notes why it could not be made.
void TestInsertedPages::prepare(const ScriptEntry& entry, Pass pass, const PageEditor& editor) {
    const bool western = pass == Western;
    const QString folder =
        QFileInfo(m_site.filePath(QStringLiteral("tagloom/samples/") + entry.samplePage))
            .absolutePath();
    const QString path = QDir(folder).filePath(
        QStringLiteral("my-%1-%2.htm")
            .arg(entry.formName, western ? QStringLiteral("1252") : QStringLiteral("utf8")));
    const PageSnippet snippet = PageSnippet::fromEntry(entry, true);
    if (!snippet.hasPieces()) {
        // A whole page of its own: the command offered instead is saving it as a new page.
        const PageEditor::Outcome saved =
            editor.saveNewPage(path, snippet.newPages.value(0).code, true);
        if (!saved.ok)
            m_failures[pass].append(entry.formName + QStringLiteral(": ") + saved.message);
        else
            m_jobs.append({entry.formName, path, entry.probe, pass});
        return;
    }
    QByteArray page = western ? kWesternPage : kPlainPage;
    page.replace("TITLE", entry.title.toHtmlEscaped().toLatin1());
    if (!entry.pageTemplate.isEmpty()) {
        page = scaffoldFromTemplate(entry);
        if (western)
            page = westernScaffold(page);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(page) < 0) {
        m_failures[pass].append(entry.formName + QStringLiteral(": cannot write ") + path);
        return;
    }
    file.close();
    const PageEditor::Preview preview = editor.previewInsert(path, snippet);
    const PageEditor::Outcome outcome = editor.apply(preview);
    if (!outcome.ok) {
        m_failures[pass].append(entry.formName + QStringLiteral(": ") + outcome.message);
        return;
    }
    QString probe = entry.probe;
    if (western)
        probe = QStringLiteral("(%1) && %2").arg(probe, kWesternCheck);
    m_jobs.append({entry.formName, path, probe, pass});
}

void TestInsertedPages::runBothPasses() {
    if (std::exchange(m_ran, true))
        return;
    QStringList only;
    for (const QString& f :
         qEnvironmentVariable("TAGLOOM_SAMPLES_ONLY").split(QLatin1Char(','), Qt::SkipEmptyParts))
        only.append(f.trimmed());
    DiskPageFileAccess files;
    const PageEditor editor(files, QString());
    for (const ScriptEntry* entry : m_catalogue.entries()) {
        if (!entry->hasSample())
            continue;
        if (!only.isEmpty() && !only.contains(entry->samplePage.section(QLatin1Char('/'), 0, 0)))
            continue;
        prepare(*entry, Plain, editor);
        prepare(*entry, Western, editor);
    }
    for (const Job& job : std::as_const(m_jobs))
        ++m_jobCount[job.pass];
    const QList<QStringList> failures = runAll(m_jobs, Passes);
    for (int pass = 0; pass < Passes; ++pass)
        m_failures[pass] += failures.at(pass);
}

void TestInsertedPages::report(Pass pass) {
    runBothPasses();
    const QStringList& failures = m_failures.at(pass);
    qInfo().noquote() << QStringLiteral("%1 pages: passed %2, failed %3")
                             .arg(pass == Western ? QStringLiteral("Windows-1252")
                                                  : QStringLiteral("UTF-8"))
                             .arg(m_jobCount[pass] - failures.size())
                             .arg(failures.size());
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TestInsertedPages::everyEntryWorksInAPlainPage() {
    report(Plain);
}

void TestInsertedPages::everyEntryWorksInAWesternPageWithItsOwnOnload() {
    report(Western);
}

QTEST_MAIN(TestInsertedPages)
#include "tst_insertedpages.moc"
