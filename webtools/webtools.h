// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webtools/webplugin.h"

#include "kit/separatebrowserservice.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

class QWidget;
struct AppContext;

// Owns the web plugin and every window that holds a web view, so that none of them outlives
// the program's windows.
class WebTools final : public QObject, public SeparateBrowserService {
    Q_OBJECT
public:
    WebTools(AppContext& context, const QString& pluginFile, QObject* parent = nullptr);
    WebTools(AppContext& context, WebWindowFactory* factory, QObject* parent = nullptr);
    ~WebTools() override;

    // The quick browser, loaded and showing its start page; nullptr after telling the user
    // that the web plugin cannot be loaded.
    QWidget* createQuickBrowser();

    void openFor(QWidget* owner, const QString& address) override;
    // The latest window openFor() made for owner while it is open, or nullptr.
    QWidget* latestFor(QWidget* owner) const;

    static QSize separateBrowserSize() { return {440, 400}; }
    static QPoint separateBrowserPosition() { return {270, 105}; }

private:
    void track(QWidget* window);

    AppContext& m_context;
    WebPlugin m_plugin;
    QList<QPointer<QWidget>> m_windows;
    QHash<QObject*, QPointer<QWidget>> m_latest;
};
