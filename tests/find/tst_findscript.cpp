// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a script and taking its code by keyboard, as a user would in the running program:
// the palette, opening from the list, Esc, the copy commands, the entry actions other parts
// of the program add, the large view, and where viewers appear.
#include "platform/appfolder.h"
#include "platform/uifonts.h"

#include "catalogue/scriptviewerwindow.h"
#include "catalogue/secondarywindow.h"
#include "myscripts/frmcustom.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "find/findpalette.h"
#include "kit/entryactions.h"
#include "kit/entryview.h"
#include "kit/largeview.h"
#include "kit/services.h"
#include "kit/windowplacement.h"
#include "kit/windowregistry.h"
#include "model/catalogue.h"
#include "model/catalogueindex.h"
#include "model/entrydocument.h"
#include "model/installedtext.h"
#include "support/testprogram.h"
#include "widgets/codebox.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

#include <memory>

class TestFindScript : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void ctrlKOpensThePaletteFromAnyWindowEvenInATextBox();
    void ctrlFAndTheToolsMenuOpenThePaletteFromTheList();
    void enterOpensTheChosenRowsViewerAndClosesThePalette();
    void myScriptsNamesAreReadFreshAndOpenTheEntryViewer();
    void rowsShowCategoryAndMarkTheMatchedLetters();
    void returnOnAListRowOpensItLikeADoubleClick();
    void escClosesViewersSecondaryWindowsPaletteAndLargeViewOnly();
    void sampleLinkIsReachedByTabAndOpensWithEnterOrSpace();

    void copyCommandsPutTheWholeCodeOnTheClipboard_data();
    void copyCommandsPutTheWholeCodeOnTheClipboard();
    void entryActionsAppearInEveryCodeMenuAndAsShortcuts();
    void largeViewShowsEveryBlockAtFullHeightAndRemembersItsSize();
    void viewersAreCentredByTheFramesRule();
    void categoryPopupShowsTheHighlightedRowsText();

private:
    ScriptViewerWindow* openViewer(const QString& name);
    FindPalette* palette() const;
    QMenu* menuOf(QWidget* window, QPlainTextEdit* box);

    std::unique_ptr<TestProgram> m_program;
};

void TestFindScript::initTestCase() {
    UiFonts::install();
}

void TestFindScript::init() {
    m_program = std::make_unique<TestProgram>();
    QGuiApplication::clipboard()->clear();
}

void TestFindScript::cleanup() {
    QToolTip::hideText();
    // Every window the test opened closes when asked; nothing stays behind.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != m_program->app->frame())
            window->close();
    }
    m_program.reset();
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0);
}

ScriptViewerWindow* TestFindScript::openViewer(const QString& name) {
    auto* viewer = qobject_cast<ScriptViewerWindow*>(m_program->windows()->show(name));
    if (viewer && !QTest::qWaitForWindowActive(viewer))
        return nullptr;
    return viewer;
}

FindPalette* TestFindScript::palette() const {
    auto* found = m_program->windows()->find(QStringLiteral("frmFindScript"));
    return found && found->isVisible() ? qobject_cast<FindPalette*>(found) : nullptr;
}

QMenu* TestFindScript::menuOf(QWidget* window, QPlainTextEdit* box) {
    auto* commands = window->findChild<EntryViewCommands*>();
    return commands ? commands->contextMenu(box) : nullptr;
}

