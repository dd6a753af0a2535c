// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/webtools.h"

#include "platform/messageboxes.h"

#include "webtools/frmbrowser.h"
#include "webtools/webwindowfactory.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/messagetexts.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPoint>
#include <QSize>
#include <QWidget>

WebTools::WebTools(AppContext& context, const QString& pluginFile, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_plugin(pluginFile) {}

WebTools::WebTools(AppContext& context, WebWindowFactory* factory, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_plugin(factory) {}

WebTools::~WebTools() {
    // Web views must be gone before the application object is.
    const auto windows = m_windows;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

void WebTools::track(QWidget* window) {
    m_windows.removeAll(QPointer<QWidget>());
    m_windows.append(window);
}

QWidget* WebTools::createQuickBrowser() {
    WebWindowFactory* web = m_plugin.factory();
    if (!web) {
        m_context.messages->inform(
            m_context.main, MessageTexts::kErrorTitle,
            QCoreApplication::translate(
                "WebTools", "The Quick Browser cannot open: its web component could not be "
                            "loaded.\n\n%1")
                .arg(m_plugin.errorString()),
            MessageBoxes::Icon::Critical);
        return nullptr;
    }
    auto* browser = new frmBrowser(*web);
    track(browser);
    browser->Form_Load();
    return browser;
}

void WebTools::openFor(QWidget* owner, const QString& address) {
    WebWindowFactory* web = m_plugin.factory();
    QWidget* window = web ? web->createSeparateBrowser(address) : nullptr;
    if (!window)
        return;
    track(window);
    window->setWindowIcon(QIcon(QStringLiteral(":/assets/icon/tagloom-256.png")));
    window->resize(separateBrowserSize());
    window->move(separateBrowserPosition());
    window->show();
    if (!owner)
        return;
    // Only the latest window is remembered; the owner closing closes that one alone.
    if (!m_latest.contains(owner))
        connect(owner, &QObject::destroyed, this, [this, owner] {
            if (QWidget* latest = m_latest.take(owner))
                latest->close();
        });
    m_latest.insert(owner, window);
}

QWidget* WebTools::latestFor(QWidget* owner) const {
    return m_latest.value(owner).data();
}
