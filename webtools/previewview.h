// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sandboxed preview the web plugin offers beside its browser windows: a page built from a
// snippet, shown so that the snippet cannot reach the network, read local files, block the
// program with dialogs or leave the page. Header-only and abstract, like webwindowfactory.h.

#include <QString>
#include <QVariant>
#include <QtPlugin>

#include <functional>

class QWidget;

// What the previewed page tried and did; all of it is listed for the user.
class PreviewEvents {
public:
    enum class Dialog { Alert, Confirm, Prompt };
    enum class Level { Info, Warning, Error };

    virtual ~PreviewEvents() = default;
    // A request that left the bundled site and was not made.
    virtual void requestBlocked(const QString& address) = 0;
    // A dialog the page asked for; it was answered at once (confirm: OK, prompt: its default).
    virtual void dialogShown(Dialog kind, const QString& text) = 0;
    // The page tried to go to another page or open a window; it was not followed.
    virtual void leaveRefused(bool newWindow, const QString& address) = 0;
    // A console message or uncaught error at a line of the previewed page.
    virtual void scriptMessage(Level level, const QString& message, int pageLine) = 0;
    virtual void loadFinished(bool ok) = 0;
    // The page's render process is gone (ended by us, crashed or out of memory).
    virtual void renderProcessEnded() = 0;
};

class PreviewView {
public:
    virtual ~PreviewView() = default;
    virtual QWidget* widget() = 0;
    // Shows html as if it were the page at baseAddress (a file: address inside the site).
    virtual void showPage(const QString& html, const QString& baseAddress) = 0;
    // Runs script in the page; done gets its result, or an invalid value if the page is gone.
    virtual void runScript(const QString& script, std::function<void(const QVariant&)> done) = 0;
    // The process that runs the page's scripts; 0 while there is none.
    virtual qint64 renderProcessId() const = 0;
};

class PreviewViewFactory {
public:
    virtual ~PreviewViewFactory() = default;
    // A preview as a child of parent that lets pages load only files inside siteFolder.
    virtual PreviewView* createPreviewView(QWidget* parent, PreviewEvents* events,
                                           const QString& siteFolder) = 0;
};

#define TagloomPreviewViewFactory_iid "org.tagloom.PreviewViewFactory/1"
Q_DECLARE_INTERFACE(PreviewViewFactory, TagloomPreviewViewFactory_iid)
