// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program asks of the optional web plugin (tagloom_web). The plugin alone links the
// browser engine, which costs far too much start-up time and memory to load with the program.
// Everything here is header-only and abstract, so the plugin needs no symbol of the program.

#include <QString>
#include <QtPlugin>

class QWidget;

// Notifications of an embedded web view.
class WebViewEvents {
public:
    virtual ~WebViewEvents() = default;
    // The current document's title has changed.
    virtual void titleChanged(const QString& title) = 0;
    // A document has finished loading: the page itself or any frame in it.
    virtual void documentComplete(const QString& address) = 0;
};

// An embedded web view. It lives as long as its widget.
class WebViewControl {
public:
    virtual ~WebViewControl() = default;
    virtual QWidget* widget() = 0;
    // Loads an address as a user would type it ("example.org", a file: address, ...).
    virtual void navigate(const QString& address) = 0;
    // Both return false, and do nothing, when there is no page to go to.
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual void stop() = 0;
};

class WebWindowFactory {
public:
    virtual ~WebWindowFactory() = default;
    // A web view as a child of parent, reporting to events (which must outlive the view).
    virtual WebViewControl* createWebView(QWidget* parent, WebViewEvents* events) = 0;
    // A browser window of its own (tool bar with back, forward, reload and an address line;
    // status bar), already loading address and not yet shown. It deletes itself on close.
    virtual QWidget* createSeparateBrowser(const QString& address) = 0;
};

#define TagloomWebWindowFactory_iid "org.tagloom.WebWindowFactory/1"
Q_DECLARE_INTERFACE(WebWindowFactory, TagloomWebWindowFactory_iid)
