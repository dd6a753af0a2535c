// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webtools/previewview.h"
#include "webtools/webwindowfactory.h"

#include <QObject>

class WebEnginePlugin final : public QObject, public WebWindowFactory, public PreviewViewFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TagloomWebWindowFactory_iid)
    Q_INTERFACES(WebWindowFactory PreviewViewFactory)
public:
    WebViewControl* createWebView(QWidget* parent, WebViewEvents* events) override;
    QWidget* createSeparateBrowser(const QString& address) override;
    PreviewView* createPreviewView(QWidget* parent, PreviewEvents* events,
                                   const QString& siteFolder) override;
};
