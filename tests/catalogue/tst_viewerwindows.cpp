// SPDX-License-Identifier: GPL-3.0-or-later
// Viewer windows as the user meets them: opened by name through the window registry,
// reopened, closed, clicked and tabbed through.
#include "platform/appfolder.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "catalogue/scriptviewerwindow.h"
#include "catalogue/secondarywindow.h"
#include "catalogue/viewerfactory.h"
#include "catalogue/viewerregistration.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "kit/appcontext.h"
#include "kit/applifecycle.h"
#include "kit/entryactions.h"
#include "kit/windowregistry.h"
#include "model/catalogue.h"
#include "support/guitest.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>

class TestViewerWindows : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase();

    void factoryMakesOnlyWhatItKnows();
    void secondaryWindowsHaveTheirDesign();
    void windowIsAFixedCentredDialog();
    void reopeningBringsTheSameWindowForward();
    void closingDiscardsWhatWasTyped();
    void everyLinkClickOpensTheSamplePage();
    void entriesWithoutSamplePageHaveNoLink();
    void tabMovesBetweenCodeBoxesTheLinkAndTheButton_data();
    void tabMovesBetweenCodeBoxesTheLinkAndTheButton();
    void instructionsShowTagsAsWritten();
    void extraButtonOpensItsWindowOnce();
    void openedFromTheScriptList();

private:
    void setUp() override;
    void tearDown() override;
    ScriptViewerWindow* open(const QString& name);
    QList<QWidget*> tabCycle(QWidget* window, int presses);

    Catalogue m_catalogue;
    RecordingShellOpener m_shell;
    // Only the catalogue's windows, so a link goes to the shell and nowhere else.
    std::unique_ptr<WindowRegistry> m_windows;
    QList<QPointer<QWidget>> m_opened;
    EntryActions m_actions;
    AppContext m_context;
};

void TestViewerWindows::initTestCase() {
    UiFonts::install();
    QVERIFY(m_catalogue.errors().isEmpty());
}

void TestViewerWindows::setUp() {
    m_windows = std::make_unique<WindowRegistry>();
    connect(m_windows.get(), &WindowRegistry::windowCreated, this,
            [this](const QString&, QWidget* window) { m_opened.append(window); });
    m_shell.opened.clear();
    m_shell.owners.clear();
    m_shell.result = true;
    m_context = AppContext();
    m_context.shell = &m_shell;
    m_context.windows = m_windows.get();
    m_context.catalogue = &m_catalogue;
    m_context.entryActions = &m_actions;
    registerCatalogueWindows(m_context, nullptr);
}

void TestViewerWindows::tearDown() {
    // The registry's windows are this fixture's, as a program's are the program's.
    for (const QPointer<QWidget>& window : std::as_const(m_opened))
        delete window.data();
    m_opened.clear();
    m_windows.reset();
}

ScriptViewerWindow* TestViewerWindows::open(const QString& name) {
    auto* window = qobject_cast<ScriptViewerWindow*>(m_windows->show(name));
    if (window)
        (void)QTest::qWaitForWindowExposed(window);
    return window;
}

QList<QWidget*> TestViewerWindows::tabCycle(QWidget* window, int presses) {
    QApplication::setActiveWindow(window);
    QList<QWidget*> seen{QApplication::focusWidget()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.append(QApplication::focusWidget());
    }
    return seen;
}

