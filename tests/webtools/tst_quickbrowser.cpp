// SPDX-License-Identifier: GPL-3.0-or-later
// The quick browser's handlers over a scripted web view, the separate browser windows'
// bookkeeping, and a missing or broken web plugin.
#include "platform/appfolder.h"
#include "platform/twips.h"

#include "webtools/frmbrowser.h"
#include "webtools/webplugin.h"
#include "webtools/webtools.h"
#include "webtools/webwindowfactory.h"

#include "kit/appcontext.h"
#include "support/guitest.h"
#include "support/testdoubles.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class ScriptedView final : public QWidget, public WebViewControl {
public:
    using QWidget::QWidget;
    QWidget* widget() override { return this; }
    void navigate(const QString& address) override { log.append(QStringLiteral("go ") + address); }
    bool goBack() override {
        log.append(QStringLiteral("back"));
        return canGoBack;
    }
    bool goForward() override {
        log.append(QStringLiteral("forward"));
        return canGoForward;
    }
    void stop() override { log.append(QStringLiteral("stop")); }

    QStringList log;
    bool canGoBack = false;
    bool canGoForward = false;
};

class ScriptedFactory final : public WebWindowFactory {
public:
    WebViewControl* createWebView(QWidget* parent, WebViewEvents* viewEvents) override {
        view = new ScriptedView(parent);
        events = viewEvents;
        return view;
    }
    QWidget* createSeparateBrowser(const QString& address) override {
        if (failSeparate)
            return nullptr;
        auto* window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setProperty("address", address);
        return window;
    }
    QPointer<ScriptedView> view;
    WebViewEvents* events = nullptr;
    bool failSeparate = false;
};

QString startAddress() {
    return AppFolder::sampleBaseUrl() + QStringLiteral("/index.html");
}

struct Browser {
    ScriptedFactory factory;
    std::unique_ptr<frmBrowser> window;

    Browser() {
        window = std::make_unique<frmBrowser>(factory);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->Form_Load();
    }
    QStringList& log() { return factory.view->log; }
    // Focus events need an active window.
    bool activate() {
        QApplication::setActiveWindow(window.get());
        return QTest::qWaitForWindowActive(window.get());
    }
};

} // namespace

class TestQuickBrowser : public GuiTest {
    Q_OBJECT
private slots:
    void layoutAsDesigned();
    void openingLoadsTheStartAddressOnce();
    void addressBoxLoadsWhenLeftAndOnGo();
    void emptyAddressDoesNothing();
    void backForwardAndStopWithoutPagesAreSilent();
    void captionAndAddressFollowTheView();
    void resizeRule();
    void missingOrBrokenPluginIsExplained();
    void separateBrowserWindows();
};

void TestQuickBrowser::layoutAsDesigned() {
    Browser browser;
    frmBrowser* w = browser.window.get();
    QCOMPARE(w->windowTitle(), QStringLiteral("Tagloom Quick Browser"));
    QCOMPARE(w->size(), Twips::size(8535, 7410));
    QVERIFY(w->isWindow());
    QVERIFY(!w->windowIcon().isNull());
    QVERIFY(w->minimumSize() != w->maximumSize());

    const struct {
        QWidget* widget;
        QString text;
        QRect twips;
    } row[] = {{w->txtURL(), startAddress(), {60, 180, 5475, 315}},
               {w->cmdgo(), QStringLiteral("Go"), {5640, 180, 495, 315}},
               {w->cmdback(), QStringLiteral("<<"), {6240, 180, 615, 315}},
               {w->cmdForward(), QStringLiteral(">>"), {6960, 180, 675, 315}},
               {w->cmdstop(), QStringLiteral("Stop"), {7740, 180, 615, 315}}};
    QWidget* previous = w->WebBrowser1()->widget();
    QCOMPARE(previous->objectName(), QStringLiteral("WebBrowser1"));
    for (const auto& control : row) {
        QCOMPARE(control.widget->geometry(),
                 Twips::rect(control.twips.x(), control.twips.y(), control.twips.width(),
                             control.twips.height()));
        QCOMPARE(control.widget->property("text").toString(), control.text);
        QCOMPARE(previous->nextInFocusChain(), control.widget);
        previous = control.widget;
    }
    QVERIFY(w->cmdgo()->isDefault());
    QCOMPARE(w->focusWidget(), w->cmdgo());
    // The view takes the whole client width from its left offset, and the rest of the height.
    QCOMPARE(w->WebBrowser1()->widget()->geometry(),
             QRect(Twips::toPixels(60), Twips::toPixels(540), w->width(),
                   w->height() - Twips::toPixels(540)));
}

