// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/web/sandboxview.h"

#include "model/sandboxpolicy.h"

#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineView>

SandboxInterceptor::SandboxInterceptor(QString siteFolder, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent)
    , m_siteFolder(std::move(siteFolder)) {}

void SandboxInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    if (SandboxPolicy::allows(url, m_siteFolder))
        return;
    info.block(true);
    // Queued: the engine may call in from its own thread.
    QMetaObject::invokeMethod(
        this, [this, address = url.toString()] { emit blocked(address); }, Qt::QueuedConnection);
}

namespace {

// Stands in for a window the page tried to open: it reports where that window would have
// gone and goes nowhere.
class RefusedWindow final : public QWebEnginePage {
public:
    RefusedWindow(QWebEngineProfile* profile, PreviewEvents* events, QObject* parent)
        : QWebEnginePage(profile, parent)
        , m_events(events) {
        // A window opened without an address never navigates; let it go soon either way.
        QMetaObject::invokeMethod(this, &QObject::deleteLater, Qt::QueuedConnection);
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        if (m_events && !m_reported) {
            m_reported = true;
            m_events->leaveRefused(true, url.toString());
        }
        return false;
    }

private:
    PreviewEvents* m_events = nullptr;
    bool m_reported = false;
};

} // namespace

namespace {

const QString kOpenMarker = QStringLiteral("\x01tagloom-open ");
const QString kRefusedMarker = QStringLiteral("\x01tagloom-refused ");

// Runs before the page's own scripts, in every frame: window.open is reported, not carried
// out (a pop-up blocker would drop it unseen), and connections that bypass the request
// interceptor are refused outright.
QWebEngineScript guardScript() {
    QWebEngineScript script;
    script.setName(QStringLiteral("tagloom-preview-guard"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(
        QStringLiteral(
            "(function () {"
            " var log = console.debug.bind(console);"
            " var where = function (u) { try { return new URL(String(u), "
            "document.baseURI).href; } catch (e) { return String(u); } };"
            " window.open = function (u) { log('%1' + (u === undefined ? '' : where(u))); "
            "return null; };"
            " var refuse = function (name) { return function (u) { log('%2' + where(u)); "
            "throw new DOMException(name + ' is not allowed in the preview', "
            "'SecurityError'); }; };"
            " window.WebSocket = refuse('WebSocket');"
            " window.RTCPeerConnection = refuse('RTCPeerConnection');"
            " window.webkitRTCPeerConnection = window.RTCPeerConnection;"
            "})();")
            .arg(kOpenMarker, kRefusedMarker));
    return script;
}

} // namespace

SandboxPage::SandboxPage(QWebEngineProfile* profile, PreviewEvents* events, QObject* parent)
    : QWebEnginePage(profile, parent)
    , m_events(events) {}

void SandboxPage::javaScriptAlert(const QUrl&, const QString& message) {
    m_events->dialogShown(PreviewEvents::Dialog::Alert, message);
}

bool SandboxPage::javaScriptConfirm(const QUrl&, const QString& message) {
    m_events->dialogShown(PreviewEvents::Dialog::Confirm, message);
    return true;
}

bool SandboxPage::javaScriptPrompt(const QUrl&, const QString& message, const QString& defaultValue,
                                   QString* result) {
    m_events->dialogShown(PreviewEvents::Dialog::Prompt, message);
    *result = defaultValue;
    return true;
}

void SandboxPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString& message, int lineNumber, const QString&) {
    if (message.startsWith(kOpenMarker)) {
        m_events->leaveRefused(true, message.mid(kOpenMarker.size()));
        return;
    }
    if (message.startsWith(kRefusedMarker)) {
        m_events->requestBlocked(message.mid(kRefusedMarker.size()));
        return;
    }
    PreviewEvents::Level kind = PreviewEvents::Level::Info;
    if (level == WarningMessageLevel)
        kind = PreviewEvents::Level::Warning;
    else if (level == ErrorMessageLevel)
        kind = PreviewEvents::Level::Error;
    m_events->scriptMessage(kind, message, lineNumber);
}

bool SandboxPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    // Frames inside the page may load (the interceptor keeps them in the site).
    if (!isMainFrame)
        return true;
    if (m_ownLoadPending) {
        m_ownLoadPending = false;
        return true;
    }
    m_events->leaveRefused(false, url.toString());
    return false;
}

QWebEnginePage* SandboxPage::createWindow(WebWindowType) {
    return new RefusedWindow(profile(), m_events, this);
}

SandboxView::SandboxView(QWidget* parent, PreviewEvents* events, const QString& siteFolder) {
    m_view = new QWebEngineView(parent);
    m_view->setObjectName(QStringLiteral("previewView"));
    m_view->setAccessibleName(QStringLiteral("Preview of the page"));
    // Off the record, so nothing a snippet stores outlives the preview.
    m_profile = new QWebEngineProfile(m_view);
    auto* interceptor = new SandboxInterceptor(siteFolder, m_profile);
    QObject::connect(interceptor, &SandboxInterceptor::blocked, m_view,
                     [events](const QString& address) { events->requestBlocked(address); });
    m_profile->setUrlRequestInterceptor(interceptor);
    m_page = new SandboxPage(m_profile, events, m_view);
    QWebEngineSettings* settings = m_page->settings();
    // Remote addresses are let through to the interceptor, which refuses every one of them
    // and lists it; refused earlier, the user would never learn what the snippet tried.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    settings->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    m_page->scripts().insert(guardScript());
    m_view->setPage(m_page);
    // Permission requests (location, camera, notifications...) are refused by not granting them.
    QObject::connect(m_page, &QWebEnginePage::featurePermissionRequested, m_page,
                     [page = m_page](const QUrl& origin, QWebEnginePage::Feature feature) {
                         page->setFeaturePermission(origin, feature,
                                                    QWebEnginePage::PermissionDeniedByUser);
                     });
    QObject::connect(m_page, &QWebEnginePage::loadFinished, m_view,
                     [events](bool ok) { events->loadFinished(ok); });
    QObject::connect(m_page, &QWebEnginePage::renderProcessTerminated, m_view,
                     [events] { events->renderProcessEnded(); });
}

SandboxView::~SandboxView() {
    // The page must go before its profile.
    if (m_view) {
        delete m_page;
        delete m_view.data();
    }
}

QWidget* SandboxView::widget() {
    return m_view;
}

void SandboxView::showPage(const QString& html, const QString& baseAddress) {
    m_page->expectOwnLoad();
    m_page->setHtml(html, QUrl(baseAddress));
}

void SandboxView::runScript(const QString& script, std::function<void(const QVariant&)> done) {
    m_page->runJavaScript(script, [done = std::move(done)](const QVariant& result) {
        if (done)
            done(result);
    });
}

qint64 SandboxView::renderProcessId() const {
    return m_page->renderProcessPid();
}
