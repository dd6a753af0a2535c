// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagecheck.h"

#include "pagewatch.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QtTest>

#include <functional>

namespace {

// Runs inside the page watch: notes every pending timer, so the checker can tell when the page
// has gone quiet, and drives the probe.
const char kTimerWatch[] = R"JS(
  // Timers not yet run, by id, with the time they are due.
  var pending = {};
  function track(original, repeats) {
    return function (handler, delay) {
      var extra = Array.prototype.slice.call(arguments, 2);
      var id;
      var run = function () {
        delete pending[id];
        if (typeof handler === 'function') return handler.apply(window, extra);
        return (0, eval)(String(handler)); // a string runs in global scope, as it would
      };
      id = original.call(window, run, delay);
      pending[id] = performance.now() + (Number(delay) || 0);
      return id;
    };
  }
  function untrack(original) {
    return function (id) {
      delete pending[id];
      return original.call(window, id);
    };
  }
  var plainTimeout = window.setTimeout;
  window.setTimeout = track(window.setTimeout, false);
  window.setInterval = track(window.setInterval, true);
  window.clearTimeout = untrack(window.clearTimeout);
  window.clearInterval = untrack(window.clearInterval);

  // Quiet: every timer due within half a second of the first call has run (or was cleared),
  // then two more turns of the event loop for the rejections and errors they caused.
  var awaited = null;
  var turns = 0;
  window.__tagloomQuiet = function () {
    if (awaited === null) {
      awaited = [];
      var horizon = performance.now() + 500;
      for (var id in pending)
        if (pending[id] <= horizon) awaited.push(id);
    }
    awaited = awaited.filter(function (id) { return id in pending; });
    if (awaited.length) return false;
    if (turns < 2) {
      plainTimeout.call(window, function () { ++turns; }, 0);
      return false;
    }
    return true;
  };

  // Runs the probe until it holds, waits for quiet, then reports in one console message, so
  // the checker waits for one answer instead of asking again and again.
  var say = console.info.bind(console);
  window.__tagloomDrive = function (probe, inspect) {
    var started = performance.now();
    var result = { probe: '', faults: [] };
    var test = null;
    if (probe) {
      try { test = new Function('return (' + probe + ');'); }
      catch (e) { test = function () { throw e; }; }
    }
    function finish() {
      try { result.faults = inspect(); } catch (e) { result.faults = ['inspection threw: ' + e]; }
      say('tagloom-result:' + JSON.stringify(result));
    }
    function quiet() {
      if (window.__tagloomQuiet() || performance.now() - started > %SETTLE%) finish();
      else plainTimeout.call(window, quiet, 20);
    }
    function ask() {
      var answer;
      try { answer = test() ? 'yes' : 'no'; } catch (e) { answer = 'threw: ' + e; }
      if (answer === 'yes') {
        started = performance.now();
        quiet();
      } else if (performance.now() - started > %PROBE%) {
        result.probe = 'probe did not hold within 5 s (last answer: ' + answer + ')';
        finish();
      } else {
        plainTimeout.call(window, ask, 50);
      }
    }
    if (test) ask(); else quiet();
  };
)JS";

// Every form control needs a name a screen reader can say, every picture an alt text, and
// whatever takes a click must also be reachable by Tab. Returns one line per fault.
const char kAccessibilityScript[] = R"JS(
function () {
  var faults = [];
  function squash(s) { return (s || '').replace(/\s+/g, ' ').trim(); }
  function describe(el) {
    var s = '<' + el.tagName.toLowerCase();
    ['type', 'id', 'name', 'src', 'value'].forEach(function (a) {
      var v = el.getAttribute(a);
      if (v !== null) s += ' ' + a + '="' + v.slice(0, 40) + '"';
    });
    return s + '>';
  }
  // The text a label gives, leaving out the control itself.
  function labelText(label, control) {
    var copy = label.cloneNode(true);
    var inner = copy.querySelectorAll('input, select, textarea, button');
    var originals = label.querySelectorAll('input, select, textarea, button');
    for (var i = 0; i < originals.length; ++i)
      if (originals[i] === control) inner[i].remove();
    var alts = '';
    copy.querySelectorAll('img[alt]').forEach(function (img) { alts += img.alt; });
    return squash(copy.textContent + ' ' + alts);
  }
  function hasName(el, doc) {
    var ids = squash(el.getAttribute('aria-labelledby'));
    if (ids && ids.split(' ').some(function (id) {
          var t = doc.getElementById(id);
          return t && squash(t.textContent || t.getAttribute('aria-label'));
        }))
      return true;
    if (squash(el.getAttribute('aria-label')) || squash(el.getAttribute('title')))
      return true;
    var labels = el.labels || [];
    for (var i = 0; i < labels.length; ++i)
      if (labelText(labels[i], el)) return true;
    var tag = el.tagName.toLowerCase();
    var type = (el.getAttribute('type') || '').toLowerCase();
    if (tag === 'button')
      return !!(squash(el.textContent) || el.querySelector('img[alt]:not([alt=""])'));
    if (tag === 'input' && (type === 'button' || type === 'submit' || type === 'reset'))
      return type !== 'button' && !el.hasAttribute('value') || !!squash(el.value);
    if (tag === 'input' && type === 'image')
      return !!squash(el.getAttribute('alt'));
    return false;
  }
  function reachable(el) {
    return el.tabIndex >= 0 && !el.disabled;
  }
  function check(doc, where) {
    doc.querySelectorAll('input, select, textarea, button').forEach(function (el) {
      if (el.tagName.toLowerCase() === 'input' && el.type === 'hidden') return;
      // Never shown (a file box behind a button, say): no reader meets it.
      if (el.closest('[hidden], [aria-hidden="true"]')) return;
      if (!hasName(el, doc)) faults.push(where + describe(el) + ' has no accessible name');
    });
    doc.querySelectorAll('img').forEach(function (el) {
      if (!el.hasAttribute('alt')) faults.push(where + describe(el) + ' has no alt text');
    });
    doc.querySelectorAll('body *').forEach(function (el) {
      if (el.onclick && !reachable(el))
        faults.push(where + describe(el) + ' takes a click but cannot be reached with Tab');
    });
    var frames = doc.querySelectorAll('iframe, frame');
    for (var i = 0; i < frames.length; ++i) {
      var inner = null;
      try { inner = frames[i].contentDocument; } catch (e) { inner = null; }
      if (inner && inner.body) check(inner, where + 'frame ' + describe(frames[i]) + ': ');
    }
  }
  check(document, '');
  return faults;
}
)JS";

} // namespace

