// SPDX-License-Identifier: GPL-3.0-or-later
// "Put into My Page..." and "Remove from My Page..." as the user meets them: in a viewer's
// code box menu and on Ctrl+Shift+I, through the preview window, with the file dialogs
// answered by a double.
#include "catalogue/scriptviewerwindow.h"
#include "myscripts/slotstore.h"
#include "shell/application.h"

#include "kit/entryview.h"
#include "kit/pageinsertioncommands.h"
#include "kit/pagepreviewwindow.h"
#include "kit/windowregistry.h"
#include "support/testprogram.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

const QByteArray kPage =
    "<html>\n<head>\n<title>t</title>\n</head>\n<body>\n<p>x</p>\n</body>\n</html>\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QAction* actionNamed(QMenu* menu, const QString& name) {
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

} // namespace

class TestPageInsertionCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void codeBoxMenuPutsTheEntryIntoThePageAfterThePreview();
    void shortcutInTheViewerAndRemovalGiveThePageBack();
    void cancelledOrRefusedPagesAreLeftAlone();
    void pageChangedAfterThePreviewIsNotWritten();
    void wholePageEntriesAreSavedAsNewPages();
    void myScriptsEntriesGoHeadAndBody();

private:
    ScriptViewerWindow* openViewer(const QString& name);
    PagePreviewWindow* preview() const { return m_program->app->pageInsertion()->preview(); }

    std::unique_ptr<TestProgram> m_program;
    ScriptedFileChooser m_chooser;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_page;
};

void TestPageInsertionCommands::init() {
    m_program = std::make_unique<TestProgram>();
    m_chooser = ScriptedFileChooser();
    m_program->app->context().fileChooser = &m_chooser;
    m_dir = std::make_unique<QTemporaryDir>();
    m_page = m_dir->filePath(QStringLiteral("page.htm"));
    writeAll(m_page, kPage);
}

void TestPageInsertionCommands::cleanup() {
    if (preview())
        delete preview();
    m_program.reset();
    const QWidgetList left = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(left.cbegin(), left.cend(), [](QWidget* w) {
        return qobject_cast<PagePreviewWindow*>(w) != nullptr;
    }));
}

ScriptViewerWindow* TestPageInsertionCommands::openViewer(const QString& name) {
    return qobject_cast<ScriptViewerWindow*>(m_program->windows()->show(name));
}

void TestPageInsertionCommands::codeBoxMenuPutsTheEntryIntoThePageAfterThePreview() {
    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmClock6"));
    QVERIFY(viewer);
    QPlainTextEdit* box = viewer->codeBoxes().first();
    std::unique_ptr<QMenu> menu(viewer->commands()->contextMenu(box));
    QAction* put = actionNamed(menu.get(), QStringLiteral("actPutIntoPage"));
    QVERIFY(put);
    QCOMPARE(put->text(), PageInsertionCommands::putCaption());
    QVERIFY(actionNamed(menu.get(), QStringLiteral("actRemoveFromPage")));

    m_chooser.openAnswers = {m_page};
    put->trigger();
    QVERIFY(preview());
    QCOMPARE(preview()->windowTitle(), QStringLiteral("Put into My Page - Live Date"));
    const QString diff = preview()->diffView()->toPlainText();
    QVERIFY2(diff.contains(QLatin1String("+<!-- Tagloom: Live Date -->")), qPrintable(diff));
    QVERIFY(diff.contains(QLatin1String("+<body onload=\"ldtStart()\">")));
    QVERIFY(diff.contains(QLatin1String(" <title>t</title>")));
    QCOMPARE(readAll(m_page), kPage);

    QTest::mouseClick(preview()->confirmButton(), Qt::LeftButton);
    QTRY_VERIFY(!preview());
    QVERIFY(readAll(m_page).contains("<body onload=\"ldtStart()\">"));
    QCOMPARE(readAll(m_page + QStringLiteral(".bak")), kPage);
    QVERIFY(m_program->messages.shown.last().text.contains(QLatin1String("was put into")));
}

