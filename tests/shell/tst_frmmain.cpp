// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "kit/applifecycle.h"
#include "kit/services.h"
#include "kit/windowregistry.h"
#include "model/catalogueindex.h"
#include "support/guitest.h"
#include "support/testprogram.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <memory>

namespace {

class FakeMyScripts final : public MyScriptsService {
public:
    void fillList(QListWidget* list) override {
        ++fills;
        list->clear();
        list->addItem(QStringLiteral("Add New Script..."));
    }
    void dispatch(const QString& text) override { dispatched.append(text); }
    void clearAllEntries() override { ++clears; }

    int fills = 0;
    int clears = 0;
    QStringList dispatched;
};

class FakeSkins final : public SkinService {
public:
    bool applySavedSkin() override { return applyResult; }
    void chooseSkin(int skin) override { chosen.append(skin); }
    bool applyResult = true;
    QList<int> chosen;
};

class ClosingCounter final : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        QWidget::closeEvent(event);
    }
};

// The whole program over test doubles, with stand-ins for every other subsystem's windows.
struct Harness : TestProgram {
    FakeMyScripts myScripts;
    FakeSkins skins;
    QStringList created;

    explicit Harness(bool start = true)
        : TestProgram(Start::Later) {
        app->context().myScripts = &myScripts;
        app->context().skins = &skins;
        // Viewer windows, so opening can be observed.
        windows()->setFallbackFactory([this](const QString& name) -> QWidget* {
            created.append(name);
            auto* window = new QWidget;
            window->setObjectName(name);
            return window;
        });
        // The other subsystems' windows too: this test is about frmMain.
        const QStringList others = {"frmProg", "frmAboutMe", "frmWE",   "frmBrowser",
                                    "frmHelp", "frmBegin",   "frmAbout"};
        for (const QString& name : others) {
            windows()->registerWindow(name,
                                      name == QLatin1String("frmBrowser")
                                          ? WindowRegistry::Placement::TopLevel
                                          : WindowRegistry::Placement::FrameChild,
                                      [this, name] {
                                          created.append(name);
                                          return new QWidget;
                                      });
        }
        if (start)
            app->start();
    }
    QListWidget* list() const { return main()->List1(); }
    QComboBox* combo() const { return main()->CmbCategories(); }

    void doubleClickRow(int row) const {
        QListWidgetItem* item = list()->item(row);
        const QPoint centre = list()->visualItemRect(item).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
    }
    int rowOf(const QString& text) const {
        const auto found = list()->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? -1 : list()->row(found.first());
    }
    QStringList rows() const {
        QStringList result;
        for (int i = 0; i < list()->count(); ++i)
            result.append(list()->item(i)->text());
        return result;
    }
};

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    const auto actions = menu->actions();
    for (const QAction* action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class TestFrmMain : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase() { UiFonts::install(); }

    void startShowsFirstCategoryWithFocusInList();
    void pickingACategoryListsItsTitlesInOrder();
    void reselectingTheSameCategoryDoesNotRebuild();
    void myScriptsCategoryAsksTheService();
    void doubleClickOpensTheTitlesWindowOnce();
    void doubleClickIgnoresTheCategoryShown();
    void otherTextsGoToMyScripts();
    void menusHaveTheirCaptionsInOrder();
    void menuCommandsReachTheirServices();
    void startupSkinFailureIsReported();
    void captionsFitTheirControls();
    void controlsSitWhereDesigned();

    void frameIsFixedWithoutMaximize();
    void frameCentresUnclamped();
    void menuBarFollowsTheActiveChild();
    void exitEndsWithoutClosingHandlers();
    void closingTheFrameEndsTheProgramToo();
};

void TestFrmMain::startShowsFirstCategoryWithFocusInList() {
    Harness h;
    QVERIFY(QTest::qWaitForWindowExposed(h.app->frame()));
    QCOMPARE(h.combo()->currentIndex(), 0);
    QCOMPARE(h.rows(), CatalogueIndex::titlesOf(0));
    QCOMPARE(h.rows().size(), 7);
    QVERIFY(h.list()->selectedItems().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h.list()));
    // The first list needs nothing from the store; no setting is written at start.
    for (const auto& op : std::as_const(h.store.log))
        QVERIFY(op.type != MemorySettingsStore::Operation::Type::Write);
}

