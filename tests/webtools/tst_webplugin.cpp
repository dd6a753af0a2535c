// SPDX-License-Identifier: GPL-3.0-or-later
// The quick browser and the calorie calculator's browser windows with the real web plugin,
// loaded by the program on first use, over pages on disk.
#include "platform/appfolder.h"
#include "platform/twips.h"

#include "catalogue/scriptviewerwindow.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "webtools/frmbrowser.h"

#include "kit/applifecycle.h"
#include "kit/windowregistry.h"
#include "support/guitest.h"
#include "support/testprogram.h"
#include "xsession.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QOpenGLContext>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {

constexpr int kLoadMs = 30000;

// The title of the bundled home page, as the caption should show it.
QString homeTitle() {
    QFile file(QUrl(AppFolder::sampleBaseUrl()).toLocalFile() + QStringLiteral("/index.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(no home page)");
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QLatin1String("<title>")) + 7;
    return text.mid(start, text.indexOf(QLatin1String("</title>")) - start);
}

// Whether the picture shows the dark blue banner at the top of the site's pages.
bool showsSiteBanner(const QImage& image) {
    for (int y = 0; y < qMin(image.height(), 40); ++y)
        for (int x = 0; x < qMin(image.width(), 40); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - 0x2d) <= 6 && qAbs(c.green() - 0x4f) <= 6 &&
                qAbs(c.blue() - 0x73) <= 6)
                return true;
        }
    return false;
}

bool engineLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

struct Program : TestProgram {
    frmBrowser* browser() {
        return qobject_cast<frmBrowser*>(windows()->find(QStringLiteral("frmBrowser")));
    }
    frmBrowser* openBrowser() {
        auto* button = app->mainWindow()->findChild<QPushButton*>(QStringLiteral("cmdbrowser"));
        if (!button)
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        return browser();
    }
};

// Small pages of our own: two plain ones and a page whose second frame moves on by itself.
struct Pages {
    QTemporaryDir dir;
    Pages() {
        write("a.html", "<title>Page A</title><p>A</p>");
        write("b.html", "<title>Page B</title><p>B</p>");
        write("frames.html",
              "<title>Frames</title>"
              "<iframe src=\"left.html\"></iframe><iframe src=\"right.html\"></iframe>");
        write("left.html", "<title>Left</title><p>left</p>");
        write("right.html", "<title>Right</title><p>right</p><script>"
                            "onload = function () { setTimeout(function () {"
                            " location.replace('late.html'); }, 300); };</script>");
        write("late.html", "<title>Late</title><p>late</p>");
    }
    void write(const char* name, const char* body) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<!DOCTYPE html><meta charset=\"utf-8\">");
        file.write(body);
    }
    QString url(const char* name) const {
        return QUrl::fromLocalFile(dir.filePath(QString::fromLatin1(name))).toString();
    }
};

void go(frmBrowser* browser, const QString& address) {
    browser->txtURL()->setText(address);
    QTest::mouseClick(browser->cmdgo(), Qt::LeftButton);
}

} // namespace

class TestWebPlugin : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void quickBrowserOpensOnTheBundledHomePage();
    void historyButtons();
    void addressOfAFramedPage();
    void resizeWithARealView();
    void closedAndReopenedStartsAfresh();
    void calorieCalculatorOpensWindowsOfItsOwn();
};

void TestWebPlugin::initTestCase() {
    // The program itself must not bring the engine in, nor the shared graphics context; only
    // the first web window does.
    Program program;
    QVERIFY(!engineLoaded());
    QVERIFY(!QOpenGLContext::globalShareContext());
    const LoadedLibraries loaded = graphicsLibraries(QCoreApplication::applicationPid());
    QVERIFY2(!loaded.openGl, qPrintable(loaded.names.join(u' ')));
}