// Outside the anonymous namespace, as the lent views (declared in the header) hold one.
class CheckedPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList problems;
    QStringList dialogs;
    std::function<void(const QJsonObject&)> onResult;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override {
        static const QString resultTag = QStringLiteral("tagloom-result:");
        if (level == InfoMessageLevel && message.startsWith(resultTag) && onResult)
            onResult(QJsonDocument::fromJson(message.mid(resultTag.size()).toUtf8()).object());
        else if (level == ErrorMessageLevel)
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

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kProbeTimeoutMs = 5000;
constexpr int kSettleTimeoutMs = 3000;
// The page reports on its own; this only catches one that never does.
constexpr int kReportTimeoutMs = kProbeTimeoutMs + kSettleTimeoutMs + 10000;

QString timerWatch() {
    return QString::fromUtf8(kTimerWatch)
        .replace(QLatin1String("%PROBE%"), QString::number(kProbeTimeoutMs))
        .replace(QLatin1String("%SETTLE%"), QString::number(kSettleTimeoutMs));
}

} // namespace

// A visible view (hidden pages throttle their timers) with the watch script, lent to one page
// after another: a new view per page cost more than most pages.
struct PageView {
    PageView() {
        page = new CheckedPage(&view);
        view.setPage(page);
        page->scripts().insert(pageWatchScript(timerWatch()));
        view.resize(1000, 700);
        view.show();
    }

    QWebEngineView view;
    CheckedPage* page = nullptr;
    bool used = false;
};

// One page in a lent view: empty the view of the page before, load, let the page run its probe
// and settle, read its report, done. Emptying clears the session storage and loads a blank
// page, so no page sees what the one before left, and nothing the old page still says is
// counted against the new one.
class PageRun final : public QObject {
    Q_OBJECT
public:
    PageRun(const QString& key, const QUrl& url, const QString& probe, PageView& view)
        : m_page(view.page)
        , m_key(key)
        , m_url(url)
        , m_probe(probe) {
        // The view outlives this run: a report that comes after it is gone goes nowhere.
        m_page->onResult = [self = QPointer<PageRun>(this)](const QJsonObject& result) {
            if (self)
                self->reported(result);
        };
        connect(m_page, &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) {
                    if (m_emptying && info.status() == QWebEngineLoadingInfo::LoadSucceededStatus &&
                        info.url() == QUrl(QStringLiteral("about:blank")))
                        load();
                });
        connect(m_page, &QWebEnginePage::loadFinished, this, &PageRun::loaded);
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            finish(false, m_emptying ? QStringLiteral("the view could not be emptied for it")
                          : m_loaded ? QStringLiteral("the page never reported back")
                                     : QStringLiteral("page did not finish loading"));
        });
        m_deadline.start(kLoadTimeoutMs);
        if (!std::exchange(view.used, true)) {
            load();
            return;
        }
        m_emptying = true;
        m_page->runJavaScript(QStringLiteral("try { sessionStorage.clear(); } catch (e) {}"),
                              QWebEngineScript::MainWorld);
        m_page->load(QUrl(QStringLiteral("about:blank")));
    }

    const QString& key() const { return m_key; }
    const PageOutcome& outcome() const { return m_outcome; }
    CheckedPage* page() const { return m_page; }

