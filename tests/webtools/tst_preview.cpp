// SPDX-License-Identifier: GPL-3.0-or-later
// The Customise window and the My Scripts preview with the real web plugin: a changed setting
// shows its effect in the page, and pages built to break out of the sandbox stay inside it.
#include "catalogue/scriptviewerwindow.h"
#include "myscripts/frmcustom.h"
#include "myscripts/slotstore.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "webtools/customisewindow.h"
#include "webtools/previewpane.h"
#include "webtools/previewtools.h"

#include "kit/entryactions.h"
#include "kit/entryview.h"
#include "kit/windowregistry.h"
#include "model/catalogue.h"
#include "support/testprogram.h"
#include "widgets/codebox.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int kLoadMs = 30000;

bool engineLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

// Runs the event loop until `ready` holds or `timeoutMs` pass. Unlike QTest::qWaitFor it never
// sleeps between checks: the engine runs its own tasks on this thread, and a sleep holds up every
// one of them (a page's dialogs and script answers most of all).
bool waitUntil(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer tick; // wakes the loop to look again even when nothing else happens
    tick.start(20);
    while (!ready()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// QTRY_VERIFY without its sleeps.
#define WAIT_VERIFY(expr, timeoutMs)                                                               \
    QVERIFY2(waitUntil([&] { return bool(expr); }, timeoutMs), #expr)

// The value of script in the previewed page, or an invalid value when it never answers.
QVariant evaluate(PreviewPane* pane, const QString& script) {
    // Shared: a late answer must not write into a finished call.
    auto answer = std::make_shared<std::pair<bool, QVariant>>();
    pane->view()->runScript(script, [answer](const QVariant& value) { *answer = {true, value}; });
    if (!waitUntil([&] { return answer->first; }, 10000))
        return {};
    return answer->second;
}

// Waits until script is true in the page (scripts set timers; the page may change later).
bool becomesTrue(PreviewPane* pane, const QString& script, int timeoutMs = 8000) {
    return waitUntil([&] { return evaluate(pane, script).toBool(); }, timeoutMs);
}

QStringList listed(PreviewPane* pane) {
    QStringList rows;
    for (int i = 0; i < pane->messages()->count(); ++i)
        rows.append(pane->messages()->item(i)->text());
    return rows;
}

bool listedContains(PreviewPane* pane, const QString& text) {
    return listed(pane).join(QLatin1Char('\n')).contains(text);
}

// Some element of the page shows the colour, as text, background or border.
QString showsColour(const QString& rgb) {
    return QStringLiteral(
               "[...document.querySelectorAll('*')].some(function (e) {"
               " var s = getComputedStyle(e);"
               " return [s.color, s.backgroundColor, s.borderTopColor, s.fill].indexOf('%1')"
               " >= 0; })")
        .arg(rgb);
}

QString showsText(const QString& text) {
    return QStringLiteral("(document.body.innerText + document.title).indexOf(%1) >= 0")
        .arg(EntrySettings::stringLiteral(text));
}

struct Program : TestProgram {
    PreviewTools* previews() const { return static_cast<PreviewTools*>(&*app->context().preview); }
    CustomiseWindow* customise(const QString& window) {
        const ScriptEntry* entry = app->context().catalogue->entry(window);
        if (!entry)
            return nullptr;
        previews()->customise(*entry, nullptr);
        return qobject_cast<CustomiseWindow*>(
            previews()->windowFor(QStringLiteral("customise:") + window));
    }
    PreviewPane* previewScript(const QString& head, const QString& body) {
        previews()->previewScript(QStringLiteral("Mine"), head, body, nullptr);
        QWidget* window = previews()->windowFor(QStringLiteral("script:Mine"));
        return window ? window->findChild<PreviewPane*>() : nullptr;
    }
};

bool waitForLoad(PreviewPane* pane) {
    QSignalSpy loaded(pane, &PreviewPane::pageLoaded);
    return loaded.wait(kLoadMs);
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT
public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void customiseFromTheViewer_loadsTheEngineOnlyThen();
    void changedSetting_showsInThePreview_data();
    void changedSetting_showsInThePreview();
    void awkwardText_isWrittenBackAndRuns();
    void resetPutsBackTheDefaults();
    void sandbox_blocksTheNetworkAndOtherFiles();
    void sandbox_dialogsNeverBlock();
    void sandbox_windowsAndNavigationAreListedNotFollowed();
    void sandbox_runawayScriptIsStoppedAndCanBeTriedAgain();
    void errors_areListedAtTheLineOfTheUsersCode();
    void myScriptsViewer_previewsTheSavedScript();
};

void TestPreview::customiseFromTheViewer_loadsTheEngineOnlyThen() {
    Program program;
    auto* viewer =
        qobject_cast<ScriptViewerWindow*>(program.windows()->show(QStringLiteral("frmRedirect2")));
    QVERIFY(viewer);
    QVERIFY(!engineLoaded());
    // Ctrl+E in the viewer opens the Customise window, and only that brings the engine in.
    QAction* customise = viewer->findChild<QAction*>(QStringLiteral("actCustomise"));
    QVERIFY(customise);
    QCOMPARE(customise->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    customise->trigger();
    auto* window = qobject_cast<CustomiseWindow*>(
        program.previews()->windowFor(QStringLiteral("customise:frmRedirect2")));
    QVERIFY(window);
    QVERIFY(engineLoaded());
    QVERIFY(window->preview()->view());
    QVERIFY(waitForLoad(window->preview()));
    // The code boxes show the code; a second Ctrl+E brings the same window forward.
    QVERIFY(
        window->codeBoxes().first()->toPlainText().contains(QLatin1String("const seconds = 8;")));
    customise->trigger();
    QCOMPARE(program.previews()->windowFor(QStringLiteral("customise:frmRedirect2")), window);
    // The code box's menu offers it too.
    std::unique_ptr<QMenu> menu(viewer->commands()->contextMenu(viewer->codeBoxes().first()));
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("actCustomise")));
    // The program hands the window its page commands.
    QVERIFY(window->findChild<QPushButton*>(QStringLiteral("cmdPutIntoPage")));
    window->close();
}

void TestPreview::changedSetting_showsInThePreview_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("check");
    QTest::newRow("counter digits") << "frmMath1"
                                    << "digits" << QVariant(9.0)
                                    << "document.getElementById('fc-counter').textContent.trim()"
                                       ".length === 9";
    QTest::newRow("bar colour") << "frmRedirect2"
                                << "barColour" << QVariant(QStringLiteral("#123456"))
                                << showsColour(QStringLiteral("rgb(18, 52, 86)"));
    QTest::newRow("message") << "frmRedirect2"
                             << "message" << QVariant(QStringLiteral("Checking the preview now"))
                             << showsText(QStringLiteral("Checking the preview now"));
    QTest::newRow("card heading") << "frmRedirect5"
                                  << "heading" << QVariant(QStringLiteral("Farewell from the test"))
                                  << showsText(QStringLiteral("Farewell from the test"));
    QTest::newRow("page colour") << "frmRedirect5"
                                 << "pageColour" << QVariant(QStringLiteral("#123456"))
                                 << showsColour(QStringLiteral("rgb(18, 52, 86)"));
    QTest::newRow("clock text colour") << "frmClock1"
                                       << "textColour" << QVariant(QStringLiteral("#123456"))
                                       << showsColour(QStringLiteral("rgb(18, 52, 86)"));
    QTest::newRow("status bar colour") << "frmStatus1"
                                       << "barColour" << QVariant(QStringLiteral("#123456"))
                                       << showsColour(QStringLiteral("rgb(18, 52, 86)"));
    QTest::newRow("cover colour") << "frmSecurity4"
                                  << "coverColour" << QVariant(QStringLiteral("#123456"))
                                  << showsColour(QStringLiteral("rgb(18, 52, 86)"));
    QTest::newRow("style sheet colour") << "frmBrowser12"
                                        << "--csb-thumb" << QVariant(QStringLiteral("#123456"))
                                        << "getComputedStyle(document.documentElement)"
                                           ".getPropertyValue('--csb-thumb').trim() === '#123456'";
    QTest::newRow("menu width") << "frmBrowser5"
                                << "--clf-width" << QVariant(250.0)
                                << "getComputedStyle(document.documentElement)"
                                   ".getPropertyValue('--clf-width').trim() === '250px'";
    QTest::newRow("prank punch line")
        << "frmOther4"
        << "punchLine" << QVariant(QStringLiteral("Tested punch line"))
        << "(function () { var b = document.querySelector('button');"
           " if (b) b.click(); return true; })() && "
           "document.documentElement.innerHTML.indexOf('Tested "
           "punch line') >= 0";
}

void TestPreview::changedSetting_showsInThePreview() {
    QFETCH(QString, window);
    QFETCH(QString, setting);
    QFETCH(QVariant, value);
    QFETCH(QString, check);
    Program program;
    CustomiseWindow* customise = program.customise(window);
    QVERIFY(customise);
    PreviewPane* pane = customise->preview();
    QVERIFY(waitForLoad(pane));
    const int index = customise->settingIndex(setting);
    QVERIFY2(index >= 0, qPrintable(setting));
    QVERIFY2(!becomesTrue(pane, check, 300), "the check holds before the change");

    // Change it in the form as a user would; the preview follows by itself.
    QWidget* field = customise->field(index);
    QSignalSpy loaded(pane, &PreviewPane::pageLoaded);
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(field)) {
        spin->setValue(value.toDouble());
    } else if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->selectAll();
        QTest::keyClicks(line, value.toString());
    } else {
        QVERIFY(customise->entry().settings().at(index).type == EntrySettings::Type::Colour);
        // The colour button opens a picker; choose in it.
        QTest::mouseClick(qobject_cast<QPushButton*>(field), Qt::LeftButton);
        auto* picker = customise->findChild<QColorDialog*>(QStringLiteral("colourPicker"));
        QVERIFY(picker);
        picker->setCurrentColor(QColor(value.toString()));
        picker->accept();
    }
    QVERIFY(loaded.wait(kLoadMs));
    QVERIFY2(becomesTrue(pane, check), qPrintable(listed(pane).join(QLatin1Char('\n'))));
    const QString code = customise->allBlocks();
    QVERIFY(code.contains(value.typeId() == QMetaType::QString
                              ? value.toString()
                              : QString::number(value.toDouble())));
    customise->close();
}

