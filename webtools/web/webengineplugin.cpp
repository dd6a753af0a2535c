// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/web/webengineplugin.h"

#include "webtools/web/quickview.h"
#include "webtools/web/sandboxview.h"
#include "webtools/web/separatebrowser.h"

#include <QCoreApplication>

WebViewControl* WebEnginePlugin::createWebView(QWidget* parent, WebViewEvents* events) {
    return new QuickView(parent, events);
}

QWidget* WebEnginePlugin::createSeparateBrowser(const QString& address) {
    auto* window = new SeparateBrowser(nullptr);
    window->navigate(address);
    return window;
}

PreviewView* WebEnginePlugin::createPreviewView(QWidget* parent, PreviewEvents* events,
                                                const QString& siteFolder) {
    return new SandboxView(parent, events, siteFolder);
}