void TestFindScript::ctrlKOpensThePaletteFromAnyWindowEvenInATextBox() {
    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmText8"));
    QPlainTextEdit* box = viewer->codeBoxes().first();
    box->setFocus();
    box->moveCursor(QTextCursor::Start);
    const QString before = box->toPlainText();
    QTest::keyClick(box, Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(palette());
    // The box did not take it as "delete to the end of the line".
    QCOMPARE(box->toPlainText(), before);
    QCOMPARE(palette()->focusWidget(), palette()->searchField());
}

void TestFindScript::ctrlFAndTheToolsMenuOpenThePaletteFromTheList() {
    frmMain* main = m_program->main();
    QVERIFY(QTest::qWaitForWindowActive(m_program->app->frame()));
    main->List1()->setFocus();
    QTest::keyClick(main->List1(), Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(palette());
    QPointer<FindPalette> first = palette();
    first->close();
    QTRY_VERIFY(!first);

    QAction* find = m_program->menuAction("mnuFindScript");
    QVERIFY(find);
    QCOMPARE(find->text(), QStringLiteral("&Find Script..."));
    find->trigger();
    QTRY_VERIFY(palette());
}

void TestFindScript::enterOpensTheChosenRowsViewerAndClosesThePalette() {
    m_program->windows()->show(QStringLiteral("frmFindScript"));
    QTRY_VERIFY(palette());
    FindPalette* finder = palette();
    QTest::keyClicks(finder->searchField(), QStringLiteral("password"));
    QVERIFY(finder->results()->count() >= 5);
    QCOMPARE(finder->results()->currentRow(), 0);
    QTest::keyClick(finder->searchField(), Qt::Key_Down);
    QTest::keyClick(finder->searchField(), Qt::Key_Down);
    QTest::keyClick(finder->searchField(), Qt::Key_Up);
    QCOMPARE(finder->results()->currentRow(), 1);
    const QString wanted = finder->results()->item(1)->data(FindPalette::TitleRole).toString();
    const QString window =
        m_program->app->context().catalogue->entries().at(finder->hits().at(1).document)->formName;
    QTest::keyClick(finder->searchField(), Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_VERIFY(!palette());
    QWidget* viewer = m_program->windows()->find(window);
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(m_program->app->context().catalogue->entry(window)->title, wanted);
}

void TestFindScript::myScriptsNamesAreReadFreshAndOpenTheEntryViewer() {
    m_program->windows()->show(QStringLiteral("frmFindScript"));
    QTRY_VERIFY(palette());
    QTest::keyClicks(palette()->searchField(), QStringLiteral("club news"));
    QCOMPARE(palette()->results()->count(), 0);
    QPointer<FindPalette> first = palette();
    QTest::keyClick(first->searchField(), Qt::Key_Escape);
    QTRY_VERIFY(!first);

    // Saved while the palette was closed: the next opening finds it, by name or description.
    m_program->store.set(QStringLiteral("3Slot"), QStringLiteral("Name"),
                         QStringLiteral("Club News"));
    m_program->store.set(QStringLiteral("3Slot"), QStringLiteral("Description"),
                         QStringLiteral("Headlines for the quokka club"));
    m_program->store.set(QStringLiteral("3Slot"), QStringLiteral("Head"),
                         QStringLiteral("<style>p{}</style>"));
    m_program->windows()->show(QStringLiteral("frmFindScript"));
    QTRY_VERIFY(palette());
    QCOMPARE(palette()->searchField()->text(), QString());
    QTest::keyClicks(palette()->searchField(), QStringLiteral("quokka"));
    QCOMPARE(palette()->results()->count(), 1);
    QTest::keyClick(palette()->searchField(), Qt::Key_Return);
    QTRY_VERIFY(!palette());
    auto* viewer =
        qobject_cast<frmCustom*>(m_program->windows()->find(QStringLiteral("frmCustom")));
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->entrySlot(), 3);
}

void TestFindScript::rowsShowCategoryAndMarkTheMatchedLetters() {
    m_program->windows()->show(QStringLiteral("frmFindScript"));
    QTRY_VERIFY(palette());
    QTest::keyClicks(palette()->searchField(), QStringLiteral("live text clo"));
    QListWidgetItem* first = palette()->results()->item(0);
    QVERIFY(first);
    QCOMPARE(first->data(FindPalette::TitleRole).toString(), QStringLiteral("Live Text Clock"));
    QVERIFY(first->data(FindPalette::DetailRole)
                .toString()
                .startsWith(QStringLiteral("Clocks and Dates - ")));
    QCOMPARE(first->data(FindPalette::TitleMarksRole).toList().size(), 3);
    // What a screen reader reads: title, category and description.
    QVERIFY(first->text().startsWith(QStringLiteral("Live Text Clock, Clocks and Dates: ")));
    QVERIFY(!palette()->grab().isNull());
}

void TestFindScript::returnOnAListRowOpensItLikeADoubleClick() {
    frmMain* main = m_program->main();
    main->CmbCategories()->setCurrentIndex(8);
    QListWidget* list = main->List1();
    list->setFocus();
    // Nothing selected yet: Return opens nothing.
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!m_program->windows()->find(QStringLiteral("frmClock1")));
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(!main->selectedRowText().isEmpty());
    const QString window = CatalogueIndex::windowOf(main->selectedRowText());
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    QWidget* viewer = m_program->windows()->find(window);
    QVERIFY(viewer && viewer->isVisible());
}

void TestFindScript::escClosesViewersSecondaryWindowsPaletteAndLargeViewOnly() {
    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmimage7"));
    QPointer<QWidget> secondary =
        m_program->windows()->show(QStringLiteral("frmImage7instructions"));
    QVERIFY(secondary && QTest::qWaitForWindowActive(secondary));
    QTest::keyClick(secondary->focusWidget() ? secondary->focusWidget() : secondary.data(),
                    Qt::Key_Escape);
    QTRY_VERIFY(!secondary);

    QPointer<LargeView> large = viewer->commands()->openLargeView();
    QVERIFY(QTest::qWaitForWindowActive(large));
    QTest::keyClick(large->codeBoxes().first(), Qt::Key_Escape);
    QTRY_VERIFY(!large);

    // Code typed into a viewer is not thrown away by Esc; an untouched viewer closes.
    QPointer<ScriptViewerWindow> guarded = viewer;
    viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTest::keyClicks(viewer->codeBoxes().first(), QStringLiteral("my change"));
    QTest::keyClick(viewer->codeBoxes().first(), Qt::Key_Escape);
    QVERIFY(guarded && guarded->isVisible());
    viewer->close();
    QTRY_VERIFY(!guarded);
    viewer = openViewer(QStringLiteral("frmText2"));
    guarded = viewer;
    QTest::keyClick(viewer->codeBoxes().first(), Qt::Key_Escape);
    QTRY_VERIFY(!guarded);

    // frmMain and the frame stay.
    QTest::keyClick(m_program->main()->List1(), Qt::Key_Escape);
    QVERIFY(TestProgram::isShown(m_program->main()));
    QVERIFY(m_program->app->frame()->isVisible());
}

void TestFindScript::sampleLinkIsReachedByTabAndOpensWithEnterOrSpace() {
    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmText1"));
    QVERIFY(viewer->link());
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    viewer->codeBoxes().first()->setFocus();
    QTest::keyClick(viewer->codeBoxes().first(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), viewer->link());
    QTest::keyClick(viewer->link(), Qt::Key_Return);
    QTest::keyClick(viewer->link(), Qt::Key_Space);
    QCOMPARE(m_program->shell.opened.size(), 2);
    QVERIFY(m_program->shell.opened.first().endsWith(QStringLiteral(".htm")) ||
            m_program->shell.opened.first().endsWith(QStringLiteral(".html")));
}

void TestFindScript::copyCommandsPutTheWholeCodeOnTheClipboard_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("codeBoxes");
    QTest::newRow("one block") << "frmText1" << 1;
    QTest::newRow("three blocks") << "frmText8" << 3;
    QTest::newRow("four blocks, one a note") << "frmMenus18" << 3;
}