void TestPreview::awkwardText_isWrittenBackAndRuns() {
    Program program;
    CustomiseWindow* customise = program.customise(QStringLiteral("frmRedirect2"));
    QVERIFY(customise);
    PreviewPane* pane = customise->preview();
    QVERIFY(waitForLoad(pane));
    const QString awkward =
        QStringLiteral(u"</script><b>\"quoted\" it's a \\ back</b> ✓ 日本語 <!--");
    auto* line = qobject_cast<QLineEdit*>(
        customise->field(customise->settingIndex(QStringLiteral("message"))));
    QVERIFY(line);
    QSignalSpy loaded(pane, &PreviewPane::pageLoaded);
    // Typed through the input method, as non-Latin text is.
    line->setFocus();
    line->selectAll();
    QInputMethodEvent typed;
    typed.setCommitString(awkward);
    QCoreApplication::sendEvent(line, &typed);
    QCOMPARE(line->text(), awkward);
    QVERIFY(loaded.wait(kLoadMs));
    QVERIFY2(becomesTrue(pane, showsText(awkward)),
             qPrintable(listed(pane).join(QLatin1Char('\n'))));
    QVERIFY(!listedContains(pane, QStringLiteral("Error")));
    customise->close();
}

void TestPreview::resetPutsBackTheDefaults() {
    Program program;
    CustomiseWindow* customise = program.customise(QStringLiteral("frmOther7"));
    QVERIFY(customise);
    const QString original = customise->allBlocks();
    auto* check = qobject_cast<QCheckBox*>(
        customise->field(customise->settingIndex(QStringLiteral("showStamp"))));
    QVERIFY(check);
    QVERIFY(check->isChecked());
    check->click();
    QVERIFY(customise->allBlocks().contains(QLatin1String("const showStamp = false;")));
    QVERIFY(customise->codeBoxes().first()->toPlainText().contains(
        QLatin1String("const showStamp = false;")));
    QTest::mouseClick(customise->findChild<QPushButton*>(QStringLiteral("cmdReset")),
                      Qt::LeftButton);
    QVERIFY(check->isChecked());
    QCOMPARE(customise->allBlocks(), original);
    customise->close();
}