void TestFrmMain::pickingACategoryListsItsTitlesInOrder() {
    Harness h;
    h.combo()->setFocus();
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(h.combo(), Qt::Key_Down);
    QCOMPARE(h.combo()->currentText(), QStringLiteral("Clocks and Dates"));
    QCOMPARE(h.rows(), CatalogueIndex::titlesOf(8));
    QCOMPARE(h.rows().size(), 21);
    QVERIFY(h.list()->selectedItems().isEmpty());
}

void TestFrmMain::reselectingTheSameCategoryDoesNotRebuild() {
    Harness h;
    h.doubleClickRow(2); // selects a row
    h.main()->appendRow(QStringLiteral("sentinel"));
    h.combo()->setCurrentIndex(0);
    QCOMPARE(h.rows().last(), QStringLiteral("sentinel"));
    QCOMPARE(h.list()->selectedItems().size(), 1);
    h.combo()->setCurrentIndex(1);
    QCOMPARE(h.rows(), CatalogueIndex::titlesOf(1));
    QVERIFY(h.list()->selectedItems().isEmpty());
}

void TestFrmMain::myScriptsCategoryAsksTheService() {
    Harness h;
    h.combo()->setCurrentIndex(16);
    QCOMPARE(h.myScripts.fills, 1);
    QCOMPARE(h.rows(), QStringList{QStringLiteral("Add New Script...")});
    h.combo()->setCurrentIndex(16);
    QCOMPARE(h.myScripts.fills, 1);
}

void TestFrmMain::doubleClickOpensTheTitlesWindowOnce() {
    Harness h;
    h.combo()->setCurrentIndex(1);
    const int row = h.rowOf(QStringLiteral("3D Text"));
    QVERIFY(row >= 0);
    h.doubleClickRow(row);
    QCOMPARE(h.created, QStringList{QStringLiteral("frmText9")});
    QWidget* window = h.app->context().windows->find(QStringLiteral("frmText9"));
    QVERIFY(window && window->isVisible());
    window->setWindowTitle(QStringLiteral("typed state"));
    h.doubleClickRow(row);
    QCOMPARE(h.created.size(), 1);
    QCOMPARE(h.app->context().windows->find(QStringLiteral("frmText9")), window);
    QCOMPARE(window->windowTitle(), QStringLiteral("typed state"));
}

void TestFrmMain::doubleClickIgnoresTheCategoryShown() {
    // Every title resolves to its own window, whichever category lists it.
    Harness h;
    for (int category = 0; category < 16; ++category) {
        h.combo()->setCurrentIndex(category);
        const QStringList titles = CatalogueIndex::titlesOf(category);
        h.doubleClickRow(int(titles.size()) - 1);
        QCOMPARE(h.created.last(), CatalogueIndex::windowOf(titles.last()));
    }
    // A user's row named like a catalogue title opens the catalogue window.
    h.combo()->setCurrentIndex(16);
    h.main()->appendRow(QStringLiteral("Live Text Clock"));
    h.doubleClickRow(1);
    QCOMPARE(h.created.last(), QStringLiteral("frmClock7"));
    QVERIFY(h.myScripts.dispatched.isEmpty());
}

void TestFrmMain::otherTextsGoToMyScripts() {
    Harness h;
    h.combo()->setCurrentIndex(16);
    h.main()->appendRow(QStringLiteral("3d text"));
    h.doubleClickRow(0);
    h.doubleClickRow(1);
    // A double-click below the last row lands on no row and opens nothing, whatever was
    // selected before its first click.
    h.combo()->setCurrentIndex(15);
    h.combo()->setCurrentIndex(16);
    h.list()->setCurrentRow(0);
    QTest::mouseDClick(h.list()->viewport(), Qt::LeftButton, {},
                       QPoint(10, h.list()->viewport()->height() - 5));
    QCOMPARE(h.myScripts.dispatched,
             QStringList({QStringLiteral("Add New Script..."), QStringLiteral("3d text")}));
}