void TestQuickBrowser::openingLoadsTheStartAddressOnce() {
    Browser browser;
    QCOMPARE(browser.log(), QStringList{QStringLiteral("go ") + startAddress()});
    QVERIFY(browser.activate());
    QCOMPARE(QApplication::focusWidget(), browser.window->cmdgo());
    QCOMPARE(browser.log().size(), 1);
}

void TestQuickBrowser::addressBoxLoadsWhenLeftAndOnGo() {
    Browser browser;
    QVERIFY(browser.activate());
    frmBrowser* w = browser.window.get();
    const QString page = QStringLiteral("file:///pages/a.html");
    const QString go = QStringLiteral("go ") + page;
    auto enterBox = [&] {
        QTest::mouseClick(w->txtURL(), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), w->txtURL());
        w->txtURL()->setText(page);
        browser.log().clear();
    };

    // Enter keeps the focus in the box: one load.
    enterBox();
    QTest::keyClick(w->txtURL(), Qt::Key_Return);
    QCOMPARE(browser.log(), QStringList{go});

    // Clicking "Go" from the box: once as the box is left, once for the click.
    enterBox();
    QTest::mouseClick(w->cmdgo(), Qt::LeftButton);
    QCOMPARE(browser.log(), (QStringList{go, go}));

    // Leaving with Tab.
    enterBox();
    QTest::keyClick(w->txtURL(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->cmdgo());
    QCOMPARE(browser.log(), QStringList{go});

    // The other buttons load the box first, then act.
    enterBox();
    QTest::mouseClick(w->cmdback(), Qt::LeftButton);
    QCOMPARE(browser.log(), (QStringList{go, QStringLiteral("back")}));
    enterBox();
    QTest::mouseClick(w->cmdstop(), Qt::LeftButton);
    QCOMPARE(browser.log(), (QStringList{go, QStringLiteral("stop")}));

    // Enter on another button presses that button, not "Go".
    browser.log().clear();
    w->cmdForward()->setFocus();
    QTest::keyClick(w->cmdForward(), Qt::Key_Return);
    QCOMPARE(browser.log(), QStringList{QStringLiteral("forward")});

    // A right-click menu in the box is not leaving it.
    enterBox();
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(w->txtURL(), &popup);
    QFocusEvent otherProgram(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(w->txtURL(), &otherProgram);
    QVERIFY(browser.log().isEmpty());
}

void TestQuickBrowser::emptyAddressDoesNothing() {
    Browser browser;
    QVERIFY(browser.activate());
    frmBrowser* w = browser.window.get();
    QTest::mouseClick(w->txtURL(), Qt::LeftButton);
    w->txtURL()->clear();
    browser.log().clear();
    QTest::keyClick(w->txtURL(), Qt::Key_Return);
    QTest::mouseClick(w->cmdgo(), Qt::LeftButton);
    QTest::keyClick(w->cmdgo(), Qt::Key_Return);
    w->cmdgo_Click();
    QVERIFY(browser.log().isEmpty());
}

void TestQuickBrowser::backForwardAndStopWithoutPagesAreSilent() {
    Browser browser;
    frmBrowser* w = browser.window.get();
    browser.log().clear();
    QTest::mouseClick(w->cmdback(), Qt::LeftButton);
    QTest::mouseClick(w->cmdForward(), Qt::LeftButton);
    QTest::mouseClick(w->cmdstop(), Qt::LeftButton);
    QCOMPARE(browser.log(), (QStringList{QStringLiteral("back"), QStringLiteral("forward"),
                                         QStringLiteral("stop")}));
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Tagloom Quick Browser"));
}

void TestQuickBrowser::captionAndAddressFollowTheView() {
    Browser browser;
    frmBrowser* w = browser.window.get();
    WebViewEvents* events = browser.factory.events;
    QVERIFY(events);
    events->titleChanged(QStringLiteral("  A page  "));
    QCOMPARE(w->windowTitle(), QStringLiteral("  A page  "));
    events->titleChanged(QString());
    QCOMPARE(w->windowTitle(), QString());

    // Every completed document writes its address: the frames' and the page's alike.
    events->documentComplete(QStringLiteral("file:///site/left.html"));
    QCOMPARE(w->txtURL()->text(), QStringLiteral("file:///site/left.html"));
    events->documentComplete(QStringLiteral("file:///site/frames.html"));
    events->documentComplete(QStringLiteral("file:///site/right.html"));
    QCOMPARE(w->txtURL()->text(), QStringLiteral("file:///site/right.html"));
}

void TestQuickBrowser::resizeRule() {
    Browser browser;
    frmBrowser* w = browser.window.get();
    QWidget* view = w->WebBrowser1()->widget();
    const int left = Twips::toPixels(60);
    const int top = Twips::toPixels(540);

    w->resize(700, 400);
    QCOMPARE(view->geometry(), QRect(left, top, 700, 400 - top));
    w->resize(650, top);
    QCOMPARE(view->geometry(), QRect(left, top, 650, 0));
    w->resize(700, 400);
    // Shorter than the view's top: the width still follows, the height stays.
    w->resize(500, top - 10);
    QCOMPARE(view->geometry(), QRect(left, top, 500, 400 - top));
    w->resize(300, 1);
    QCOMPARE(view->geometry(), QRect(left, top, 300, 400 - top));
    w->resize(640, 480);
    QCOMPARE(view->geometry(), QRect(left, top, 640, 480 - top));
    // The row along the top never moves.
    QCOMPARE(w->cmdstop()->geometry(), Twips::rect(7740, 180, 615, 315));
}

void TestQuickBrowser::missingOrBrokenPluginIsExplained() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("libtagloom_web.so"));
    const QString broken = dir.filePath(QStringLiteral("broken/libtagloom_web.so"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("broken")));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a library at all");
    file.close();

    for (const QString& plugin : {missing, broken}) {
        ScriptedMessageBoxes messages;
        AppContext context;
        context.messages = &messages;
        WebTools tools(context, plugin);
        QVERIFY(!tools.createQuickBrowser());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().title, QStringLiteral("Tagloom Error!"));
        QVERIFY2(messages.shown.first().text.contains(QLatin1String("Quick Browser")),
                 qPrintable(messages.shown.first().text));
        QVERIFY2(messages.shown.first().text.contains(QLatin1String("libtagloom_web.so")),
                 qPrintable(messages.shown.first().text));

        // The calorie calculator's window stays silent.
        QWidget owner;
        const int windowsBefore = QApplication::topLevelWidgets().size();
        tools.openFor(&owner, QStringLiteral("file:///x.htm"));
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(!tools.latestFor(&owner));
    }
}