void TestViewerWindows::factoryMakesOnlyWhatItKnows() {
    std::unique_ptr<QWidget> viewer(
        ViewerFactory::createViewer(QStringLiteral("frmText1"), m_context));
    QVERIFY(qobject_cast<ScriptViewerWindow*>(viewer.get()));
    QCOMPARE(viewer->objectName(), QStringLiteral("frmText1"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Text Effects 1"));
    QVERIFY(viewer->isWindow());

    // Names of other windows, wrong case and secondary windows are not viewers.
    for (const char* other : {"frmBrowser", "frmtext1", "frmAdditionalImage6", "", "frmMain"})
        QVERIFY2(!ViewerFactory::createViewer(QString::fromLatin1(other), m_context), other);
    QVERIFY(!ViewerFactory::createSecondary(QStringLiteral("frmText1"), m_context));

    AppContext noCatalogue;
    QVERIFY(!ViewerFactory::createViewer(QStringLiteral("frmText1"), noCatalogue));

    // Through the registry every catalogue name opens its viewer, other names nothing.
    QVERIFY(open(QStringLiteral("frmimage12")));
    QVERIFY(!m_windows->show(QStringLiteral("frmNoSuchWindow")));
}

void TestViewerWindows::secondaryWindowsHaveTheirDesign() {
    struct Expected {
        const char* name;
        const char* caption;
        QSize size;
        QRect text;
        bool scrollBar;
    };
    const Expected expected[] = {
        {"frmAdditionalImage6", "Additonal Instructions...", Twips::size(6810, 4590),
         Twips::rect(180, 180, 6495, 4215), true},
        {"frmImage7instructions", "Additional Instructions", Twips::size(6450, 4890),
         Twips::rect(120, 180, 6195, 4575), true},
        {"frmTextover", "Text MouseOver", Twips::size(4635, 2415),
         Twips::rect(180, 1020, 4275, 1155), false},
    };
    for (const Expected& e : expected) {
        const QString name = QString::fromLatin1(e.name);
        std::unique_ptr<QWidget> w(ViewerFactory::createSecondary(name, m_context));
        QVERIFY2(w, e.name);
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(), QString::fromLatin1(e.caption));
        QCOMPARE(w->size(), e.size);
        QVERIFY(
            !(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        auto* text = w->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(text);
        QCOMPARE(text->geometry(), e.text);
        QCOMPARE(text->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, e.scrollBar);
        QCOMPARE(text->toPlainText(), m_catalogue.secondaryText(name));
    }
    std::unique_ptr<QWidget> textover(
        ViewerFactory::createSecondary(QStringLiteral("frmTextover"), m_context));
    auto* note = textover->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(note);
    QVERIFY(note->text().startsWith(QStringLiteral("You can change the 2nd line")));
    QCOMPARE(note->geometry(), Twips::rect(180, 360, 4215, 615));
    QVERIFY(note->heightForWidth(note->width()) <= note->height());
}

void TestViewerWindows::windowIsAFixedCentredDialog() {
    ScriptViewerWindow* w = open(QStringLiteral("frmClock16"));
    QVERIFY(w);
    QVERIFY(w->isWindow());
    QVERIFY(!w->parentWidget());
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->size(), Twips::size(6420, 4305));
    // Centred on the whole screen by the frame's own rule.
    QCOMPARE(w->pos(),
             MDIFormMain::centredPosition(QGuiApplication::primaryScreen()->size(), w->size()));
    QCOMPARE(w->windowTitle(), QStringLiteral("Clocks and Counters 16"));
}

void TestViewerWindows::reopeningBringsTheSameWindowForward() {
    ScriptViewerWindow* first = open(QStringLiteral("frmText3"));
    QVERIFY(first);
    QPlainTextEdit* box = first->codeBoxes().first();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("typed by the user"));
    first->move(10, 10);
    ScriptViewerWindow* other = open(QStringLiteral("frmText4"));
    QVERIFY(other && other != first);

    ScriptViewerWindow* again = open(QStringLiteral("frmText3"));
    QCOMPARE(again, first);
    QCOMPARE(box->toPlainText(), QStringLiteral("typed by the user"));
    QCOMPARE(first->pos(), QPoint(10, 10));
    QVERIFY(first->isVisible() && other->isVisible());
    int viewers = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        viewers += w->objectName() == QLatin1String("frmText3") ? 1 : 0;
    QCOMPARE(viewers, 1);
}

void TestViewerWindows::closingDiscardsWhatWasTyped() {
    QPointer<ScriptViewerWindow> first = open(QStringLiteral("frmText3"));
    QVERIFY(first);
    const QString original = first->codeBoxes().at(1)->toPlainText();
    first->codeBoxes().at(1)->setPlainText(QStringLiteral("changed"));
    QVERIFY(first->close());
    QTRY_VERIFY(first.isNull());
    QVERIFY(!m_windows->find(QStringLiteral("frmText3")));

    ScriptViewerWindow* second = open(QStringLiteral("frmText3"));
    QVERIFY(second);
    QCOMPARE(second->codeBoxes().at(1)->toPlainText(), original);
    QCOMPARE(original, m_catalogue.entry(QStringLiteral("frmText3"))->blocks.at(1).code);
}

void TestViewerWindows::everyLinkClickOpensTheSamplePage() {
    ScriptViewerWindow* w = open(QStringLiteral("frmMath9"));
    QVERIFY(w && w->link());
    const QString url =
        AppFolder::sampleBaseUrl() + QStringLiteral("/tagloom/samples/MathRelated/sub9.htm");
    const QPoint middle = w->link()->rect().center();
    QTest::mouseClick(w->link(), Qt::LeftButton, {}, middle);
    m_shell.result = false; // a failure shows nothing and does not stop the next click
    QTest::mouseClick(w->link(), Qt::LeftButton, {}, middle);
    QCOMPARE(m_shell.opened, QStringList({url, url}));
    QCOMPARE(m_shell.owners, QList<QWidget*>({w, w}));
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);

    // Only a left click counts, and only one that ends on the link.
    QTest::mouseClick(w->link(), Qt::RightButton, {}, middle);
    QTest::mousePress(w->link(), Qt::LeftButton, {}, middle);
    QTest::mouseRelease(w->link(), Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(m_shell.opened.size(), 2);

    // Pages given in full are opened as given.
    ScriptViewerWindow* menus = open(QStringLiteral("frmMenus13"));
    QTest::mouseClick(menus->link(), Qt::LeftButton, {}, menus->link()->rect().center());
    QCOMPARE(m_shell.opened.last(),
             AppFolder::sampleBaseUrl() + QStringLiteral("/tagloom/samples/Menus/sub13/menu.html"));
}

void TestViewerWindows::entriesWithoutSamplePageHaveNoLink() {
    for (const char* name : {"frmText16", "frmRedirect1", "frmSecurity12"}) {
        ScriptViewerWindow* w = open(QString::fromLatin1(name));
        QVERIFY(w);
        QVERIFY2(!w->link(), name);
        QVERIFY(!w->findChild<QLabel*>(QStringLiteral("Label1_2")));
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("Label1_0")));
    }
    // The only Redirection entry with a page.
    QVERIFY(open(QStringLiteral("frmRedirect5"))->link());
}