void TestFindScript::copyCommandsPutTheWholeCodeOnTheClipboard() {
    QFETCH(QString, window);
    QFETCH(int, codeBoxes);
    ScriptViewerWindow* viewer = openViewer(window);
    const ScriptEntry* entry = m_program->app->context().catalogue->entry(window);
    QCOMPARE(viewer->codeBoxes().size(), codeBoxes);
    QClipboard* clipboard = QGuiApplication::clipboard();

    // Copy Code takes the whole block, whatever part is selected.
    QPlainTextEdit* last = viewer->codeBoxes().last();
    QTextCursor cursor = last->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    last->setTextCursor(cursor);
    std::unique_ptr<QMenu> menu(menuOf(viewer, last));
    QVERIFY(menu);
    QAction* copyCode = menu->findChild<QAction*>(QStringLiteral("actCopyCode"));
    QVERIFY(copyCode);
    copyCode->trigger();
    QCOMPARE(clipboard->text(), last->toPlainText());
    QVERIFY(QToolTip::isVisible());

    // Copy All Blocks: every block under its placement line as a comment, in order, as the
    // viewer shows them (with the scripts folder named).
    const ScriptEntry shown =
        InstalledText::resolve(*entry, AppFolder::sampleBaseUrl(), AppFolder::scriptsFolder());
    QString expected;
    for (const EntryBlock& block : shown.blocks) {
        if (!expected.isEmpty())
            expected += QLatin1Char('\n');
        if (block.hasInstruction())
            expected += QStringLiteral("<!-- %1 -->\n").arg(block.instruction.trimmed());
        if (block.hasCodeBox())
            expected += block.code.endsWith(QLatin1Char('\n')) ? block.code
                                                               : block.code + QLatin1Char('\n');
    }
    menu->findChild<QAction*>(QStringLiteral("actCopyAllBlocks"))->trigger();
    QCOMPARE(clipboard->text(), expected);

    // Ctrl+Shift+C does the same from the window, with no dialog.
    clipboard->clear();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    viewer->codeBoxes().first()->setFocus();
    QTest::keyClick(viewer->codeBoxes().first(), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboard->text(), expected);
    QVERIFY(m_program->messages.shown.isEmpty());
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("actOpenLargeView")));
}