void TestPageInsertionCommands::shortcutInTheViewerAndRemovalGiveThePageBack() {
    ScriptViewerWindow* viewer = openViewer(QStringLiteral("frmClock6"));
    QApplication::setActiveWindow(viewer);
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    viewer->codeBoxes().first()->setFocus();
    m_chooser.openAnswers = {m_page};
    QTest::keyClick(viewer->codeBoxes().first(), Qt::Key_I,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(preview());
    QTest::keyClick(preview()->confirmButton(), Qt::Key_Space);
    QTRY_VERIFY(!preview());
    QVERIFY(readAll(m_page) != kPage);

    m_program->app->pageInsertion()->removeFromPage(
        EntryRef::catalogue(QStringLiteral("frmClock6")), viewer);
    QVERIFY(!preview()); // the dialog was cancelled
    m_chooser.openAnswers = {m_page};
    m_program->app->pageInsertion()->removeFromPage(
        EntryRef::catalogue(QStringLiteral("frmClock6")), viewer);
    QVERIFY(preview());
    QCOMPARE(preview()->confirmButton()->text(), QStringLiteral("&Remove"));
    QVERIFY(preview()->diffView()->toPlainText().contains(
        QLatin1String("-<!-- Tagloom: Live Date -->")));
    QTest::mouseClick(preview()->confirmButton(), Qt::LeftButton);
    QTRY_VERIFY(!preview());
    QCOMPARE(readAll(m_page), kPage);
}

void TestPageInsertionCommands::cancelledOrRefusedPagesAreLeftAlone() {
    PageInsertionCommands* commands = m_program->app->pageInsertion();
    const EntryRef clock = EntryRef::catalogue(QStringLiteral("frmClock6"));
    commands->putIntoPage(clock, nullptr); // the dialog is cancelled
    QVERIFY(!preview());
    QVERIFY(m_program->messages.shown.isEmpty());

    m_chooser.openAnswers = {m_dir->path()};
    commands->putIntoPage(clock, nullptr);
    QVERIFY(!preview());
    QVERIFY(m_program->messages.shown.last().text.contains(QLatin1String("is a folder")));

    m_chooser.openAnswers = {m_page};
    commands->removeFromPage(clock, nullptr);
    QVERIFY(!preview());
    QVERIFY(m_program->messages.shown.last().text.contains(QLatin1String("not in this page")));

    m_chooser.openAnswers = {m_page};
    commands->putIntoPage(clock, nullptr);
    QVERIFY(preview());
    QTest::mouseClick(preview()->cancelButton(), Qt::LeftButton);
    QTRY_VERIFY(!preview());
    QCOMPARE(readAll(m_page), kPage);
}

void TestPageInsertionCommands::pageChangedAfterThePreviewIsNotWritten() {
    m_chooser.openAnswers = {m_page};
    m_program->app->pageInsertion()->putIntoPage(EntryRef::catalogue(QStringLiteral("frmClock6")),
                                                 nullptr);
    QVERIFY(preview());
    const QByteArray edited = QByteArray(kPage).replace("<p>x</p>", "<p>edited</p>");
    writeAll(m_page, edited);
    QTest::mouseClick(preview()->confirmButton(), Qt::LeftButton);
    QTRY_VERIFY(!preview());
    QCOMPARE(readAll(m_page), edited);
    QVERIFY(!QFile::exists(m_page + QStringLiteral(".bak")));
    QVERIFY(m_program->messages.shown.last().text.contains(QLatin1String("nothing was written")));
}

void TestPageInsertionCommands::wholePageEntriesAreSavedAsNewPages() {
    const QString target = m_dir->filePath(QStringLiteral("menu.htm"));
    writeAll(target, "mine");
    m_chooser.saveAnswers = {target, target};
    m_program->messages.answers = {MessageBoxes::Answer::Yes, MessageBoxes::Answer::No};
    PageInsertionCommands* commands = m_program->app->pageInsertion();
    const EntryRef menu = EntryRef::catalogue(QStringLiteral("frmMenus2"));
    commands->putIntoPage(menu, nullptr);
    QVERIFY(!preview());
    QVERIFY(m_program->messages.shown.at(0).text.contains(QLatin1String("whole page of its own")));
    QVERIFY(m_program->messages.shown.at(1).text.contains(QLatin1String("already exists")));
    QCOMPARE(readAll(target), QByteArray("mine"));

    m_program->messages.answers = {MessageBoxes::Answer::Yes, MessageBoxes::Answer::Yes};
    commands->putIntoPage(menu, nullptr);
    QVERIFY(readAll(target).contains("<html"));
}

void TestPageInsertionCommands::myScriptsEntriesGoHeadAndBody() {
    SlotStore slotStore(m_program->store);
    MyScriptSlot slot;
    slot.number = 3;
    slot.name = QStringLiteral("My Greeting");
    slot.head = QStringLiteral("<style>p { color: red; }</style>");
    slot.body = QStringLiteral("<p id=\"hi\">Hi</p>");
    QVERIFY(slotStore.writeSlot(slot).ok);
    m_chooser.openAnswers = {m_page};
    m_program->app->pageInsertion()->putIntoPage(EntryRef::myScript(3), nullptr);
    QVERIFY(preview());
    QTest::mouseClick(preview()->confirmButton(), Qt::LeftButton);
    QTRY_VERIFY(!preview());
    const QString page = QString::fromUtf8(readAll(m_page));
    QVERIFY(page.indexOf(QLatin1String("color: red")) < page.indexOf(QLatin1String("</head>")));
    QVERIFY(page.indexOf(QLatin1String("id=\"hi\"")) > page.indexOf(QLatin1String("<p>x</p>")));
    QVERIFY(page.contains(QLatin1String("<!-- Tagloom: My Greeting -->")));
}

QTEST_MAIN(TestPageInsertionCommands)
#include "tst_pageinsertioncommands.moc"
