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
// disturb it; the token keeps them from faking its reports.
const char kFrameWatch[] = R"JS(
(function () {
  if (window === window.top) return;
  function report() { console.log('%1' + location.href); }
  if (document.readyState === 'complete') report();
  else window.addEventListener('load', report);
})();
)JS";

} // namespace

ReportingPage::ReportingPage(QObject* parent)
    : QWebEnginePage(parent)
    , m_token(QStringLiteral("tagloom-frame-complete-%1:")
                  .arg(QUuid::createUuid().toString(QUuid::WithoutBraces))) {
    QWebEngineScript watch;
    watch.setName(QStringLiteral("tagloom-frame-watch"));
    watch.setInjectionPoint(QWebEngineScript::DocumentReady);
    watch.setWorldId(QWebEngineScript::ApplicationWorld);
    watch.setRunsOnSubFrames(true);
    watch.setSourceCode(QString::fromLatin1(kFrameWatch).arg(m_token));
    scripts().insert(watch);
}

void ReportingPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                             const QString& message, int line,
                                             const QString& source) {
    if (message.startsWith(m_token)) {
        emit frameComplete(message.mid(m_token.size()));
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
    connect(page, &ReportingPage::frameComplete, this,
            [this](const QString& address) { m_events->documentComplete(address); });
    connect(this, &QWebEngineView::loadFinished, this,
            [this] { m_events->documentComplete(url().toString()); });
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
