// SPDX-License-Identifier: GPL-3.0-or-later
// "Put into My Page..." from the Customise window: the code with the user's values goes into
// the page through the same preview as the plain entry, shares its markers (one entry, one
// insertion) and comes out again byte for byte. The preview pane runs without the web engine
// here; the page file and the dialogs are the test's.
#include "platform/processterminator.h"

#include "shell/application.h"
#include "webtools/customisewindow.h"
#include "webtools/previewpane.h"

#include "kit/entryview.h"
#include "kit/pageinsertioncommands.h"
#include "kit/pagepreviewwindow.h"
#include "model/catalogue.h"
#include "support/guitest.h"
#include "support/testprogram.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

const QByteArray kPage = "<!DOCTYPE html>\n<html>\n<head>\n<title>Mine</title>\n</head>\n"
                         "<body>\n<p>My own text.</p>\n</body>\n</html>\n";
const QString kEntry = QStringLiteral("frmRedirect2");
const QString kMarker = QStringLiteral("<!-- Tagloom: Redirect with Link -->");

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

class TestCustomisePage : public GuiTest {
    Q_OBJECT
private slots:
    void customisedCodeGoesInAndComesOutByteForByte();
    void plainAndCustomisedShareOneInsertion();
    void valuesThatWouldEndTheScriptStayInsideIt();
    void textThePageCannotHoldKeepsItsMeaning();

protected:
    void setUp() override;
    void tearDown() override;

private:
    CustomiseWindow* open(const QString& window = kEntry);
    PagePreviewWindow* preview() const { return m_program->app->pageInsertion()->preview(); }
    // Types into the setting's field as a user would, without leaving it.
    void type(const QString& setting, const QString& text);
    // Confirms the open preview and waits until it is gone.
    void confirm();

    std::unique_ptr<TestProgram> m_program;
    ScriptedFileChooser m_chooser;
    SystemProcessTerminator m_terminator;
    std::unique_ptr<QTemporaryDir> m_dir;
    QPointer<CustomiseWindow> m_window;
    QString m_page;
};

void TestCustomisePage::setUp() {
    m_program = std::make_unique<TestProgram>();
    m_chooser = ScriptedFileChooser();
    m_program->app->context().fileChooser = &m_chooser;
    m_dir = std::make_unique<QTemporaryDir>();
    m_page = m_dir->filePath(QStringLiteral("page.htm"));
    writeAll(m_page, kPage);
}

void TestCustomisePage::tearDown() {
    delete preview();
    delete m_window.data();
    m_program.reset();
}

CustomiseWindow* TestCustomisePage::open(const QString& window) {
    const ScriptEntry* entry = m_program->app->context().catalogue->entry(window);
    auto* pane = new PreviewPane(nullptr, m_terminator, QString(),
                                 QStringLiteral("no web engine in this test"));
    m_window = new CustomiseWindow(*entry, pane, QString(), m_program->app->pageInsertion());
    m_window->show();
    return m_window;
}

void TestCustomisePage::type(const QString& setting, const QString& text) {
    QWidget* field = m_window->field(m_window->settingIndex(setting));
    QVERIFY2(field, qPrintable(setting));
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(field)) {
        // Not committed: no Return, the focus stays.
        spin->setKeyboardTracking(false);
        spin->selectAll();
        QTest::keyClicks(spin, text);
        return;
    }
    auto* line = qobject_cast<QLineEdit*>(field);
    QVERIFY(line);
    line->selectAll();
    // Through the input method, as text beyond the keyboard's letters is typed.
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QCoreApplication::sendEvent(line, &typed);
    QCOMPARE(line->text(), text);
}

void TestCustomisePage::confirm() {
    QVERIFY(preview());
    QTest::mouseClick(preview()->confirmButton(), Qt::LeftButton);
    QTRY_VERIFY(!preview());
}