void TestPreview::sandbox_blocksTheNetworkAndOtherFiles() {
    Program program;
    QFile outside(QDir::temp().filePath(QStringLiteral("tagloom-preview-secret.txt")));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write("secret");
    outside.close();
    const QString secret = QUrl::fromLocalFile(outside.fileName()).toString();
    PreviewPane* pane = program.previewScript(
        QString(),
        QStringLiteral(
            "<img src=\"http://example.org/picture.png\">\n"
            "<script>\n"
            "window.results = [];\n"
            "try { new WebSocket('ws://example.org/s'); results.push('ws opened'); }"
            " catch (e) { results.push('ws refused'); }\n"
            "fetch('https://example.org/data').then(function () { results.push('net read'); },"
            " function () { results.push('net refused'); });\n"
            "fetch('%1').then(function (r) { return r.text(); }).then(function (t) {"
            " results.push('file read ' + t); }, function () { results.push('file refused'); });\n"
            "var x = new XMLHttpRequest(); x.open('GET', 'file:///etc/hostname');\n"
            "x.onload = function () { results.push('xhr read'); };"
            " x.onerror = function () { results.push('xhr refused'); }; x.send();\n"
            "</script>\n<iframe src=\"file:///etc/\"></iframe>")
            .arg(secret));
    QVERIFY(pane && pane->view());
    QVERIFY(becomesTrue(pane, QStringLiteral("window.results && results.length === 4")));
    const QStringList results = evaluate(pane, QStringLiteral("results")).toStringList();
    QVERIFY2(results.contains(QStringLiteral("net refused")), qPrintable(results.join(',')));
    QVERIFY2(results.contains(QStringLiteral("file refused")), qPrintable(results.join(',')));
    QVERIFY2(results.contains(QStringLiteral("xhr refused")), qPrintable(results.join(',')));
    QVERIFY2(results.contains(QStringLiteral("ws refused")), qPrintable(results.join(',')));
    WAIT_VERIFY(listedContains(pane, QStringLiteral("Blocked: ws://example.org/s")), 5000);
    WAIT_VERIFY(listedContains(pane, QStringLiteral("Blocked: http://example.org/picture.png")),
                5000);
    WAIT_VERIFY(listedContains(pane, QStringLiteral("Blocked: https://example.org/data")), 5000);
    WAIT_VERIFY(listedContains(pane, QStringLiteral("Blocked: %1").arg(secret)), 5000);
    WAIT_VERIFY(listedContains(pane, QStringLiteral("file:///etc/")), 5000);
    // The bundled site's own files still load.
    pane = program.previewScript(QString(),
                                 QStringLiteral("<img id=\"p\" src=\"../icons/bullets1.png\">"));
    QVERIFY(becomesTrue(pane, QStringLiteral("document.getElementById('p').complete && "
                                             "document.getElementById('p').naturalWidth > 0")));
    QVERIFY(!listedContains(pane, QStringLiteral("Blocked")));
    outside.remove();
}