void TestQuickBrowser::separateBrowserWindows() {
    ScriptedFactory factory;
    ScriptedMessageBoxes messages;
    AppContext context;
    context.messages = &messages;
    auto tools = std::make_unique<WebTools>(context, &factory);
    auto* owner = new QWidget;
    const QString address = QStringLiteral("file:///site/tagloom/samples/MathRelated/sub9.htm");

    tools->openFor(owner, address);
    QPointer<QWidget> first = tools->latestFor(owner);
    tools->openFor(owner, address);
    QPointer<QWidget> second = tools->latestFor(owner);
    QVERIFY(first && second && first != second);
    for (QWidget* window : {first.data(), second.data()}) {
        QVERIFY(window->isVisible() && window->isWindow());
        QCOMPARE(window->pos(), QPoint(270, 105));
        QCOMPARE(window->size(), QSize(440, 400));
        QCOMPARE(window->property("address").toString(), address);
    }

    // A failure opens nothing and says nothing; the latest stays the latest.
    factory.failSeparate = true;
    tools->openFor(owner, address);
    QCOMPARE(tools->latestFor(owner), second.data());

    // Closing the owner closes its latest window only.
    delete owner;
    QTRY_VERIFY(!second);
    QVERIFY(first && first->isVisible());
    // A window the user already closed is no trouble when its owner goes.
    auto* another = new QWidget;
    factory.failSeparate = false;
    tools->openFor(another, address);
    QPointer<QWidget> third = tools->latestFor(another);
    third->close();
    QTRY_VERIFY(!third);
    delete another;
    QVERIFY(messages.shown.isEmpty());

    // Web windows do not outlive the web tools.
    tools.reset();
    QVERIFY(!first);
}

QTEST_MAIN(TestQuickBrowser)
#include "tst_quickbrowser.moc"