void TestFindScript::entryActionsAppearInEveryCodeMenuAndAsShortcuts() {
    QList<EntryRef> asked;
    m_program->app->context().entryActions->add(
        // The program's own Customise already holds Ctrl+E, and the first command on a key wins.
        {QStringLiteral("&Customise..."),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         QStringLiteral("actTestCustomise"),
         [&asked](const EntryRef& entry, QWidget*) { asked.append(entry); },
         {}});
    m_program->app->context().entryActions->add(
        {QStringLiteral("Only for My Scripts"),
         {},
         QStringLiteral("actTestMine"),
         [](const EntryRef&, QWidget*) {},
         [](const EntryRef& entry) { return entry.kind == EntryRef::Kind::MyScript; }});

    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmMenus18"));
    // The third code box is the third block; the fourth, a note, has no box.
    std::unique_ptr<QMenu> menu(menuOf(viewer, viewer->codeBoxes().at(2)));
    QStringList names;
    for (const QAction* action : menu->actions())
        names.append(action->objectName());
    QVERIFY(names.indexOf(QStringLiteral("actTestCustomise")) >
            names.indexOf(QStringLiteral("actOpenLargeView")));
    QVERIFY(!names.contains(QStringLiteral("actTestMine")));
    menu->findChild<QAction*>(QStringLiteral("actTestCustomise"))->trigger();
    QCOMPARE(asked.last(), EntryRef::catalogue(QStringLiteral("frmMenus18"), 2));

    // The shortcut reaches the command from inside a code box and knows the focused box.
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QPlainTextEdit* box = viewer->codeBoxes().first();
    box->setFocus();
    box->moveCursor(QTextCursor::Start);
    QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.last(), EntryRef::catalogue(QStringLiteral("frmMenus18"), 0));
    QCOMPARE(box->textCursor().position(), 0);

    // The large view offers them too, for the same entry.
    LargeView* large = viewer->commands()->openLargeView();
    std::unique_ptr<QMenu> largeMenu(large->commands()->contextMenu(large->codeBoxes().first()));
    QVERIFY(largeMenu->findChild<QAction*>(QStringLiteral("actTestCustomise")));
    QVERIFY(!largeMenu->findChild<QAction*>(QStringLiteral("actOpenLargeView")));

    // And the My Scripts entry viewer, with the slot it shows.
    m_program->store.set(QStringLiteral("2Slot"), QStringLiteral("Name"), QStringLiteral("Mine"));
    m_program->store.set(QStringLiteral("2Slot"), QStringLiteral("Body"),
                         QStringLiteral("<b>x</b>"));
    m_program->app->context().myScripts->openEntry(QStringLiteral("Mine"));
    auto* custom =
        qobject_cast<frmCustom*>(m_program->windows()->find(QStringLiteral("frmCustom")));
    QVERIFY(custom);
    auto* body = custom->findChild<QPlainTextEdit*>(QStringLiteral("txtBODY"));
    std::unique_ptr<QMenu> customMenu(custom->commands()->contextMenu(body));
    QVERIFY(customMenu->findChild<QAction*>(QStringLiteral("actTestMine")));
    customMenu->findChild<QAction*>(QStringLiteral("actTestCustomise"))->trigger();
    QCOMPARE(asked.last(), EntryRef::myScript(2, 1));
    customMenu->findChild<QAction*>(QStringLiteral("actCopyCode"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<b>x</b>"));
}

void TestFindScript::largeViewShowsEveryBlockAtFullHeightAndRemembersItsSize() {
    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmMenus18"));
    QPointer<LargeView> large = viewer->commands()->openLargeView();
    QVERIFY(QTest::qWaitForWindowExposed(large));
    QCOMPARE(large->size(), LargeView::defaultSize());
    QVERIFY(large->windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(large->windowTitle(), QStringLiteral("Tavros' Slide-in Menu *"));
    QCOMPARE(large->codeBoxes().size(), 3);
    for (int i = 0; i < 3; ++i) {
        QPlainTextEdit* box = large->codeBoxes().at(i);
        QCOMPARE(box->toPlainText(), viewer->codeBoxes().at(i)->toPlainText());
        QVERIFY(QFontInfo(box->font()).fixedPitch());
        QCOMPARE(box->verticalScrollBar()->maximum(), 0); // nothing hidden below
    }

    large->resize(900, 700);
    QTRY_COMPARE(m_program->store.read(QStringLiteral("LargeView"), QStringLiteral("Size")),
                 QStringLiteral("900x700"));
    large->close();
    QTRY_VERIFY(!large);
    large = viewer->commands()->openLargeView();
    QCOMPARE(large->size(), QSize(900, 700));

    // A size that makes no sense is not used.
    large->close();
    QTRY_VERIFY(!large);
    m_program->store.set(QStringLiteral("LargeView"), QStringLiteral("Size"),
                         QStringLiteral("5x99999"));
    large = viewer->commands()->openLargeView();
    QCOMPARE(large->size(), LargeView::defaultSize());
}

void TestFindScript::viewersAreCentredByTheFramesRule() {
    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmClock16"));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    // Like the frame: on the whole screen (not the part left by panels), placed before the
    // window first shows.
    QCOMPARE(viewer->pos(), MDIFormMain::centredPosition(screen, viewer->size()));
    QCOMPARE(WindowPlacement::centred(screen, viewer->size()),
             MDIFormMain::centredPosition(screen, viewer->size()));

    m_program->store.set(QStringLiteral("4Slot"), QStringLiteral("Name"), QStringLiteral("Own"));
    m_program->app->context().myScripts->openEntry(QStringLiteral("Own"));
    QWidget* custom = m_program->windows()->find(QStringLiteral("frmCustom"));
    QVERIFY(custom);
    QCOMPARE(custom->pos(), MDIFormMain::centredPosition(screen, custom->size()));
}

void TestFindScript::categoryPopupShowsTheHighlightedRowsText() {
    QComboBox* combo = m_program->main()->CmbCategories();
    combo->setCurrentIndex(3);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    for (const int row : {3, 5}) {
        view->setCurrentIndex(combo->model()->index(row, 0));
        const QRect rect = view->visualRect(view->currentIndex());
        const QImage image = view->viewport()->grab(rect).toImage();
        // Text shows as pixels far from the row's background, which is its corner colour.
        const QColor background = image.pixelColor(1, 1);
        int textPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - background.red()) +
                        std::abs(c.green() - background.green()) +
                        std::abs(c.blue() - background.blue()) >
                    200)
                    ++textPixels;
            }
        }
        QVERIFY2(textPixels > 20,
                 qPrintable(QStringLiteral("row %1: %2 text pixels").arg(row).arg(textPixels)));
    }
    combo->hidePopup();
}

QTEST_MAIN(TestFindScript)
#include "tst_findscript.moc"