void TestFrmMain::menusHaveTheirCaptionsInOrder() {
    Harness h;
    QMenuBar* bar = h.main()->menuBar();
    const auto menus = bar->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&Main"));
    QCOMPARE(menus.at(1)->text(), QStringLiteral("&Tools"));
    QCOMPARE(menus.at(2)->text(), QStringLiteral("&Help"));
    QCOMPARE(
        actionTexts(menus.at(0)->menu()),
        QStringList({"&Program Overview", "&New in this Version", "-", "&My Scripts!",
                     "&Clear All Entries", "&Undo Clear All", "-", "E&xport My Scripts...",
                     "&Import My Scripts...", "&Restore My Scripts from Backup...", "-", "&Exit"}));
    QCOMPARE(actionTexts(menus.at(1)->menu()),
             QStringList({"&Skin Chooser", "-", "&Web Elements", "&Quick Browser", "-",
                          "&Find Script..."}));
    QCOMPARE(actionTexts(menus.at(1)->menu()->actions().first()->menu()),
             QStringList({"&Default Skin", "&Light Wave", "&Horizon Blue", "&Battle Field",
                          "&Animal Farm"}));
    QCOMPARE(actionTexts(menus.at(2)->menu()),
             QStringList({"&General Help", "&Help for Beginners", "-", "&About"}));
    for (const QAction* action : bar->findChildren<QAction*>()) {
        if (action->objectName() == QLatin1String("mnuFindScript"))
            QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        else
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
    }
}

void TestFrmMain::menuCommandsReachTheirServices() {
    Harness h;
    auto trigger = [&](const char* name) {
        QAction* action = h.main()->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    };
    trigger("mnuSkin5");
    trigger("mnuSkin4");
    QCOMPARE(h.skins.chosen, QList<int>({5, 4}));
    trigger("mnuClearAll");
    QCOMPARE(h.myScripts.clears, 1);
    trigger("mnuMyScripts");
    QCOMPARE(h.combo()->currentIndex(), 16);
    QCOMPARE(h.myScripts.fills, 1);
    trigger("mnuMyScripts");
    QCOMPARE(h.myScripts.fills, 1);

    const QList<QPair<const char*, QString>> opens = {
        {"mnuOverview", "frmProg"},   {"mnuNew", "frmAboutMe"},  {"mnuElements", "frmWE"},
        {"mnuBrowser", "frmBrowser"}, {"mnuGeneral", "frmHelp"}, {"mnuBeginners", "frmBegin"},
        {"mnuAbout", "frmAbout"},
    };
    for (const auto& [name, window] : opens) {
        trigger(name);
        QCOMPARE(h.created.last(), window);
    }
    QTest::mouseClick(h.main()->findChild<QAbstractButton*>(QStringLiteral("cmdbrowser")),
                      Qt::LeftButton);
    QVERIFY(h.main()->isVisible());
    QTest::mouseClick(h.main()->findChild<QAbstractButton*>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    QCOMPARE(h.created.count(QStringLiteral("frmWE")), 1); // already open: raised, not re-created
    QVERIFY(!WindowRegistry::subWindowOf(h.main())->isVisible());
}

void TestFrmMain::startupSkinFailureIsReported() {
    Harness h(false);
    h.skins.applyResult = false;
    h.app->start();
    QCOMPARE(h.messages.shown.size(), 1);
    QCOMPARE(h.messages.shown.first().title, QStringLiteral("Tagloom Error!"));
    QCOMPARE(h.messages.shown.first().text,
             QStringLiteral("Cannot load skin.  See the Tagloom FAQ page for instructions!"));
    QCOMPARE(h.messages.shown.first().icon, MessageBoxes::Icon::Warning);
    QCOMPARE(h.rows().size(), 7);
}

void TestFrmMain::captionsFitTheirControls() {
    Harness h;
    const auto labels = h.main()->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->text().isEmpty())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(),
                 qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                .arg(label->text())
                                .arg(needed)
                                .arg(label->contentsRect().width())));
        QVERIFY(label->fontMetrics().height() <= label->height() + 1);
    }
    const auto buttons = h.main()->findChildren<QAbstractButton*>();
    QVERIFY(buttons.size() >= 2);
    for (const QAbstractButton* button : buttons) {
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 8;
        QVERIFY2(needed <= button->width(), qPrintable(button->text()));
        QVERIFY(button->fontMetrics().height() <= button->height());
    }
    for (int i = 0; i < h.combo()->count(); ++i)
        QVERIFY(h.combo()->fontMetrics().horizontalAdvance(h.combo()->itemText(i)) <
                h.combo()->width() - 24);
    for (const auto& title : CatalogueIndex::titles())
        QVERIFY2(h.list()->fontMetrics().horizontalAdvance(title.title) <
                     h.list()->viewport()->width(),
                 qPrintable(title.title));
}

