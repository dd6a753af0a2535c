// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webtools/webwindowfactory.h"

#include <QWebEnginePage>
#include <QWebEngineView>

// A page that tells when each of its documents (the page and every frame) has finished loading, and
// opens the windows that its scripts and links ask for as browser windows of their own.
class ReportingPage final : public QWebEnginePage {
    Q_OBJECT
public:
    explicit ReportingPage(QObject* parent);

signals:
    // The page or a frame inside it has finished loading.
    void documentComplete(const QString& address);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    QString m_token;
};

// The quick browser's embedded view.
class QuickView final : public QWebEngineView, public WebViewControl {
    Q_OBJECT
public:
    QuickView(QWidget* parent, WebViewEvents* events);

    QWidget* widget() override { return this; }
    void navigate(const QString& address) override;
    bool goBack() override;
    bool goForward() override;
    void stop() override;

private:
    WebViewEvents* m_events;
};
