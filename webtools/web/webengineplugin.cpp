// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/web/webengineplugin.h"

#include "webtools/web/quickview.h"
#include "webtools/web/separatebrowser.h"

#include <QCoreApplication>

namespace QtWebEngineCore {
// The engine's own set-up, which it normally runs before the application object exists.
void initialize();
} // namespace QtWebEngineCore

namespace {

// The engine expects a shared OpenGL context made at application start; a plugin arrives
// later, so it is made here, once, before the first view.
void prepareEngine() {
    static const bool prepared = [] {
        QtWebEngineCore::initialize();
        return true;
    }();
    Q_UNUSED(prepared)
}

} // namespace

WebViewControl* WebEnginePlugin::createWebView(QWidget* parent, WebViewEvents* events) {
    prepareEngine();
    return new QuickView(parent, events);
}

QWidget* WebEnginePlugin::createSeparateBrowser(const QString& address) {
    prepareEngine();
    auto* window = new SeparateBrowser(nullptr);
    window->navigate(address);
    return window;
}