void TestCustomisePage::customisedCodeGoesInAndComesOutByteForByte() {
    CustomiseWindow* window = open();
    type(QStringLiteral("message"), QStringLiteral("This shop has moved; off you go in"));
    type(QStringLiteral("seconds"), QStringLiteral("12"));

    // The button, the window's key and the code boxes' menus all offer it.
    auto* button = window->findChild<QPushButton*>(QStringLiteral("cmdPutIntoPage"));
    QVERIFY(button);
    QCOMPARE(button->text(), PageInsertionCommands::putCaption());
    QVERIFY(button->isVisibleTo(window));
    auto* put = window->findChild<QAction*>(QStringLiteral("actPutIntoPage"));
    QVERIFY(put);
    QCOMPARE(put->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    QVERIFY(window->actions().contains(put));
    const EntryViewCommands* commands = window->findChild<EntryViewCommands*>();
    std::unique_ptr<QMenu> menu(
        const_cast<EntryViewCommands*>(commands)->contextMenu(window->codeBoxes().first()));
    QCOMPARE(actionNamed(menu.get(), QStringLiteral("actPutIntoPage")), put);
    QAction* remove = actionNamed(menu.get(), QStringLiteral("actRemoveFromPage"));
    QVERIFY(remove);

    m_chooser.openAnswers = {m_page};
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(preview());
    QCOMPARE(preview()->windowTitle(), QStringLiteral("Put into My Page - Redirect with Link"));
    const QString diff = preview()->diffView()->toPlainText();
    QVERIFY2(diff.contains(QLatin1String("+  const seconds = 12;")), qPrintable(diff));
    QVERIFY(
        diff.contains(QLatin1String("+  const message = 'This shop has moved; off you go in';")));
    QCOMPARE(readAll(m_page), kPage);
    confirm();

    const QByteArray changed = readAll(m_page);
    QVERIFY(changed.contains("const message = 'This shop has moved; off you go in';"));
    QVERIFY(changed.contains("const seconds = 12;"));
    QVERIFY(!changed.contains("We have moved!"));
    QCOMPARE(readAll(m_page + QStringLiteral(".bak")), kPage);
    QVERIFY(m_program->messages.shown.last().text.contains(QLatin1String("was put into")));

    m_chooser.openAnswers = {m_page};
    remove->trigger();
    QVERIFY(preview());
    QCOMPARE(preview()->confirmButton()->text(), QStringLiteral("&Remove"));
    confirm();
    QCOMPARE(readAll(m_page), kPage);
}

void TestCustomisePage::plainAndCustomisedShareOneInsertion() {
    CustomiseWindow* window = open();
    type(QStringLiteral("goText"), QStringLiteral("Take me there"));
    PageInsertionCommands* commands = m_program->app->pageInsertion();
    const EntryRef plain = EntryRef::catalogue(kEntry);

    // Plain first, then customised on Ctrl+Shift+I: the customised code replaces it.
    m_chooser.openAnswers = {m_page};
    commands->putIntoPage(plain, nullptr);
    confirm();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->codeBoxes().first()->setFocus();
    m_chooser.openAnswers = {m_page};
    QTest::keyClick(window->codeBoxes().first(), Qt::Key_I,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(preview());
    QVERIFY(preview()->diffView()->toPlainText().contains(
        QLatin1String("-  const goText = 'Go now';")));
    confirm();
    QByteArray page = readAll(m_page);
    QCOMPARE(page.count(kMarker.toUtf8()), 1);
    QVERIFY(page.contains("const goText = 'Take me there';"));
    QVERIFY(!page.contains("'Go now'"));

    // The plain entry put in again replaces the customised one, and its removal finds it.
    m_chooser.openAnswers = {m_page};
    commands->putIntoPage(plain, nullptr);
    confirm();
    page = readAll(m_page);
    QCOMPARE(page.count(kMarker.toUtf8()), 1);
    QVERIFY(page.contains("'Go now'"));
    m_chooser.openAnswers = {m_page};
    window->putIntoPage();
    confirm();
    m_chooser.openAnswers = {m_page};
    commands->removeFromPage(plain, nullptr);
    confirm();
    QCOMPARE(readAll(m_page), kPage);
}

void TestCustomisePage::valuesThatWouldEndTheScriptStayInsideIt() {
    open();
    // A value that closes the script element, opens another and fakes the end marker.
    const QString hostile = QStringLiteral("</script><script>document.title='broken out'</script>"
                                           "<!-- /Tagloom: Redirect with Link --></body>");
    type(QStringLiteral("message"), hostile);
    m_chooser.openAnswers = {m_page};
    m_window->putIntoPage();
    confirm();
    const QByteArray page = readAll(m_page);
    // Only the entry's own script elements end in the page; the value is one JavaScript
    // string that gives back exactly what was typed.
    QByteArray plainPage;
    {
        const PageChange plain = PageInsertion::insert(
            kPage, PageSnippet::fromEntry(*m_program->app->context().catalogue->entry(kEntry)));
        QVERIFY(plain.ok);
        plainPage = plain.after;
    }
    QCOMPARE(page.count("</script>"), plainPage.count("</script>"));
    QCOMPARE(page.count("</body>"), 1);
    QCOMPARE(page.count(kMarker.toUtf8()), 1);
    const int at = page.indexOf("const message = ");
    QVERIFY(at > 0);
    const QByteArray line = page.mid(at, page.indexOf('\n', at) - at);
    QString value;
    QVERIFY(EntrySettings::readStringLiteral(QString::fromUtf8(line.mid(16, line.size() - 17)),
                                             &value));
    QCOMPARE(value, hostile);

    // Removal, plain or customised, still finds the one real end marker.
    m_chooser.openAnswers = {m_page};
    m_program->app->pageInsertion()->removeFromPage(EntryRef::catalogue(kEntry), nullptr);
    confirm();
    QCOMPARE(readAll(m_page), kPage);
}

void TestCustomisePage::textThePageCannotHoldKeepsItsMeaning() {
    // A Windows-1252 page: an HTML entity inside a script would be shown as "&#26085;", so
    // text the page cannot hold is written as a JavaScript escape there.
    const QByteArray western = "<html>\r\n<head>\r\n<meta charset=\"windows-1252\">\r\n"
                               "</head>\r\n<body>\r\n<p>Caf\xE9</p>\r\n</body>\r\n</html>\r\n";
    writeAll(m_page, western);
    open();
    const QString text = QStringLiteral(u"Caf\u00e9 \u65e5\u672c \u2713 \U0001F600");
    type(QStringLiteral("message"), text);
    m_chooser.openAnswers = {m_page};
    m_window->putIntoPage();
    confirm();
    const QByteArray page = readAll(m_page);
    QVERIFY2(!page.contains("&#"), page.constData());
    const int at = page.indexOf("const message = ");
    QVERIFY(at > 0);
    const QByteArray line = page.mid(at, page.indexOf('\r', at) - at);
    QVERIFY2(line.contains("Caf\xE9 \\u65e5\\u672c \\u2713 \\ud83d\\ude00"), line.constData());
    QString value;
    QVERIFY(EntrySettings::readStringLiteral(QString::fromLatin1(line.mid(16, line.size() - 17)),
                                             &value));
    QCOMPARE(value, text);

    m_chooser.openAnswers = {m_page};
    m_window->removeFromPage();
    confirm();
    QCOMPARE(readAll(m_page), western);
}

QTEST_MAIN(TestCustomisePage)
#include "tst_customisepage.moc"
