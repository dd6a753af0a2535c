// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webtools/webwindowfactory.h"

#include <QObject>

class WebEnginePlugin final : public QObject, public WebWindowFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TagloomWebWindowFactory_iid)
    Q_INTERFACES(WebWindowFactory)
public:
    WebViewControl* createWebView(QWidget* parent, WebViewEvents* events) override;
    QWidget* createSeparateBrowser(const QString& address) override;
};