void TestPreview::sandbox_dialogsNeverBlock() {
    Program program;
    PreviewPane* pane = program.previewScript(
        QString(),
        QStringLiteral("<script>\n"
                       "for (var i = 1; i <= 40; i++) alert('round ' + i);\n"
                       "document.title = confirm('Sure?') + ':' + prompt('Name?', 'Ann');\n"
                       "</script>"));
    QVERIFY(pane && pane->view());
    QVERIFY(becomesTrue(pane, QStringLiteral("document.title === 'true:Ann'")));
    QVERIFY(pane->dialogStrip()->isVisibleTo(pane));
    QVERIFY2(pane->dialogStrip()->text().contains(QLatin1String("Name?")),
             qPrintable(pane->dialogStrip()->text()));
    QVERIFY(pane->dialogStrip()->text().contains(QLatin1String("42 dialogs")));
}

void TestPreview::sandbox_windowsAndNavigationAreListedNotFollowed() {
    Program program;
    PreviewPane* pane = program.previewScript(
        QString(),
        QStringLiteral("<p id=\"here\">still here</p><script>\n"
                       "window.opened = window.open('https://example.org/popup');\n"
                       "setTimeout(function () { location = 'https://example.org/away'; }, 100);\n"
                       "</script>"));
    QVERIFY(pane && pane->view());
    WAIT_VERIFY(listedContains(pane, QStringLiteral("Not followed: the page tried to go to "
                                                    "https://example.org/away")),
                kLoadMs);
    WAIT_VERIFY(
        listedContains(pane, QStringLiteral("Window not opened: https://example.org/popup")), 5000);
    QVERIFY(becomesTrue(pane, QStringLiteral("document.getElementById('here') !== null")));
    QCOMPARE(program.previews()
                 ->windowFor(QStringLiteral("script:Mine"))
                 ->findChildren<PreviewPane*>()
                 .size(),
             1);
}

