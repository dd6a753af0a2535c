// SPDX-License-Identifier: GPL-3.0-or-later
// Loads every finished entry's sample page from the build's offline site in a real browser
// engine and fails on script errors, failed resources, failed loads and probes that never
// hold. TAGLOOM_SAMPLES_ONLY=Folder[,Folder...] limits the run to some categories.
#include "model/catalogue.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

// Installed before any page script runs. It reports through the console's original error
// function, so frames and pages that replace console.error are heard all the same.
const char kWatchScript[] = R"JS(
(function () {
  if (window.__tagloomWatch) return;
  window.__tagloomWatch = true;
  var report = console.error.bind(console);
  window.addEventListener('error', function (e) {
    var t = e.target;
    if (t && t !== window && t.tagName) {
      report('tagloom-check: failed resource <' + t.tagName.toLowerCase() + '> ' +
             (t.currentSrc || t.src || t.href || ''));
    } else {
      // Checked once every other listener has run: an error the page's own handler
      // cancels (window.onerror returning true) counts as handled.
      setTimeout(function () {
        if (!e.defaultPrevented)
          report('tagloom-check: uncaught error: ' + e.message + ' (' + e.filename + ':' + e.lineno + ')');
      }, 0);
    }
  }, true);
  window.addEventListener('unhandledrejection', function (e) {
    var r = e.reason;
    report('tagloom-check: unhandled rejection: ' + (r && r.message ? r.message : String(r)));
  });
})();
)JS";

class CheckedPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList problems;
    QStringList dialogs;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override {
        if (level == ErrorMessageLevel)
            problems.append(QStringLiteral("console error: %1 (%2:%3)")
                                .arg(message, QFileInfo(source).fileName())
                                .arg(line));
    }
    // Dialogs and new windows must never hold the run up.
    void javaScriptAlert(const QUrl&, const QString& msg) override {
        dialogs.append(QStringLiteral("alert: ") + msg);
    }
    bool javaScriptConfirm(const QUrl&, const QString& msg) override {
        dialogs.append(QStringLiteral("confirm: ") + msg);
        return false;
    }
    bool javaScriptPrompt(const QUrl&, const QString& msg, const QString&, QString*) override {
        dialogs.append(QStringLiteral("prompt: ") + msg);
        return false;
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

struct Outcome {
    bool ok = false;
    QString reason;
};

constexpr int kLoadTimeoutMs = 20000;
constexpr int kProbeTimeoutMs = 5000;
constexpr int kProbeIntervalMs = 100;
constexpr int kSettleMs = 400; // late rejections and timers that fail right after the load

// Loads one page in a fresh, visible view (hidden pages throttle their timers) and judges it.
Outcome checkPage(const QUrl& url, const QString& probe) {
    QWebEngineView view;
    auto* page = new CheckedPage(&view);
    view.setPage(page);
    QWebEngineScript watch;
    watch.setName(QStringLiteral("tagloom-watch"));
    watch.setInjectionPoint(QWebEngineScript::DocumentCreation);
    watch.setWorldId(QWebEngineScript::MainWorld);
    watch.setRunsOnSubFrames(true);
    watch.setSourceCode(QString::fromUtf8(kWatchScript));
    page->scripts().insert(watch);
    view.resize(1000, 700);
    view.show();

    int loads = 0;
    bool loadOk = true;
    QObject::connect(page, &QWebEnginePage::loadFinished, page, [&](bool ok) {
        ++loads;
        loadOk = loadOk && ok;
    });
    page->load(url);
    QElapsedTimer clock;
    clock.start();
    while (loads == 0 && clock.elapsed() < kLoadTimeoutMs)
        QTest::qWait(20);
    if (loads == 0)
        return {false, QStringLiteral("page did not finish loading")};
    if (!loadOk)
        return {false, QStringLiteral("load failed")};

    QString probeState;
    if (!probe.trimmed().isEmpty()) {
        const QString wrapped =
            QStringLiteral("(function () { try { return (%1) ? 'yes' : 'no'; } catch (e) { "
                           "return 'threw: ' + e; } })()")
                .arg(probe);
        bool held = false;
        clock.restart();
        while (!held && clock.elapsed() < kProbeTimeoutMs && page->problems.isEmpty()) {
            bool answered = false;
            page->runJavaScript(wrapped, QWebEngineScript::MainWorld, [&](const QVariant& v) {
                answered = true;
                probeState = v.toString();
                held = probeState == QLatin1String("yes");
            });
            QElapsedTimer wait;
            wait.start();
            while (!answered && wait.elapsed() < 1000)
                QTest::qWait(5);
            if (!held)
                QTest::qWait(kProbeIntervalMs);
        }
        if (!held && page->problems.isEmpty())
            return {false, QStringLiteral("probe did not hold within 5 s (last answer: %1)")
                               .arg(probeState.isEmpty() ? QStringLiteral("none") : probeState)};
    }
    QTest::qWait(kSettleMs);
    if (!loadOk)
        return {false, QStringLiteral("a later load failed")};
    if (!page->problems.isEmpty())
        return {false, page->problems.join(QStringLiteral("; "))};
    return {true, QString()};
}

QString siteDir() {
    return QStringLiteral(TAGLOOM_TEST_SITE_DIR);
}

} // namespace

class TestSamplePages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void checkerCatchesEachKindOfFault_data();
    void checkerCatchesEachKindOfFault();
    void everySamplePage();
    void everyOtherPageOfTheSite();

private:
    QTemporaryDir m_scratch;
};

void TestSamplePages::initTestCase() {
    QVERIFY(m_scratch.isValid());
    QVERIFY2(QFileInfo(siteDir() + QStringLiteral("/tagloom/samples")).isDir(),
             "build the site first (target tagloom_site)");
}