void TestWebPlugin::quickBrowserOpensOnTheBundledHomePage() {
    Program program;
    frmBrowser* browser = program.openBrowser();
    QVERIFY(browser);
    QVERIFY(engineLoaded());
    QVERIFY(browser->isVisible());
    const QString home = AppFolder::sampleBaseUrl() + QStringLiteral("/index.html");
    QVERIFY(home.startsWith(QLatin1String("file:")));
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), homeTitle(), kLoadMs);
    QCOMPARE(browser->txtURL()->text(), home);
    QCOMPARE(browser->focusWidget(), browser->cmdgo());
    // Drawn, not only loaded: the views draw through the shared context made on first use.
    QWidget* view = browser->WebBrowser1()->widget();
    QOpenGLContext* shared = QOpenGLContext::globalShareContext();
    QVERIFY(shared);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QVERIFY(shared->isValid());
        QVERIFY(graphicsLibraries(QCoreApplication::applicationPid()).openGl);
    }
    QTRY_VERIFY_WITH_TIMEOUT(showsSiteBanner(view->grab().toImage()), kLoadMs);

    // Opening it again only brings it forward, and the shared context stays the one made.
    QCOMPARE(program.openBrowser(), browser);
    QCOMPARE(QOpenGLContext::globalShareContext(), shared);
    QVERIFY(program.messages.shown.isEmpty());
}