void TestPreview::sandbox_runawayScriptIsStoppedAndCanBeTriedAgain() {
    Program program;
    PreviewPane* pane = program.previewScript(
        QString(),
        QStringLiteral("<p>spinning</p><script>setTimeout(function () { while (true) {} }, 300);"
                       "</script>"));
    QVERIFY(pane && pane->view());
    QVERIFY(waitForLoad(pane));
    QElapsedTimer clock;
    clock.start();
    WAIT_VERIFY(pane->isStopped(), 8000);
    QVERIFY2(clock.elapsed() < 5300, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(pane->stopNotice()->text().contains(QLatin1String("did not finish")));
    QVERIFY(pane->tryAgainButton()->isVisibleTo(pane));
    // The program still answers, and Try Again shows the page once more.
    QSignalSpy loaded(pane, &PreviewPane::pageLoaded);
    QTest::mouseClick(pane->tryAgainButton(), Qt::LeftButton);
    QVERIFY(!pane->isStopped());
    QVERIFY(loaded.wait(kLoadMs));
    QVERIFY(becomesTrue(pane, QStringLiteral("document.body.innerText.indexOf('spinning') >= 0"),
                        2000));
    WAIT_VERIFY(pane->isStopped(), 8000);
}

void TestPreview::errors_areListedAtTheLineOfTheUsersCode() {
    Program program;
    PreviewPane* pane = program.previewScript(
        QStringLiteral("<script>\nvar fine = 1;\n</script>"),
        QStringLiteral("<p>text</p>\n<script>\nvar a = 1;\nnoSuchFunction();\n</script>\n"
                       "<script>console.error('told you');</script>"));
    QVERIFY(pane && pane->view());
    WAIT_VERIFY(listedContains(pane, QStringLiteral("Error at body code, line 4: Uncaught "
                                                    "ReferenceError: noSuchFunction")),
                kLoadMs);
    WAIT_VERIFY(listedContains(pane, QStringLiteral("Error at body code, line 6: told you")), 5000);
}

void TestPreview::myScriptsViewer_previewsTheSavedScript() {
    Program program;
    SlotStore store(program.store);
    MyScriptSlot values;
    values.number = 4;
    values.name = QStringLiteral("Greeter");
    values.head = QStringLiteral("<style>p { color: #123456; }</style>");
    values.body = QStringLiteral("<p id=\"g\">Hello from my script</p>");
    QVERIFY(store.writeSlot(values).ok);
    program.main()->CmbCategories()->setCurrentIndex(16);
    QList<QListWidgetItem*> rows =
        program.main()->List1()->findItems(QStringLiteral("Greeter"), Qt::MatchExactly);
    QVERIFY(!rows.isEmpty());
    program.main()->List1()->setCurrentItem(rows.first());
    auto* viewer = qobject_cast<frmCustom*>(program.windows()->show(QStringLiteral("frmCustom")));
    QVERIFY(viewer);
    QCOMPARE(viewer->entrySlot(), 4);
    QAction* preview = viewer->findChild<QAction*>(QStringLiteral("actPreview"));
    QVERIFY(preview);
    QCOMPARE(preview->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    preview->trigger();
    QWidget* window = program.previews()->windowFor(QStringLiteral("script:Greeter"));
    QVERIFY(window);
    auto* pane = window->findChild<PreviewPane*>();
    QVERIFY(becomesTrue(pane, showsText(QStringLiteral("Hello from my script"))));
    QVERIFY(becomesTrue(pane, showsColour(QStringLiteral("rgb(18, 52, 86)"))));
    window->close();
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
