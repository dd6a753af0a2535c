// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webtools/previewview.h"

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineProfile;
class QWebEngineView;

// Lets a previewed page load the site's own files (and what it makes itself), nothing else.
class SandboxInterceptor final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    SandboxInterceptor(QString siteFolder, QObject* parent);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

signals:
    void blocked(const QString& address);

private:
    QString m_siteFolder;
};

// A page whose dialogs, windows and navigations are reported instead of carried out.
class SandboxPage final : public QWebEnginePage {
    Q_OBJECT
public:
    SandboxPage(QWebEngineProfile* profile, PreviewEvents* events, QObject* parent);
    // The next main-frame load is the page we were asked to show.
    void expectOwnLoad() { m_ownLoadPending = true; }

protected:
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceId) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    PreviewEvents* m_events = nullptr;
    bool m_ownLoadPending = false;
};

class SandboxView final : public PreviewView {
public:
    SandboxView(QWidget* parent, PreviewEvents* events, const QString& siteFolder);
    ~SandboxView() override;

    QWidget* widget() override;
    void showPage(const QString& html, const QString& baseAddress) override;
    void runScript(const QString& script, std::function<void(const QVariant&)> done) override;
    qint64 renderProcessId() const override;

private:
    QPointer<QWebEngineView> m_view;
    QWebEngineProfile* m_profile = nullptr;
    SandboxPage* m_page = nullptr;
};
