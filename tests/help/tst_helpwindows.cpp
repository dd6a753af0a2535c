// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages, the release notes and the About box, driven through the whole program.
// TAGLOOM_SNAPSHOT_DIR=<folder> also saves a picture of each window there.
#include "platform/appfolder.h"
#include "platform/systemregistry.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "help/frmabout.h"
#include "help/helppages.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "kit/applifecycle.h"
#include "kit/windowregistry.h"
#include "support/guitest.h"
#include "support/testprogram.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// A registry with nothing in it.
class EmptyRegistry final : public SystemRegistry {
public:
    long openKey(Root, const QString&, quint32, Handle* key) override {
        *key = 0;
        return FileNotFound;
    }
    long queryValue(Handle, const QString&, quint32*, char*, quint32*) override {
        return InvalidHandle;
    }
    long closeKey(Handle) override { return InvalidHandle; }
};

// The registry must outlive the program that reads it.
struct RegistryHolder {
    EmptyRegistry registry;
};

struct Harness : RegistryHolder, TestProgram {
    Harness()
        : TestProgram(Start::Now, &registry) {}

    // Through frmMain's menus, as the user would.
    void menu(const char* name) const {
        QAction* action = menuAction(name);
        QVERIFY2(action, name);
        action->trigger();
    }
    QWidget* open(const char* name) const { return windows()->find(QString::fromLatin1(name)); }
    QMdiSubWindow* activeChild() const {
        return app->frame()->findChild<QMdiArea*>()->activeSubWindow();
    }
    bool visible(const char* name) const {
        QWidget* window = open(name);
        return window && window->isVisible();
    }
};

void clickLabel(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    QVERIFY2(label, name);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
}

struct Page {
    const char* menu;
    const char* window;
    const char* back;
};
const Page kPages[] = {
    {"mnuBeginners", "frmBegin", "Label2"}, {"mnuOverview", "frmProg", "Label4"},
    {"mnuGeneral", "frmHelp", "Label3"},    {"mnuNew", "frmAboutMe", "Label5"},
    {"mnuAbout", "frmAbout", "Label2"},
};

} // namespace

class TestHelpWindows : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase() { UiFonts::install(); }

    void menusOpenTheirPagesAtTheCorner();
    void backHidesOnlyItsOwnPage();
    void hiddenPagesKeepTheirState();
    void beginnersTextIsReadOnlyAndSelectable();
    void aboutBoxKeysAndButtons();
    void aboutBoxLinksAndSystemInfo();
    void captionsFitTheirControls();
    void controlsSitWhereDesigned();
};

void TestHelpWindows::menusOpenTheirPagesAtTheCorner() {
    Harness h;
    for (const Page& page : kPages) {
        h.menu(page.menu);
        QWidget* window = h.open(page.window);
        QVERIFY2(window, page.window);
        QCOMPARE(window->objectName(), QString::fromLatin1(page.window));
        QVERIFY(window->isVisible());
        QCOMPARE(h.activeChild(), WindowRegistry::subWindowOf(window));
        QCOMPARE(WindowRegistry::subWindowOf(window)->pos(), QPoint(0, 0));
        QCOMPARE(window->size(), Twips::size(5415, 5955));
        // frmMain stays open underneath.
        QVERIFY(h.main()->isVisible());
    }
}

void TestHelpWindows::backHidesOnlyItsOwnPage() {
    for (const Page& page : kPages) {
        Harness h;
        h.menu("mnuGeneral");
        h.menu(page.menu);
        QWidget* window = h.open(page.window);
        const QPointer<QWidget> alive(window);
        clickLabel(window, page.back);
        QVERIFY2(alive, page.window); // hidden, not destroyed
        QVERIFY(!window->isVisible());
        QCOMPARE(h.activeChild(), WindowRegistry::subWindowOf(h.main()));
        if (qstrcmp(page.window, "frmHelp") != 0)
            QVERIFY2(h.visible("frmHelp"), page.window); // the other page stays behind
        // Opening again shows the same window.
        h.menu(page.menu);
        QCOMPARE(h.open(page.window), window);
        QVERIFY(window->isVisible());
    }
}

