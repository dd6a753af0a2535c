// SPDX-License-Identifier: GPL-3.0-or-later
// Types into the calculators, converters and logins of the generated sample pages with real key
// presses, the one thing a page's own probe cannot do: a length limit or a key handler that
// drops what the visitor types only shows up when the browser itself handles the keys.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <functional>

namespace {

QString siteDir() {
    return QStringLiteral(TAGLOOM_TEST_SITE_DIR);
}

// Runs the event loop until `ready` holds or `timeoutMs` pass, never sleeping: the engine runs its
// own tasks on this thread.
bool waitUntil(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer tick; // wakes the loop to look again even when nothing else happens
    tick.start(20);
    while (!ready()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Counts the key releases the page has seen, so a test knows its keys have all arrived before it
// looks, instead of guessing with a pause. It only listens; it never stops a key.
const char kKeyCounter[] =
    "(function () { if (!window.__typedKeys) { window.__typedKeys = 0;"
    " window.addEventListener('keyup', function () { ++window.__typedKeys; },"
    " true); } return window.__typedKeys; })()";

// One sample page in a visible view, with helpers to run script and to type.
class TypedPage {
public:
    explicit TypedPage(const QString& samplePage) {
        m_view.setPage(m_page);
        m_view.resize(1000, 700);
        m_view.show();
        QObject::connect(m_page, &QWebEnginePage::loadFinished, m_page,
                         [this](bool ok) { m_loaded = ok ? 1 : -1; });
        m_page->load(
            QUrl::fromLocalFile(siteDir() + QStringLiteral("/tagloom/samples/") + samplePage));
        waitUntil([this] { return m_loaded != 0; }, 20000);
        m_view.activateWindow();
        m_view.setFocus();
    }

    bool loaded() const { return m_loaded == 1; }

    QVariant js(const QString& code) {
        QVariant result;
        bool done = false;
        m_page->runJavaScript(code, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        waitUntil([&] { return done; }, 5000);
        return result;
    }

    QString text(const QString& code) { return js(code).toString(); }

    // Empties a field and puts the keyboard focus in it, as a click into it would.
    void focusEmpty(const QString& selector) {
        js(QStringLiteral("(function () { var e = document.querySelector('%1'); e.value = ''; "
                          "e.focus(); })()")
               .arg(selector));
    }

    void type(const QString& keys) {
        const int before = js(QString::fromLatin1(kKeyCounter)).toInt();
        QTest::keyClicks(m_view.focusProxy(), keys);
        keysArrived(before + int(keys.size()));
    }

    void press(Qt::Key key) {
        const int before = js(QString::fromLatin1(kKeyCounter)).toInt();
        QTest::keyClick(m_view.focusProxy(), key);
        keysArrived(before + 1);
    }

private:
    // The page's handlers for a key have run once its release has come in.
    void keysArrived(int count) {
        const bool arrived =
            waitUntil([&] { return js(QString::fromLatin1(kKeyCounter)).toInt() >= count; }, 5000);
        if (!arrived)
            qWarning("the page never saw all the keys typed");
    }

    QWebEngineView m_view;
    QWebEnginePage* m_page = new QWebEnginePage(&m_view);
    int m_loaded = 0;
};

} // namespace

class TestTypedInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void permissionsKeepEveryTypedDigit();
    void converterNeverShowsAnOldNumberBesideABadOne();
    void passwordBoxesAnswerEveryEnter();
    void limitsAreSaidNotSilentlyApplied();
    void typedSpeedFreesTheConnectionList();
};

void TestTypedInput::initTestCase() {
    QVERIFY2(QFileInfo(siteDir() + QStringLiteral("/tagloom/samples")).isDir(),
             "build the site first (target tagloom_site)");
}

void TestTypedInput::permissionsKeepEveryTypedDigit() {
    TypedPage page(QStringLiteral("MathRelated/sub2.htm"));
    QVERIFY(page.loaded());
    const QString cmd = QStringLiteral("document.getElementById('chm-cmd').textContent");
    const QString sym = QStringLiteral("document.getElementById('chm-sym').textContent");

    page.focusEmpty(QStringLiteral("#chm-num"));
    page.type(QStringLiteral("0755"));
    QCOMPARE(page.text(cmd), QStringLiteral("chmod 0755 file"));
    QCOMPARE(page.text(sym), QStringLiteral("rwxr-xr-x"));

    page.focusEmpty(QStringLiteral("#chm-num"));
    page.type(QStringLiteral("1777"));
    QCOMPARE(page.text(cmd), QStringLiteral("chmod 1777 file"));
    QCOMPARE(page.text(sym), QStringLiteral("rwxrwxrwt"));

    // one digit too many is kept and refused, never cut down to a valid but different mode
    page.focusEmpty(QStringLiteral("#chm-num"));
    page.type(QStringLiteral("07555"));
    QCOMPARE(page.text(QStringLiteral("document.getElementById('chm-num').value")),
             QStringLiteral("07555"));
    QCOMPARE(page.text(cmd), QString());
    QVERIFY(!page.text(QStringLiteral("document.getElementById('chm-msg').textContent")).isEmpty());
}

void TestTypedInput::converterNeverShowsAnOldNumberBesideABadOne() {
    TypedPage page(QStringLiteral("MathRelated/sub5.htm"));
    QVERIFY(page.loaded());
    const QString others = QStringLiteral("['nc-8', 'nc-10', 'nc-16'].map(function (id) { return "
                                          "document.getElementById(id).value; }).join('|')");
    page.focusEmpty(QStringLiteral("#nc-16"));
    page.type(QStringLiteral("-ff"));
    QCOMPARE(page.text(QStringLiteral("document.getElementById('nc-10').value")),
             QStringLiteral("-255"));
    page.focusEmpty(QStringLiteral("#nc-2"));
    page.type(QStringLiteral("102"));
    QCOMPARE(page.text(others), QStringLiteral("||"));
    QVERIFY(!page.text(QStringLiteral("document.getElementById('nc-msg').textContent")).isEmpty());
    // mending the digit brings the other boxes back
    page.press(Qt::Key_Backspace);
    QCOMPARE(page.text(others), QStringLiteral("2|2|2"));
}

void TestTypedInput::passwordBoxesAnswerEveryEnter() {
    {
        TypedPage page(QStringLiteral("Security/sub3/sub3.htm"));
        QVERIFY(page.loaded());
        page.focusEmpty(QStringLiteral("[name=gk-pass]"));
        page.press(Qt::Key_Return);
        QTRY_COMPARE(page.text(QStringLiteral("document.getElementById('gk-msg').textContent")),
                     QStringLiteral("Please type the password."));
        // capitals count: the page stays, with the polite refusal
        page.type(QStringLiteral("LetMeIn"));
        page.press(Qt::Key_Return);
        QTRY_COMPARE(page.text(QStringLiteral("document.getElementById('gk-msg').textContent")),
                     QStringLiteral("That is not the password."));
        QVERIFY(page.text(QStringLiteral("location.pathname")).endsWith(QLatin1String("sub3.htm")));
    }
    {
        TypedPage page(QStringLiteral("Security/sub7/sub7.htm"));
        QVERIFY(page.loaded());
        page.js(QStringLiteral("document.activeElement && document.activeElement.blur()"));
        page.press(Qt::Key_Return);
        QTRY_COMPARE(page.text(QStringLiteral("document.getElementById('kpd-msg').textContent")),
                     QStringLiteral("Enter the code first."));
        page.type(QStringLiteral("123456789"));
        QCOMPARE(
            page.text(QStringLiteral("document.getElementById('kpd-code').textContent")).size(), 8);
        QVERIFY(page.text(QStringLiteral("document.getElementById('kpd-msg').textContent"))
                    .contains(QLatin1String("at most 8")));
    }
}

void TestTypedInput::limitsAreSaidNotSilentlyApplied() {
    TypedPage page(QStringLiteral("Security/sub10.htm"));
    QVERIFY(page.loaded());
    page.focusEmpty(QStringLiteral("#pwg-len"));
    page.type(QStringLiteral("200"));
    page.js(QStringLiteral("document.getElementById('pwg-make').click()"));
    QCOMPARE(page.js(QStringLiteral("document.getElementById('pwg-out').value.length")).toInt(),
             128);
    QCOMPARE(page.text(QStringLiteral("document.getElementById('pwg-len').value")),
             QStringLiteral("128"));
    QVERIFY(page.text(QStringLiteral("document.getElementById('pwg-strength').textContent"))
                .contains(QLatin1String("Length set to 128")));
}

void TestTypedInput::typedSpeedFreesTheConnectionList() {
    TypedPage page(QStringLiteral("MathRelated/sub8.htm"));
    QVERIFY(page.loaded());
    const QString pick = QStringLiteral(
        "(function () { var p = document.getElementById('dt-preset'); if (p.value !== '128') { "
        "p.value = '128'; p.dispatchEvent(new Event('change')); } })()");
    page.js(pick);
    QCOMPARE(page.text(QStringLiteral("document.getElementById('dt-out').textContent")),
             QStringLiteral("12 hours 9 minutes 10 seconds"));
    page.js(QStringLiteral("document.querySelector('[name=dt-speed]').focus()"));
    page.press(Qt::Key_End);
    page.type(QStringLiteral("0"));
    QCOMPARE(page.text(QStringLiteral("document.getElementById('dt-preset').value")), QString());
    page.js(pick);
    QCOMPARE(page.text(QStringLiteral("document.querySelector('[name=dt-speed]').value")),
             QStringLiteral("128"));
}

QTEST_MAIN(TestTypedInput)
#include "tst_typedinput.moc"