void TestWebPlugin::historyButtons() {
    Program program;
    Pages pages;
    frmBrowser* browser = program.openBrowser();
    QVERIFY(browser);
    // Nothing to go back to yet: nothing happens.
    QTest::mouseClick(browser->cmdback(), Qt::LeftButton);
    QTest::mouseClick(browser->cmdForward(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(browser->windowTitle() == homeTitle(), kLoadMs);

    go(browser, pages.url("a.html"));
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page A"), kLoadMs);
    go(browser, pages.url("b.html"));
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page B"), kLoadMs);
    QCOMPARE(browser->txtURL()->text(), pages.url("b.html"));

    QTest::mouseClick(browser->cmdback(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page A"), kLoadMs);
    QTRY_COMPARE_WITH_TIMEOUT(browser->txtURL()->text(), pages.url("a.html"), kLoadMs);
    QTest::mouseClick(browser->cmdForward(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page B"), kLoadMs);

    // No later page: the click does nothing and says nothing.
    QTest::mouseClick(browser->cmdForward(), Qt::LeftButton);
    QTest::qWait(500);
    QCOMPARE(browser->windowTitle(), QStringLiteral("Page B"));
    QCOMPARE(browser->txtURL()->text(), pages.url("b.html"));
    QVERIFY(program.messages.shown.isEmpty());
}

void TestWebPlugin::addressOfAFramedPage() {
    Program program;
    Pages pages;
    frmBrowser* browser = program.openBrowser();
    QVERIFY(browser);
    QTRY_VERIFY_WITH_TIMEOUT(browser->windowTitle() == homeTitle(), kLoadMs);

    QStringList seen;
    connect(browser->txtURL(), &QLineEdit::textChanged, this,
            [&seen](const QString& text) { seen.append(text); });
    go(browser, pages.url("frames.html"));
    // The frame that loads last, well after the page, leaves its address in the box.
    QTRY_COMPARE_WITH_TIMEOUT(browser->txtURL()->text(), pages.url("late.html"), kLoadMs);
    QCOMPARE(browser->windowTitle(), QStringLiteral("Frames"));
    QVERIFY2(seen.contains(pages.url("left.html")), qPrintable(seen.join(u' ')));
    QVERIFY2(seen.contains(pages.url("right.html")), qPrintable(seen.join(u' ')));
    QVERIFY2(seen.contains(pages.url("frames.html")), qPrintable(seen.join(u' ')));
    // The page completes after its first frames, and the late frame after the page.
    QVERIFY(seen.lastIndexOf(pages.url("frames.html")) > seen.indexOf(pages.url("left.html")));
    QCOMPARE(seen.at(seen.lastIndexOf(pages.url("late.html")) - 1), pages.url("frames.html"));
}

void TestWebPlugin::resizeWithARealView() {
    Program program;
    frmBrowser* browser = program.openBrowser();
    QVERIFY(browser);
    QWidget* view = browser->WebBrowser1()->widget();
    const int top = Twips::toPixels(540);
    browser->resize(620, 300);
    QCOMPARE(view->geometry(), QRect(Twips::toPixels(60), top, 620, 300 - top));
    browser->resize(400, 12);
    QCOMPARE(view->geometry(), QRect(Twips::toPixels(60), top, 400, 300 - top));
    browser->resize(800, 600);
    QCOMPARE(view->geometry(), QRect(Twips::toPixels(60), top, 800, 600 - top));
    QTRY_VERIFY_WITH_TIMEOUT(browser->windowTitle() == homeTitle(), kLoadMs);
}

void TestWebPlugin::closedAndReopenedStartsAfresh() {
    Program program;
    Pages pages;
    QPointer<frmBrowser> browser = program.openBrowser();
    QVERIFY(browser);
    go(browser, pages.url("a.html"));
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Page A"), kLoadMs);
    browser->close();
    QTRY_VERIFY(!browser);

    frmBrowser* again = program.openBrowser();
    QVERIFY(again);
    QCOMPARE(again->windowTitle(), QStringLiteral("Tagloom Quick Browser"));
    QCOMPARE(again->txtURL()->text(), AppFolder::sampleBaseUrl() + QStringLiteral("/index.html"));
    QTRY_VERIFY_WITH_TIMEOUT(again->windowTitle() == homeTitle(), kLoadMs);
}

void TestWebPlugin::calorieCalculatorOpensWindowsOfItsOwn() {
    Program program;
    QPointer<QWidget> viewer = program.windows()->show(QStringLiteral("frmMath9"));
    QVERIFY(viewer);
    auto* link = viewer->findChild<LinkLabel*>(QStringLiteral("Label2"));
    QVERIFY(link);
    const QString sample = viewer->findChild<QLineEdit*>(QStringLiteral("txtURL"))->text();
    QVERIFY(sample.endsWith(QLatin1String("/tagloom/samples/MathRelated/sub9.htm")));

    auto browsers = [] {
        QList<QMainWindow*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String("SeparateBrowser") && widget->isVisible())
                found.append(static_cast<QMainWindow*>(widget));
        return found;
    };
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QTRY_COMPARE(browsers().size(), 1);
    QPointer<QMainWindow> first = browsers().first();
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QTRY_COMPARE(browsers().size(), 2);
    QPointer<QMainWindow> second = browsers().at(0) == first ? browsers().at(1) : browsers().at(0);
    QVERIFY(program.shell.opened.isEmpty());

    for (QMainWindow* window : {first.data(), second.data()}) {
        QCOMPARE(window->pos(), QPoint(270, 105));
        QCOMPARE(window->size(), QSize(440, 400));
        auto* tools = window->findChild<QToolBar*>();
        QVERIFY(tools && tools->isVisible());
        QCOMPARE(tools->actions().size(), 4); // back, forward, reload and the address line
        QVERIFY(window->findChild<QStatusBar*>()->isVisible());
        auto* address = window->findChild<QLineEdit*>(QStringLiteral("address"));
        QTRY_COMPARE_WITH_TIMEOUT(address->text(), sample, kLoadMs);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->currentMessage(), QStringLiteral("Done"),
                                  kLoadMs);
    }

    // Closing the viewer closes the latest window only.
    viewer->close();
    QTRY_VERIFY(!viewer);
    QTRY_VERIFY(!second);
    QVERIFY(first && first->isVisible());
    QVERIFY(program.messages.shown.isEmpty());
}

QTEST_MAIN(TestWebPlugin)
#include "tst_webplugin.moc"