void TestHelpWindows::hiddenPagesKeepTheirState() {
    Harness h;
    h.menu("mnuGeneral");
    auto* help = qobject_cast<frmHelp*>(h.open("frmHelp"));
    QVERIFY(help);
    const QString base = AppFolder::sampleBaseUrl();
    QCOMPARE(help->Text1(1)->text(), base + QStringLiteral("/orv/tagloomfaq.htm"));
    QCOMPARE(help->Text1(0)->text(), base + QStringLiteral("/orv/tagloom.htm"));
    QVERIFY(!help->Text1(0)->isReadOnly());
    help->Text1(0)->selectAll();
    QTest::keyClicks(help->Text1(0), QStringLiteral("edited"));
    clickLabel(help, "Label3");
    h.menu("mnuGeneral");
    QCOMPARE(h.open("frmHelp"), help);
    QCOMPARE(help->Text1(0)->text(), QStringLiteral("edited"));
    // Tab goes from the FAQ box to the product box.
    QCOMPARE(help->Text1(1)->nextInFocusChain(), help->Text1(0));
}

void TestHelpWindows::beginnersTextIsReadOnlyAndSelectable() {
    Harness h;
    h.menu("mnuBeginners");
    auto* page = qobject_cast<frmBegin*>(h.open("frmBegin"));
    QVERIFY(page);
    const QString text = frmBegin::helpText();
    QVERIFY(text.startsWith(
        QStringLiteral("Hello!  Are you really lost and don't know how the heck to add any of\r\n"
                       "these scripts to your page?")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(text.count(QStringLiteral("\r\n\r\n")), 2);
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    for (const QString& line : lines)
        QVERIFY2(line.size() <= 72, qPrintable(line));
    QVERIFY(text.contains(QStringLiteral("That's it!")));
    QVERIFY(text.contains(QStringLiteral("up to 30")));

    QTextEdit* box = page->Text1();
    QVERIFY(box->isReadOnly());
    const QString before = box->toPlainText();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->toPlainText(), before);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->textCursor().selectedText().size(), before.size());
}

void TestHelpWindows::aboutBoxKeysAndButtons() {
    Harness h;
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        h.menu("mnuAbout");
        auto* about = qobject_cast<frmAbout*>(h.open("frmAbout"));
        QVERIFY(about);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(about->cmdOK()));
        QCOMPARE(about->cmdOK()->nextInFocusChain(), static_cast<QWidget*>(about->cmdSysInfo()));
        const QPointer<QWidget> alive(about);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(!alive); // unloaded, not hidden
        QVERIFY(!h.open("frmAbout"));
    }

    // Enter in the address box presses OK too; Esc from the System Info button as well.
    h.menu("mnuAbout");
    auto* about = qobject_cast<frmAbout*>(h.open("frmAbout"));
    auto* box = about->findChild<QLineEdit*>(QStringLiteral("Text1"));
    box->setFocus();
    QPointer<QWidget> alive(about);
    QTest::keyClick(box, Qt::Key_Enter);
    QTRY_VERIFY(!alive);

    // OK does not bring frmMain forward: another page beneath comes into view.
    h.menu("mnuGeneral");
    h.menu("mnuAbout");
    about = qobject_cast<frmAbout*>(h.open("frmAbout"));
    alive = about;
    QTest::mouseClick(about->cmdOK(), Qt::LeftButton);
    QTRY_VERIFY(!alive);
    QVERIFY(h.visible("frmHelp"));
    QCOMPARE(h.activeChild(), WindowRegistry::subWindowOf(h.open("frmHelp")));
    QCOMPARE(h.app->frame()->findChild<QMdiArea*>()->subWindowList(QMdiArea::StackingOrder).last(),
             h.activeChild());

    // "<< Back" hides it, and the next opening shows the same window.
    h.menu("mnuAbout");
    about = qobject_cast<frmAbout*>(h.open("frmAbout"));
    clickLabel(about, "Label2");
    QVERIFY(!about->isVisible());
    QCOMPARE(h.activeChild(), WindowRegistry::subWindowOf(h.main()));
    h.menu("mnuAbout");
    QCOMPARE(h.open("frmAbout"), about);
}

