// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/web/quickview.h"

#include "webtools/web/separatebrowser.h"

#include <QUrl>
#include <QUuid>
#include <QWebEngineHistory>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

// Runs in a world of its own inside every frame, so page scripts can neither see nor
// disturb it; the token keeps them from faking its reports. "pageshow" comes after "load",
// and again when a page is taken back out of the history cache without loading. A frame's
// document completes before the document that holds it.
const char kDocumentWatch[] = R"JS(
(function () {
  var reported = false;
  function report() { reported = true; console.log('%1' + location.href); }
  if (document.readyState === 'complete') report();
  window.addEventListener('pageshow', function (e) {
    if (e.persisted || !reported) report();
  });
})();
)JS";

} // namespace

ReportingPage::ReportingPage(QObject* parent)
    : QWebEnginePage(parent)
    , m_token(QStringLiteral("tagloom-document-complete-%1:")
                  .arg(QUuid::createUuid().toString(QUuid::WithoutBraces))) {
    QWebEngineScript watch;
    watch.setName(QStringLiteral("tagloom-document-watch"));
    watch.setInjectionPoint(QWebEngineScript::DocumentReady);
    watch.setWorldId(QWebEngineScript::ApplicationWorld);
    watch.setRunsOnSubFrames(true);
    watch.setSourceCode(QString::fromLatin1(kDocumentWatch).arg(m_token));
    scripts().insert(watch);
}

void ReportingPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                             const QString& message, int line,
                                             const QString& source) {
    if (message.startsWith(m_token)) {
        emit documentComplete(message.mid(m_token.size()));
        return;
    }
    QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

QWebEnginePage* ReportingPage::createWindow(WebWindowType type) {
    Q_UNUSED(type)
    // Owned by the window of the view that asked, so it goes when that window goes.
    auto* owner = qobject_cast<QWidget*>(parent());
    auto* window = new SeparateBrowser(owner ? owner->window() : nullptr);
    window->show();
    return window->page();
}

QuickView::QuickView(QWidget* parent, WebViewEvents* events)
    : QWebEngineView(parent)
    , m_events(events) {
    auto* page = new ReportingPage(this);
    setPage(page);
    connect(this, &QWebEngineView::titleChanged, this,
            [this](const QString& title) { m_events->titleChanged(title); });
    connect(page, &ReportingPage::documentComplete, this,
            [this](const QString& address) { m_events->documentComplete(address); });
    // A page that failed to load runs no script, but has completed all the same.
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (!ok)
            m_events->documentComplete(url().toString());
    });
}

void QuickView::navigate(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (url.isValid())
        load(url);
}

bool QuickView::goBack() {
    if (!history()->canGoBack())
        return false;
    back();
    return true;
}

bool QuickView::goForward() {
    if (!history()->canGoForward())
        return false;
    forward();
    return true;
}

void QuickView::stop() {
    QWebEngineView::stop();
}