void TestViewerWindows::tabMovesBetweenCodeBoxesTheLinkAndTheButton_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("cycle");
    QTest::newRow("single block") << "frmText1" << QStringList{"Text1", "Label2", "Text1"};
    QTest::newRow("three blocks") << "frmText8"
                                  << QStringList{"Text1_0", "Text1_1", "Text1_2", "Label2",
                                                 "Text1_0"};
    QTest::newRow("bottom-up") << "frmText15"
                               << QStringList{"Text1_1", "Text1_0", "Label2", "Text1_1"};
    QTest::newRow("notes are skipped")
        << "frmimage10" << QStringList{"Text1_0", "Text1_1", "Label2", "Text1_0"};
    QTest::newRow("extra button") << "frmimage7"
                                  << QStringList{"Text1_0", "Text1_1", "Label2", "cmdinstructions",
                                                 "Text1_0"};
}

void TestViewerWindows::tabMovesBetweenCodeBoxesTheLinkAndTheButton() {
    QFETCH(QString, window);
    QFETCH(QStringList, cycle);
    ScriptViewerWindow* w = open(window);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
             cycle.first());
    const QString before = w->codeBoxes().first()->toPlainText();
    QStringList seen;
    for (QWidget* f : tabCycle(w, int(cycle.size()) - 1))
        seen.append(f ? f->objectName() : QString());
    QCOMPARE(seen, cycle);
    QCOMPARE(w->codeBoxes().first()->toPlainText(), before); // Tab typed nothing
}