void TestHelpWindows::aboutBoxLinksAndSystemInfo() {
    Harness h;
    h.menu("mnuAbout");
    auto* about = qobject_cast<frmAbout*>(h.open("frmAbout"));
    clickLabel(about, "Label10");
    QCOMPARE(h.shell.opened,
             QStringList{AppFolder::sampleBaseUrl() + QStringLiteral("/index.html")});
    QCOMPARE(h.shell.owners.first(), about);
    // A failed open is ignored.
    h.shell.result = false;
    clickLabel(about, "Label10");
    QVERIFY(h.messages.shown.isEmpty());

    QTest::mouseClick(about->cmdSysInfo(), Qt::LeftButton);
    QCOMPARE(h.messages.shown.size(), 1);
    QCOMPARE(h.messages.shown.first().text,
             QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(h.messages.shown.first().title, QStringLiteral("Tagloom"));
    QVERIFY(h.launcher.started.isEmpty());
    QVERIFY(about->isVisible());

    QString text = QStringLiteral("kept?");
    QVERIFY(!about->GetKeyValue(SystemRegistry::Root::LocalMachine, QStringLiteral("SOFTWARE"),
                                QStringLiteral("X"), text));
    QCOMPARE(text, QString());
}

void TestHelpWindows::captionsFitTheirControls() {
    Harness h;
    const QString snapshots = qEnvironmentVariable("TAGLOOM_SNAPSHOT_DIR");
    for (const Page& page : kPages) {
        h.menu(page.menu);
        QWidget* window = h.open(page.window);
        const auto labels = window->findChildren<QLabel*>();
        QVERIFY(!labels.isEmpty());
        for (const QLabel* label : labels) {
            const QString id = QStringLiteral("%1.%2: ").arg(QString::fromLatin1(page.window),
                                                             label->objectName());
            if (label->text().isEmpty())
                continue;
            const QFontMetrics metrics = label->fontMetrics();
            const QRect room = label->contentsRect();
            const int flags =
                Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = metrics.boundingRect(room, flags, label->text());
            QVERIFY2(needed.width() <= room.width(),
                     qPrintable(id + QStringLiteral("needs %1 px wide, has %2")
                                         .arg(needed.width())
                                         .arg(room.width())));
            QVERIFY2(needed.height() <= room.height() + 1,
                     qPrintable(id + QStringLiteral("needs %1 px high, has %2")
                                         .arg(needed.height())
                                         .arg(room.height())));
            // Wrapped texts must also break only between words.
            const auto words = label->text().split(QRegularExpression(QStringLiteral("\\s+")));
            for (const QString& word : words)
                QVERIFY2(metrics.horizontalAdvance(word) <= room.width(), qPrintable(id + word));
        }
        const auto buttons = window->findChildren<QAbstractButton*>();
        for (const QAbstractButton* button : buttons) {
            const int needed =
                button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
            QVERIFY2(needed + 8 <= button->width(), qPrintable(button->text()));
            QVERIFY(button->fontMetrics().height() <= button->height());
        }
        for (const QGroupBox* frame : window->findChildren<QGroupBox*>())
            QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 16);
        if (!snapshots.isEmpty()) {
            const QDir folder(snapshots);
            const QString name = QString::fromLatin1(page.window);
            QVERIFY(window->grab().save(folder.filePath(name + QStringLiteral(".png"))));
            QVERIFY(h.app->frame()->grab().save(
                folder.filePath(name + QStringLiteral("-in-frame.png"))));
        }
    }
    // The beginner's text fits its box without a scroll bar.
    auto* begin = qobject_cast<frmBegin*>(h.open("frmBegin"));
    QVERIFY(!begin->Text1()->verticalScrollBar()->isVisible());
    QCOMPARE(begin->Text1()->document()->lineCount(), begin->Text1()->document()->blockCount());
}