signals:
    void done(PageRun* run);

private:
    void load() {
        m_emptying = false;
        m_page->problems.clear();
        m_page->dialogs.clear();
        m_page->load(m_url);
    }

    void loaded(bool ok) {
        if (m_emptying || m_finished)
            return;
        m_loadOk = m_loadOk && ok;
        if (!m_loaded && !ok)
            return finish(false, QStringLiteral("load failed"));
        // A page that moves on by itself is judged where it lands.
        m_loaded = true;
        const QString probe = QString::fromUtf8(
            QJsonDocument(QJsonArray{m_probe.trimmed()}).toJson(QJsonDocument::Compact));
        m_page->runJavaScript(QStringLiteral("window.__tagloomDrive(%1[0], %2)")
                                  .arg(probe, QString::fromUtf8(kAccessibilityScript)),
                              QWebEngineScript::MainWorld);
        m_deadline.start(kReportTimeoutMs);
    }

    void reported(const QJsonObject& result) {
        // A late report of the page before has no say.
        if (m_finished || !m_loaded)
            return;
        for (const QJsonValue& fault : result.value(QLatin1String("faults")).toArray())
            m_outcome.accessibility.append(fault.toString());
        m_outcome.inspected = true;
        // Errors outrank a probe that did not hold: they usually are the reason.
        if (!m_page->problems.isEmpty())
            return finish(false, m_page->problems.join(QStringLiteral("; ")));
        const QString probe = result.value(QLatin1String("probe")).toString();
        if (!probe.isEmpty())
            return finish(false, probe);
        if (!m_loadOk)
            return finish(false, QStringLiteral("a later load failed"));
        finish(true, QString());
    }

    void finish(bool ok, const QString& reason) {
        if (m_finished)
            return;
        m_finished = true;
        m_deadline.stop();
        m_outcome.ok = ok;
        m_outcome.reason = reason;
        emit done(this);
    }

    CheckedPage* m_page;
    const QString m_key;
    const QUrl m_url;
    const QString m_probe;
    QTimer m_deadline;
    bool m_emptying = false;
    bool m_loaded = false;
    bool m_loadOk = true;
    bool m_finished = false;
    PageOutcome m_outcome;
};

PageChecker::PageChecker(int parallel, QObject* parent)
    : QObject(parent)
    , m_parallel(qMax(1, parallel)) {}

PageChecker::~PageChecker() {
    qDeleteAll(m_running);
}

PageView& PageChecker::freeView() {
    for (const std::unique_ptr<PageView>& view : m_views) {
        const bool busy = std::any_of(m_running.cbegin(), m_running.cend(),
                                      [&](PageRun* run) { return run->page() == view->page; });
        if (!busy)
            return *view;
    }
    m_views.push_back(std::make_unique<PageView>());
    return *m_views.back();
}

void PageChecker::enqueue(const QString& key, const QUrl& url, const QString& probe) {
    if (m_requests.contains(key) || m_done.contains(key))
        return;
    m_requests.insert(key, {url, probe});
    m_queue.push_back(key);
}

PageOutcome PageChecker::outcome(const QString& key) {
    if (!m_done.contains(key) && !m_running.contains(key)) {
        // Asked out of turn (a single row rerun): this page goes first.
        const auto at = std::find(m_queue.begin(), m_queue.end(), key);
        if (at == m_queue.end())
            return {false, QStringLiteral("page was never queued"), {}};
        m_queue.erase(at);
        m_queue.push_front(key);
    }
    startMore();
    // A real event loop rather than polling with sleeps: the engine runs its own tasks on this
    // thread, and every sleep would hold each of them up. Generous: a page may wait for the ones
    // ahead of it, each bounded by its own timeouts.
    if (!m_done.contains(key)) {
        QEventLoop loop;
        m_waitingFor = key;
        m_wakeUp = [&loop] { loop.quit(); };
        QTimer::singleShot(2 * (kLoadTimeoutMs + kReportTimeoutMs), &loop, &QEventLoop::quit);
        loop.exec();
        m_wakeUp = nullptr;
    }
    if (!m_done.contains(key))
        return {false, QStringLiteral("the check itself did not finish"), {}};
    return m_done.value(key);
}

void PageChecker::startMore() {
    while (m_running.size() < m_parallel && !m_queue.empty()) {
        const QString key = m_queue.front();
        m_queue.pop_front();
        const auto request = m_requests.take(key);
        auto* run = new PageRun(key, request.first, request.second, freeView());
        connect(run, &PageRun::done, this, &PageChecker::finished, Qt::QueuedConnection);
        m_running.insert(key, run);
    }
}

void PageChecker::finished(PageRun* run) {
    m_running.remove(run->key());
    m_done.insert(run->key(), run->outcome());
    run->deleteLater();
    startMore();
    if (m_wakeUp && run->key() == m_waitingFor)
        m_wakeUp();
}

#include "pagecheck.moc"