void TestFrmMain::controlsSitWhereDesigned() {
    Harness h;
    auto geometryOf = [&](const char* name) {
        QWidget* widget = h.main()->findChild<QWidget*>(QString::fromLatin1(name));
        return widget ? widget->geometry() : QRect();
    };
    QCOMPARE(h.main()->size(), Twips::size(5385, 5685));
    QCOMPARE(geometryOf("List1"), Twips::rect(660, 1140, 4035, 2205));
    QCOMPARE(geometryOf("CmbCategories"), Twips::rect(660, 3420, 4035, 315));
    QCOMPARE(geometryOf("Command1"), Twips::rect(660, 3960, 4005, 315));
    QCOMPARE(geometryOf("cmdbrowser"), Twips::rect(660, 4320, 4005, 315));
    QCOMPARE(geometryOf("Label1"), Twips::rect(60, 5400, 315, 195));
    QCOMPARE(geometryOf("Image1"), Twips::rect(1500, 240, 2235, 750));
    QCOMPARE(WindowRegistry::subWindowOf(h.main())->pos(), QPoint(0, 0));

    // Tab order: list, categories, browser button, gallery button.
    QVERIFY(QTest::qWaitForWindowActive(h.app->frame()));
    QWidget* expected[] = {h.list(), h.combo(), h.main()->findChild<QWidget*>("cmdbrowser"),
                           h.main()->findChild<QWidget*>("Command1")};
    h.list()->setFocus();
    for (int i = 1; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
}

void TestFrmMain::frameIsFixedWithoutMaximize() {
    Harness h;
    MDIFormMain* frame = h.app->frame();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tagloom v2.0"));
    QVERIFY(!(frame->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(frame->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(frame->minimumSize(), frame->maximumSize());
    QCOMPARE(frame->mdiArea()->size(), Twips::size(5340, 5925));
    frame->resize(frame->width() + 100, frame->height() + 100);
    QCOMPARE(frame->mdiArea()->size(), Twips::size(5340, 5925));
}

void TestFrmMain::frameCentresUnclamped() {
    QCOMPARE(MDIFormMain::centredPosition(QSize(1024, 768), QSize(356, 420)), QPoint(334, 174));
    QCOMPARE(MDIFormMain::centredPosition(QSize(1920, 1080), QSize(357, 421)), QPoint(782, 330));
    // A frame larger than the screen lands above and left of it.
    QCOMPARE(MDIFormMain::centredPosition(QSize(320, 240), QSize(400, 420)), QPoint(-40, -90));
}

void TestFrmMain::menuBarFollowsTheActiveChild() {
    Harness h;
    WindowRegistry* windows = h.app->context().windows;
    windows->registerWindow(QStringLiteral("frmOtherChild"), WindowRegistry::Placement::FrameChild,
                            [] { return new QWidget; });
    QMenuBar* bar = h.main()->menuBar();
    QVERIFY(!bar->isHidden());
    windows->show(QStringLiteral("frmOtherChild"));
    QVERIFY(bar->isHidden());
    windows->show(QStringLiteral("frmMain"));
    QVERIFY(!bar->isHidden());
}

void TestFrmMain::exitEndsWithoutClosingHandlers() {
    Harness h;
    auto* viewer = new ClosingCounter;
    viewer->show();
    h.main()->menuBar()->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    QVERIFY(AppLifecycle::isEnding());
    QCOMPARE(viewer->closes, 0);
    QVERIFY(!viewer->isVisible());
    QVERIFY(!h.app->frame()->isVisible());
    for (const auto& op : std::as_const(h.store.log))
        QVERIFY(op.type != MemorySettingsStore::Operation::Type::Write);
    delete viewer;
}

void TestFrmMain::closingTheFrameEndsTheProgramToo() {
    Harness h;
    auto* viewer = new ClosingCounter;
    viewer->show();
    // Children close in the order they opened; frmMain, the first, ends the program at once.
    auto* child = new ClosingCounter;
    h.app->context().windows->registerWindow(QStringLiteral("frmLaterChild"),
                                             WindowRegistry::Placement::FrameChild,
                                             [child] { return child; });
    h.app->context().windows->show(QStringLiteral("frmLaterChild"));
    QPointer<ClosingCounter> watchedChild = child;
    h.app->frame()->close();
    QVERIFY(AppLifecycle::isEnding());
    QCOMPARE(viewer->closes, 0);
    QVERIFY(!viewer->isVisible());
    QVERIFY(!h.app->frame()->isVisible());
    QVERIFY(watchedChild.isNull() || watchedChild->closes == 0);
    delete viewer;
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