void TestHelpWindows::controlsSitWhereDesigned() {
    Harness h;
    struct Place {
        const char* window;
        const char* control;
        QRect twips;
    };
    const Place places[] = {
        {"frmBegin", "Text1", {210, 420, 4935, 4215}},
        {"frmProg", "Label1", {240, 360, 4875, 3555}},
        {"frmProg", "Label2", {2940, 4080, 2115, 315}},
        {"frmProg", "Label3", {180, 4560, 5055, 855}},
        {"frmHelp", "Text1(1)", {870, 2280, 3615, 285}},
        {"frmHelp", "Text1(0)", {870, 2910, 3615, 285}},
        {"frmHelp", "Label2", {840, 720, 3015, 1155}},
        {"frmHelp", "Label1(1)", {870, 3330, 3615, 825}},
        {"frmAboutMe", "Label1(0)", {300, 1860, 4575, 1215}},
        {"frmAboutMe", "Label1(3)", {240, 3660, 4575, 1215}},
        {"frmAbout", "cmdOK", {3960, 2625, 1260, 345}},
        {"frmAbout", "cmdSysInfo", {3960, 3075, 1245, 345}},
        {"frmAbout", "Label10", {900, 690, 2355, 255}},
        {"frmAbout", "FrameCont", {900, 1020, 4335, 1275}},
        {"frmAbout", "Image1", {1560, 3900, 3750, 750}},
        {"frmAbout", "Text1", {180, 4740, 5055, 315}},
    };
    for (const Page& page : kPages)
        h.menu(page.menu);
    for (const Place& place : places) {
        QWidget* window = h.open(place.window);
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(place.control));
        QVERIFY2(control, place.control);
        const QRect& t = place.twips;
        QCOMPARE(control->geometry(), Twips::rect(t.x(), t.y(), t.width(), t.height()));
    }
    for (const Page& page : kPages) {
        auto* back = h.open(page.window)->findChild<QLabel*>(QString::fromLatin1(page.back));
        QCOMPARE(back->text(), QStringLiteral("<< Back"));
        QCOMPARE(back->geometry(), Twips::rect(120, 5640, 795, 195));
        QCOMPARE(back->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(back->font().bold());
    }
    auto* site = h.open("frmAbout")->findChild<QLabel*>(QStringLiteral("Label10"));
    QVERIFY(site->font().bold());
    QCOMPARE(site->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(site->toolTip(), AppFolder::sampleBaseUrl());
    QCOMPARE(site->cursor().shape(), Qt::BitmapCursor);
    // The release rows.
    QWidget* notes = h.open("frmAboutMe");
    const QStringList dates{QStringLiteral("25 September, 2000"),
                            QStringLiteral("26 October, 2000"), QStringLiteral("22 November, 2000"),
                            QStringLiteral("1 February, 2001"),
                            QStringLiteral("1 September, 2001")};
    const int tops[] = {330, 630, 930, 1470, 3270};
    for (int i = 0; i < 5; ++i) {
        auto* label = notes->findChild<QLabel*>(QStringLiteral("Label4(%1)").arg(i));
        auto* date = notes->findChild<QLabel*>(QStringLiteral("Label9(%1)").arg(i));
        QVERIFY(label && date);
        QVERIFY(label->font().bold());
        QCOMPARE(label->pos(), Twips::point(300, tops[i]));
        QCOMPARE(date->pos(), Twips::point(1740, tops[i]));
        QCOMPARE(date->text(), dates.at(i));
        QCOMPARE(date->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    }
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