void TestViewerWindows::instructionsShowTagsAsWritten() {
    ScriptViewerWindow* w = open(QStringLiteral("frmText2"));
    auto* label = w->findChild<QLabel*>(QStringLiteral("Label4"));
    QVERIFY(label);
    QCOMPARE(
        label->text(),
        QStringLiteral("Enter the following between the <HEAD> and </HEAD> tags of your page:"));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    auto* description = w->findChild<QLabel*>(QStringLiteral("Label3"));
    QCOMPARE(description->textFormat(), Qt::PlainText);
    QCOMPARE(description->text(), m_catalogue.entry(QStringLiteral("frmText2"))->description);
}

void TestViewerWindows::extraButtonOpensItsWindowOnce() {
    QPointer<ScriptViewerWindow> viewer = open(QStringLiteral("frmimage7"));
    QVERIFY(viewer && viewer->extraButton());
    QCOMPARE(viewer->extraButton()->text(), QStringLiteral("Click here for more instructions..."));
    QTest::mouseClick(viewer->extraButton(), Qt::LeftButton);
    QPointer<QWidget> secondary = m_windows->find(QStringLiteral("frmImage7instructions"));
    QVERIFY(secondary && secondary->isVisible());
    QVERIFY(secondary->isWindow() && !secondary->parentWidget());
    secondary->findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("kept"));
    QTest::mouseClick(viewer->extraButton(), Qt::LeftButton);
    QCOMPARE(m_windows->find(QStringLiteral("frmImage7instructions")), secondary.data());
    QCOMPARE(secondary->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("kept"));
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String("frmImage7instructions") ? 1 : 0;
    QCOMPARE(count, 1);

    // Closing the viewer leaves the secondary window open.
    viewer->close();
    QTRY_VERIFY(viewer.isNull());
    QVERIFY(secondary && secondary->isVisible());

    for (const char* name : {"frmimage6", "frmlinks1"}) {
        ScriptViewerWindow* w = open(QString::fromLatin1(name));
        QVERIFY(w->extraButton());
        QTest::mouseClick(w->extraButton(), Qt::LeftButton);
        const QString target = m_catalogue.entry(QString::fromLatin1(name))->extraWindow;
        QVERIFY2(m_windows->find(target) && m_windows->find(target)->isVisible(), name);
    }
}

void TestViewerWindows::openedFromTheScriptList() {
    TestProgram program;
    RecordingShellOpener& shell = program.shell;
    Application& app = *program.app;
    QListWidget* list = app.mainWindow()->List1();
    app.mainWindow()->CmbCategories()->setCurrentIndex(8); // Clocks and Dates
    auto doubleClick = [list](const QString& title) {
        const auto items = list->findItems(title, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        const QPoint centre = list->visualItemRect(items.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    };
    doubleClick(QStringLiteral("Current Date"));
    auto* viewer =
        qobject_cast<ScriptViewerWindow*>(app.context().windows->find(QStringLiteral("frmClock3")));
    QVERIFY(viewer);
    QVERIFY(viewer->isWindow() && viewer->isVisible());
    QVERIFY(!WindowRegistry::subWindowOf(viewer));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Clocks and Counters 3"));
    doubleClick(QStringLiteral("Current Date"));
    QCOMPARE(app.context().windows->find(QStringLiteral("frmClock3")), viewer);
    QTest::mouseClick(viewer->link(), Qt::LeftButton, {}, viewer->link()->rect().center());
    QCOMPARE(shell.opened, QStringList{AppFolder::sampleBaseUrl() +
                                       QStringLiteral("/tagloom/samples/Clocks/sub3.htm")});
}

QTEST_MAIN(TestViewerWindows)
#include "tst_viewerwindows.moc"