void TestSamplePages::checkerCatchesEachKindOfFault_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reason");
    QTest::newRow("clean, probe holds later")
        << "<p id=p></p><script>setTimeout(function(){p.textContent='x'},300)</script>"
        << "document.getElementById('p').textContent === 'x'" << true << "";
    QTest::newRow("dialogs and windows do not block")
        << "<script>alert('a'); confirm('b'); prompt('c'); window.open('x.htm');"
           "document.title = 'went on';</script>"
        << "document.title === 'went on'" << true << "";
    QTest::newRow("uncaught error") << "<script>undefinedFunction();</script>"
                                    << "" << false << "undefinedFunction";
    QTest::newRow("late rejection")
        << "<script>setTimeout(function(){Promise.reject(new Error('late'))},50)</script>"
        << "" << false << "late";
    QTest::newRow("missing picture") << "<img src='no-such-picture.png'>"
                                     << "" << false << "failed resource <img>";
    QTest::newRow("missing script") << "<script src='no-such-script.js'></script>"
                                    << "" << false << "failed resource <script>";
    QTest::newRow("console error") << "<script>console.error('broken')</script>"
                                   << "" << false << "broken";
    QTest::newRow("console replaced") << "<script>console.error = function(){}; nope();</script>"
                                      << "" << false << "nope";
    QTest::newRow("error the page handles itself")
        << "<script>window.onerror = function(){return true}; nope();</script>"
        << "" << true << "";
    QTest::newRow("probe never holds") << "<p>nothing</p>"
                                       << "false" << false << "probe did not hold";
    QTest::newRow("probe throws") << "<p>nothing</p>"
                                  << "missing.value" << false << "threw";
}

void TestSamplePages::checkerCatchesEachKindOfFault() {
    QFETCH(QString, body);
    QFETCH(QString, probe);
    QFETCH(bool, ok);
    QFETCH(QString, reason);
    const QString path = m_scratch.filePath(QStringLiteral("page.htm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<!DOCTYPE html><html><head><meta charset='utf-8'><title>t</title></head><body>" +
               body.toUtf8() + "</body></html>");
    file.close();
    const Outcome outcome = checkPage(QUrl::fromLocalFile(path), probe);
    QVERIFY2(outcome.ok == ok, qPrintable(outcome.reason));
    QVERIFY2(outcome.reason.contains(reason), qPrintable(outcome.reason));
    QVERIFY(!QFile::exists(m_scratch.filePath(QStringLiteral("x.htm"))));
}

void TestSamplePages::everySamplePage() {
    Catalogue catalogue;
    QVERIFY(catalogue.errors().isEmpty());
    QStringList only;
    for (const QString& f :
         qEnvironmentVariable("TAGLOOM_SAMPLES_ONLY").split(QLatin1Char(','), Qt::SkipEmptyParts))
        only.append(f.trimmed());

    int passed = 0;
    int skipped = 0;
    QStringList failures;
    for (const ScriptEntry* entry : catalogue.entries()) {
        if (!entry->hasSample())
            continue;
        const QString folder = entry->samplePage.section(QLatin1Char('/'), 0, 0);
        if (!only.isEmpty() && !only.contains(folder))
            continue;
        if (entry->todo) {
            ++skipped;
            continue;
        }
        const QString file = siteDir() + QStringLiteral("/tagloom/samples/") + entry->samplePage;
        Outcome outcome;
        if (!QFileInfo::exists(file))
            outcome = {false, QStringLiteral("page was not generated: ") + entry->samplePage};
        else if (entry->probe.trimmed().isEmpty())
            outcome = {false, QStringLiteral("no probe declared")};
        else
            outcome = checkPage(QUrl::fromLocalFile(file), entry->probe);
        if (outcome.ok) {
            ++passed;
        } else {
            const QString line = QStringLiteral("%1: %2").arg(entry->formName, outcome.reason);
            failures.append(line);
            qInfo().noquote() << "FAIL" << line;
        }
    }
    qInfo().noquote() << QStringLiteral("passed %1, failed %2, skipped %3 (todo)")
                             .arg(passed)
                             .arg(failures.size())
                             .arg(skipped);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TestSamplePages::everyOtherPageOfTheSite() {
    // The site's own pages, the pointer targets, the helper pages beside the samples and the
    // pages of the scripts folder: no probe, but the same bar for errors and missing files.
    Catalogue catalogue;
    QSet<QString> generated;
    for (const ScriptEntry* entry : catalogue.entries()) {
        if (entry->hasSample())
            generated.insert(QDir::cleanPath(siteDir() + QStringLiteral("/tagloom/samples/") +
                                             entry->samplePage));
    }
    const QStringList only =
        qEnvironmentVariable("TAGLOOM_SAMPLES_ONLY").split(QLatin1Char(','), Qt::SkipEmptyParts);
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
                wanted =
                    wanted || path.contains(QStringLiteral("/samples/%1/").arg(folder.trimmed()));
            if (wanted)
                pages.append(path);
        }
    }
    pages.sort();
    QStringList failures;
    for (const QString& path : std::as_const(pages)) {
        const Outcome outcome = checkPage(QUrl::fromLocalFile(path), QString());
        if (!outcome.ok) {
            const QString line = QStringLiteral("%1: %2").arg(
                QDir(siteDir() + QStringLiteral("/..")).relativeFilePath(path), outcome.reason);
            failures.append(line);
            qInfo().noquote() << "FAIL" << line;
        }
    }
    qInfo().noquote() << QStringLiteral("other pages: passed %1, failed %2")
                             .arg(pages.size() - failures.size())
                             .arg(failures.size());
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestSamplePages)
#include "tst_samplepages.moc"
