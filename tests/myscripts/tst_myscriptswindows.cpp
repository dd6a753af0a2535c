// SPDX-License-Identifier: GPL-3.0-or-later
// The My Scripts list, editor and viewer, driven through the whole program as a user would.
#include "platform/settingsstore.h"

#include "myscripts/frmcustom.h"
#include "myscripts/frmnewtemplate.h"
#include "myscripts/slotstore.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "kit/windowregistry.h"
#include "support/guitest.h"
#include "support/testprogram.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Answer = MessageBoxes::Answer;

namespace {

const QString kAddNew = QStringLiteral("Add New Script...");
// Line breaks of every kind and a no-break space must survive showing and saving back.
const QString kHead = QStringLiteral("<script>\r\n// head\u00a0 \n\rx = '\\';\r</script>");

// The program over test doubles; `external` replaces the in-memory store.
struct Program : TestProgram {
    MemorySettingsStore& memory = store;

    explicit Program(SettingsStore* external = nullptr)
        : TestProgram(Start::Now, nullptr, external) {}

    QListWidget* list() const { return main()->List1(); }
    frmNewTemplate* editor() const {
        return qobject_cast<frmNewTemplate*>(
            app->context().windows->find(QStringLiteral("frmNewTemplate")));
    }
    frmCustom* viewer() const {
        return qobject_cast<frmCustom*>(app->context().windows->find(QStringLiteral("frmCustom")));
    }
    QStringList rows() const {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts.append(list()->item(i)->text());
        return texts;
    }
    void showMyScripts() const {
        app->frame()->findChild<QAction*>(QStringLiteral("mnuMyScripts"))->trigger();
    }
    // Selects the row (the last of that text) and double-clicks it.
    void doubleClick(const QString& text) const {
        const auto items = list()->findItems(text, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(text));
        const QPoint at = list()->visualItemRect(items.last()).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
    // The frame child on top.
    QWidget* frontChild() const {
        const auto subs = app->frame()->mdiArea()->subWindowList(QMdiArea::StackingOrder);
        return subs.isEmpty() ? nullptr : subs.last()->widget();
    }
    int writes() const {
        int n = 0;
        for (const auto& op : memory.log)
            n += op.type == MemorySettingsStore::Operation::Type::Write;
        return n;
    }
};

template <typename T> T* child(QWidget* window, const char* name) {
    T* widget = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!widget)
        qWarning("no %s", name);
    return widget;
}

QString text(QWidget* window, const char* name) {
    if (auto* line = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return line->text();
    if (auto* box = window->findChild<LimitedTextEdit*>(QString::fromLatin1(name)))
        return box->value();
    if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        return button->text();
    return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

// The names of the controls that Tab visits, starting at `first`.
QStringList tabOrder(QWidget* window, const char* first) {
    QStringList names;
    QWidget* w = child<QWidget>(window, first);
    for (int guard = 0; w && guard < 100; ++guard, w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->window() == window->window() && !w->objectName().isEmpty() &&
            window->isAncestorOf(w)) {
            if (!names.isEmpty() && names.first() == w->objectName())
                break;
            names.append(w->objectName());
        }
    }
    return names;
}

void click(QWidget* window, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

// Types each character as a key press carrying its text, so any script can be typed.
void type(QWidget* window, const char* name, const QString& keys) {
    QWidget* target = child<QWidget>(window, name);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const qsizetype n = keys.at(i).isHighSurrogate() ? 2 : 1;
        const QString one = keys.mid(i, n);
        i += n - 1;
        if (one.at(0).unicode() < 128) {
            QTest::keyClicks(target, one);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

void store(MemorySettingsStore& memory, int slot, const QString& name,
           const QString& site = QString()) {
    const QString section = SlotStore::sectionOf(slot);
    memory.set(section, QStringLiteral("Name"), name);
    memory.set(section, QStringLiteral("Description"), QStringLiteral("About ") + name);
    memory.set(section, QStringLiteral("Head"), kHead);
    memory.set(section, QStringLiteral("Body"), QStringLiteral("<p>%1</p>").arg(slot));
    memory.set(section, QStringLiteral("Other"), QStringLiteral("other ") + name);
    memory.set(section, QStringLiteral("Site"), site);
}

QString value(const MemorySettingsStore& memory, int slot, const char* key) {
    return memory.read(SlotStore::sectionOf(slot), QString::fromLatin1(key));
}

} // namespace

class TestMyScriptsWindows : public GuiTest {
    Q_OBJECT
private slots:
    void newEntryOnAFreshStore();
    void nameAndLengthRules();
    void proposesTheLowestFreeSlotAndRefusesWhenAllAreUsed();
    void viewerShowsTheHighestSlotOfAName();
    void deleteAsksFirst();
    void editSavesBackOnlyWithReplace();
    void sampleLinkOpensTheStoredAddress();
    void nothingIsWrittenWithoutASlotNumber();
    void clearAllFromAnotherCategory();
    void failedSaveKeepsTheTypingAndSaysSo();
    void failedDeleteKeepsTheEntry();
    void unwritableStoreIsReported();
    void busyStoreOffersToTryAgain();
    void editorTakesTypingAtOnceAndLongTextWhole();
    void cancelAsksOnlyWhenSomethingChanged();
    void damagedStoreIsAnnouncedWithTheCount();
};

void TestMyScriptsWindows::newEntryOnAFreshStore() {
    Program p;
    p.showMyScripts();
    QCOMPARE(p.main()->CmbCategories()->currentIndex(), 16);
    QCOMPARE(p.rows(), QStringList{kAddNew});

    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    QVERIFY(ed);
    QCOMPARE(WindowRegistry::subWindowOf(ed)->pos(), QPoint(0, 0));
    QCOMPARE(text(ed, "txtEntry"), QStringLiteral("1"));
    QCOMPARE(p.memory.keyCount(), 181);
    QCOMPARE(text(ed, "Label1"),
             QStringLiteral("Add New Entry____________________________________"));
    QCOMPARE(text(ed, "cmdCancel"), QStringLiteral("Cancel"));
    QCOMPARE(text(ed, "lblSaved"), QString());
    QCOMPARE(child<QWidget>(ed, "txtDesc")->geometry(), QRect(128, 96, 211, 51));
    QCOMPARE(tabOrder(ed, "txtName"),
             (QStringList{"txtName", "txtDesc", "txtHEAD", "txtBODY", "txtOther", "txtSample",
                          "Check1", "cmdSave", "cmdCancel", "txtEntry"}));

    type(ed, "txtName", QStringLiteral("My clock"));
    type(ed, "txtDesc", QStringLiteral("Shows the time"));
    QTest::keyClick(child<QWidget>(ed, "txtDesc"), Qt::Key_Return);
    type(ed, "txtDesc", QStringLiteral("  twice  "));
    type(ed, "txtHEAD", QStringLiteral("<script>var a = \"b\";</script>"));
    type(ed, "txtSample", QStringLiteral("samples/clock.htm"));
    const int before = p.writes();
    click(ed, "cmdSave");
    QCOMPARE(p.writes() - before, 6);
    QCOMPARE(value(p.memory, 1, "Name"), QStringLiteral("My clock"));
    QCOMPARE(value(p.memory, 1, "Description"), QStringLiteral("Shows the time\n  twice  "));
    QCOMPARE(value(p.memory, 1, "Head"), QStringLiteral("<script>var a = \"b\";</script>"));
    QCOMPARE(value(p.memory, 1, "Body"), QString());
    QCOMPARE(value(p.memory, 1, "Site"), QStringLiteral("samples/clock.htm"));
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("My clock")}));
    QCOMPARE(text(ed, "lblSaved"), QStringLiteral("Changes Saved!"));
    QCOMPARE(text(ed, "cmdCancel"), QStringLiteral("Close"));
    QVERIFY(p.messages.shown.isEmpty());

    // The same slot again without "Replace?".
    click(ed, "cmdSave");
    QCOMPARE(p.messages.shown.size(), 1);
    QCOMPARE(p.messages.shown.last().title, QStringLiteral("Warning!"));
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("Entry # already in use"));
    QCOMPARE(p.messages.shown.last().icon, MessageBoxes::Icon::None);
    QCOMPARE(p.writes() - before, 6);

    // Close rebuilds the list from the store and leaves frmMain in front.
    p.list()->addItem(QStringLiteral("stale"));
    click(ed, "cmdCancel");
    QTRY_VERIFY(!p.editor());
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("My clock")}));
    QCOMPARE(p.frontChild(), p.main());
}

void TestMyScriptsWindows::nameAndLengthRules() {
    Program p;
    p.showMyScripts();
    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    const int before = p.writes();

    click(ed, "cmdSave");
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("Name field cannot be blank"));
    QCOMPARE(p.writes(), before);

    // The number box takes no typing; the name stops at 40, the description at 156.
    type(ed, "txtEntry", QStringLiteral("29"));
    QCOMPARE(text(ed, "txtEntry"), QStringLiteral("1"));
    type(ed, "txtName", QString(45, QLatin1Char('n')));
    QCOMPARE(text(ed, "txtName").size(), 40);
    type(ed, "txtDesc", QString(160, QLatin1Char('d')));
    QCOMPARE(text(ed, "txtDesc").size(), 156);
    type(ed, "txtHEAD", QString(400, QLatin1Char('h'))); // no limit on code
    QCOMPARE(text(ed, "txtHEAD").size(), 400);

    // A single blank is a name.
    auto* name = child<QLineEdit>(ed, "txtName");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    type(ed, "txtName", QStringLiteral(" "));
    click(ed, "cmdSave");
    QCOMPARE(value(p.memory, 1, "Name"), QStringLiteral(" "));
    QCOMPARE(value(p.memory, 1, "Description").size(), 156);
    QCOMPARE(p.rows().last(), QStringLiteral(" "));
}

void TestMyScriptsWindows::proposesTheLowestFreeSlotAndRefusesWhenAllAreUsed() {
    Program p;
    store(p.memory, 1, QStringLiteral("One"));
    store(p.memory, 2, QStringLiteral("Two"));
    p.showMyScripts();
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("One"), QStringLiteral("Two")}));
    p.doubleClick(kAddNew);
    QCOMPARE(text(p.editor(), "txtEntry"), QStringLiteral("3"));
    click(p.editor(), "cmdCancel");
    QTRY_VERIFY(!p.editor());

    for (int n = 1; n <= 30; ++n)
        store(p.memory, n, QStringLiteral("s%1").arg(n));
    p.main()->CmbCategories()->setCurrentIndex(0);
    p.showMyScripts();
    QCOMPARE(p.rows().size(), 31);
    p.doubleClick(kAddNew);
    QVERIFY(!p.editor());
    QCOMPARE(p.messages.shown.size(), 1);
    QCOMPARE(p.messages.shown.last().title, QStringLiteral("Warning!"));
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("All entry slots have been occupied!"));
    QVERIFY(!p.messages.shown.last().question);
}

void TestMyScriptsWindows::viewerShowsTheHighestSlotOfAName() {
    Program p;
    store(p.memory, 3, QStringLiteral("Same"));
    store(p.memory, 7, QStringLiteral("Same"));
    p.memory.set(QStringLiteral("7Slot"), QStringLiteral("Description"),
                 QStringLiteral("<b>not bold</b> & more"));
    p.showMyScripts();
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("Same"), QStringLiteral("Same")}));

    // Either row shows slot 7.
    const QPoint first = p.list()->visualItemRect(p.list()->item(1)).center();
    QTest::mouseClick(p.list()->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(p.list()->viewport(), Qt::LeftButton, {}, first);
    frmCustom* v = p.viewer();
    QVERIFY(v);
    QVERIFY(v->isWindow());
    QCOMPARE(v->windowTitle(), QStringLiteral("My Scripts!   -Add up to 30 scripts to Tagloom"));
    QCOMPARE(text(v, "txtEntry"), QStringLiteral("7"));
    QVERIFY(!child<QLineEdit>(v, "txtEntry")->isEnabled());
    QCOMPARE(text(v, "lblDescription"), QStringLiteral("<b>not bold</b> & more"));
    QCOMPARE(child<QLabel>(v, "lblDescription")->textFormat(), Qt::PlainText);
    QCOMPARE(text(v, "txtHEAD"), kHead);
    QCOMPARE(text(v, "txtBODY"), QStringLiteral("<p>7</p>"));
    QCOMPARE(text(v, "txtOther"), QStringLiteral("other Same"));
    QVERIFY(child<QPlainTextEdit>(v, "txtHEAD")->isReadOnly());
    QCOMPARE(tabOrder(v, "txtHEAD"),
             (QStringList{"txtHEAD", "txtBODY", "txtOther", "cmdEdit", "cmdDelete"}));

    // Another double-click only brings the open viewer forward.
    store(p.memory, 4, QStringLiteral("Other"));
    p.main()->CmbCategories()->setCurrentIndex(0);
    p.showMyScripts();
    p.doubleClick(QStringLiteral("Other"));
    QCOMPARE(p.viewer(), v);
    QCOMPARE(text(v, "txtEntry"), QStringLiteral("7"));
    v->close();
    QTRY_VERIFY(!p.viewer());

    // With no row selected the empty text finds the highest free slot.
    p.list()->clearSelection();
    QTest::mouseDClick(p.list()->viewport(), Qt::LeftButton, {},
                       p.list()->viewport()->rect().bottomRight() - QPoint(2, 2));
    QVERIFY(p.viewer());
    QCOMPARE(text(p.viewer(), "txtEntry"), QStringLiteral("30"));
}

void TestMyScriptsWindows::deleteAsksFirst() {
    Program p;
    store(p.memory, 3, QStringLiteral("Same"));
    store(p.memory, 7, QStringLiteral("Same"));
    p.showMyScripts();
    p.doubleClick(QStringLiteral("Same"));
    frmCustom* v = p.viewer();
    QCOMPARE(text(v, "txtEntry"), QStringLiteral("7"));

    const int before = p.writes();
    p.messages.answers = {Answer::No};
    click(v, "cmdDelete");
    QCOMPARE(p.messages.shown.last().text,
             QStringLiteral("Are you sure you want to delete this entry?"));
    QCOMPARE(p.messages.shown.last().title, QStringLiteral("Warning!"));
    QVERIFY(p.messages.shown.last().question);
    QCOMPARE(p.writes(), before);
    QCOMPARE(p.viewer(), v);

    p.messages.answers = {Answer::Yes};
    click(v, "cmdDelete");
    QCOMPARE(p.writes() - before, 6);
    for (const char* key : {"Name", "Description", "Head", "Body", "Other", "Site"})
        QCOMPARE(value(p.memory, 7, key), QString());
    QTRY_VERIFY(!p.viewer());
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("Same")}));

    // The remaining row now shows slot 3; the freed slot 7 is not the lowest free one.
    p.doubleClick(QStringLiteral("Same"));
    QCOMPARE(text(p.viewer(), "txtEntry"), QStringLiteral("3"));
    p.doubleClick(kAddNew);
    QCOMPARE(text(p.editor(), "txtEntry"), QStringLiteral("1"));
}

void TestMyScriptsWindows::editSavesBackOnlyWithReplace() {
    Program p;
    store(p.memory, 2, QStringLiteral("Old"), QStringLiteral("old.htm"));
    p.showMyScripts();

    // An editor already open from "Add New Script..." is reused and keeps its tick box.
    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    QCOMPARE(text(ed, "txtEntry"), QStringLiteral("1"));
    type(ed, "txtName", QStringLiteral("typed but dropped"));

    p.doubleClick(QStringLiteral("Old"));
    frmCustom* v = p.viewer();
    QCOMPARE(text(v, "txtEntry"), QStringLiteral("2"));
    click(v, "cmdEdit");
    QTRY_VERIFY(!p.viewer());
    QCOMPARE(p.editor(), ed);
    QCOMPARE(p.frontChild(), ed);
    QCOMPARE(text(ed, "txtEntry"), QStringLiteral("2"));
    QCOMPARE(text(ed, "txtName"), QStringLiteral("Old"));
    QCOMPARE(text(ed, "txtDesc"), QStringLiteral("About Old"));
    QCOMPARE(text(ed, "txtHEAD"), kHead);
    QCOMPARE(text(ed, "txtBODY"), QStringLiteral("<p>2</p>"));
    QCOMPARE(text(ed, "txtOther"), QStringLiteral("other Old"));
    QCOMPARE(text(ed, "txtSample"), QStringLiteral("old.htm"));
    QCOMPARE(p.main()->CmbCategories()->currentIndex(), 16);

    const int before = p.writes();
    click(ed, "cmdSave");
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("Entry # already in use"));
    QCOMPARE(p.writes(), before);

    // Rename and replace.
    auto* name = child<QLineEdit>(ed, "txtName");
    name->selectAll();
    type(ed, "txtName", QStringLiteral("New"));
    child<QCheckBox>(ed, "Check1")->click();
    click(ed, "cmdSave");
    QCOMPARE(p.writes() - before, 6);
    QCOMPARE(value(p.memory, 2, "Name"), QStringLiteral("New"));
    QCOMPARE(value(p.memory, 2, "Body"), QStringLiteral("<p>2</p>"));
    QCOMPARE(value(p.memory, 2, "Head"), kHead);
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("Old"), QStringLiteral("New")}));
    QVERIFY(child<QCheckBox>(ed, "Check1")->isChecked());
    click(ed, "cmdCancel");
    QTRY_VERIFY(!p.editor());
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("New")}));
}

void TestMyScriptsWindows::sampleLinkOpensTheStoredAddress() {
    Program p;
    store(p.memory, 5, QStringLiteral("Linked"), QStringLiteral("C:/x y/page.htm; rm -rf ~"));
    store(p.memory, 6, QStringLiteral("Unlinked"));
    p.showMyScripts();
    p.doubleClick(QStringLiteral("Linked"));
    frmCustom* v = p.viewer();
    auto* link = child<QLabel>(v, "Label2");
    QCOMPARE(link->text(), QStringLiteral("click here for sample page!"));
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(p.shell.opened, QStringList{QStringLiteral("C:/x y/page.htm; rm -rf ~")});
    QCOMPARE(p.shell.owners, QList<QWidget*>{v});
    v->close();
    QTRY_VERIFY(!p.viewer());

    p.doubleClick(QStringLiteral("Unlinked"));
    QTest::mouseClick(child<QLabel>(p.viewer(), "Label2"), Qt::LeftButton);
    QCOMPARE(p.shell.opened.size(), 1);
}

void TestMyScriptsWindows::nothingIsWrittenWithoutASlotNumber() {
    Program p;
    store(p.memory, 5, QStringLiteral("Gone"));
    for (int n = 1; n <= 30; ++n) {
        if (n != 5)
            store(p.memory, n, QStringLiteral("s%1").arg(n));
    }
    p.showMyScripts();
    // The store changes behind the list's back: the row no longer matches any slot.
    p.memory.set(QStringLiteral("5Slot"), QStringLiteral("Name"), QStringLiteral("Renamed"));
    p.doubleClick(QStringLiteral("Gone"));
    frmCustom* v = p.viewer();
    QVERIFY(v);
    QCOMPARE(text(v, "txtEntry"), QString());
    QVERIFY(!child<QPushButton>(v, "cmdEdit")->isEnabled());
    QVERIFY(!child<QPushButton>(v, "cmdDelete")->isEnabled());
    const int before = p.writes();
    v->cmdDelete_Click();
    v->cmdEdit_Click();
    QCOMPARE(p.writes(), before);
    QCOMPARE(p.viewer(), v);

    // An editor handed an empty number refuses to save and says why.
    p.memory.set(QStringLiteral("9Slot"), QStringLiteral("Name"), QString());
    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    ed->EditEntry(v);
    QCOMPARE(text(ed, "txtEntry"), QString());
    type(ed, "txtName", QStringLiteral("x"));
    child<QCheckBox>(ed, "Check1")->click();
    const int shown = p.messages.shown.size();
    const int writes = p.writes();
    click(ed, "cmdSave");
    QCOMPARE(p.writes(), writes);
    QCOMPARE(p.messages.shown.size(), shown + 1);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("no Entry #")));
    for (const auto& op : p.memory.log)
        QVERIFY(op.section != QStringLiteral("Slot"));
}

void TestMyScriptsWindows::clearAllFromAnotherCategory() {
    Program p;
    store(p.memory, 1, QStringLiteral("One"));
    store(p.memory, 30, QStringLiteral("Thirty"));
    p.main()->CmbCategories()->setCurrentIndex(3);
    const QStringList category3 = p.rows();
    QAction* clearAll = p.app->frame()->findChild<QAction*>(QStringLiteral("mnuClearAll"));

    p.messages.answers = {Answer::No};
    const int before = p.writes();
    clearAll->trigger();
    QCOMPARE(p.messages.shown.last().text,
             QStringLiteral("Are you sure you want to clear all of your 'My Scripts' entries?"));
    QCOMPARE(p.messages.shown.last().title, QStringLiteral("Warning!"));
    QCOMPARE(p.messages.shown.last().defaultAnswer, Answer::Yes);
    QCOMPARE(p.writes(), before);
    QCOMPARE(p.rows(), category3);

    clearAll->trigger(); // answered with the default, Yes
    QCOMPARE(p.writes() - before, 180);
    QCOMPARE(value(p.memory, 30, "Name"), QString());
    QVERIFY(!p.memory.contains(QStringLiteral("KeysMade"), QStringLiteral("Value")));
    QCOMPARE(p.main()->CmbCategories()->currentIndex(), 16);
    QCOMPARE(p.rows(), QStringList{kAddNew});
}

void TestMyScriptsWindows::failedSaveKeepsTheTypingAndSaysSo() {
    Program p;
    p.showMyScripts();
    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    type(ed, "txtName", QStringLiteral("Keep me Ωμέγα 漢字 😀"));
    type(ed, "txtBODY", QStringLiteral("<b>body</b>"));
    p.memory.failWritesAfter(3);
    click(ed, "cmdSave");

    QCOMPARE(p.messages.shown.size(), 1);
    const auto& shown = p.messages.shown.last();
    QCOMPARE(shown.title, QStringLiteral("Tagloom Error!"));
    QVERIFY(shown.text.contains(QStringLiteral("could not be saved")));
    QVERIFY(shown.text.contains(QStringLiteral("Nothing was changed")));
    // The store's own words are kept for "Show Details", out of the text.
    QVERIFY(!shown.text.contains(QStringLiteral("disk full")));
    QVERIFY(shown.details.contains(QStringLiteral("disk full")));
    QCOMPARE(value(p.memory, 1, "Name"), QString()); // nothing of it reached the store
    QCOMPARE(text(ed, "txtName"), QStringLiteral("Keep me Ωμέγα 漢字 😀"));
    QCOMPARE(text(ed, "txtBODY"), QStringLiteral("<b>body</b>"));
    QCOMPARE(text(ed, "lblSaved"), QString());
    QCOMPARE(text(ed, "cmdCancel"), QStringLiteral("Cancel"));
    QCOMPARE(p.rows(), QStringList{kAddNew});

    // Once the store works again the same typing saves as it is, with no "Replace?" needed.
    p.memory.failWritesAfter(-1);
    click(ed, "cmdSave");
    QCOMPARE(value(p.memory, 1, "Name"), QStringLiteral("Keep me Ωμέγα 漢字 😀"));
    QCOMPARE(value(p.memory, 1, "Body"), QStringLiteral("<b>body</b>"));
    QCOMPARE(text(ed, "lblSaved"), QStringLiteral("Changes Saved!"));
}

void TestMyScriptsWindows::failedDeleteKeepsTheEntry() {
    Program p;
    store(p.memory, 4, QStringLiteral("Four"));
    p.showMyScripts();
    p.doubleClick(QStringLiteral("Four"));
    frmCustom* v = p.viewer();
    p.memory.failWritesAfter(0);
    click(v, "cmdDelete"); // the question is answered with its default, Yes
    QCOMPARE(p.messages.shown.size(), 2);
    QCOMPARE(p.messages.shown.last().title, QStringLiteral("Tagloom Error!"));
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("could not be deleted")));
    QVERIFY(p.messages.shown.last().details.contains(QStringLiteral("disk full")));
    QVERIFY(!p.messages.shown.last().text.contains(QStringLiteral("Part of it")));
    QCOMPARE(p.viewer(), v);
    QCOMPARE(value(p.memory, 4, "Name"), QStringLiteral("Four"));
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("Four")}));
}

void TestMyScriptsWindows::unwritableStoreIsReported() {
    // A store whose folder is a plain file cannot be opened, even by an administrator.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SqliteSettingsStore broken(dir.filePath(QStringLiteral("not-a-folder/settings.sqlite")));

    Program p(&broken);
    p.showMyScripts();
    QCOMPARE(p.messages.shown.size(), 1);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("could not be read")));
    QVERIFY(!p.messages.shown.last().question); // nothing to wait for
    QCOMPARE(p.rows(), QStringList{kAddNew});

    // "Add New Script..." cannot tell whether a slot is free: it says so and opens nothing.
    p.doubleClick(kAddNew);
    QVERIFY(!p.editor());
    QCOMPARE(p.messages.shown.size(), 2);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("could not be read")));
    QVERIFY(p.messages.shown.last().details.contains(QStringLiteral("not-a-folder")));

    // Opened anyway, the editor reports once and has no slot to save into.
    p.app->context().windows->show(QStringLiteral("frmNewTemplate"));
    frmNewTemplate* ed = p.editor();
    QVERIFY(ed);
    QCOMPARE(p.messages.shown.size(), 3);
    QCOMPARE(p.messages.shown.last().title, QStringLiteral("Tagloom Error!"));
    QCOMPARE(text(ed, "txtEntry"), QString());

    type(ed, "txtName", QStringLiteral("Précieux"));
    type(ed, "txtDesc", QStringLiteral("do not lose this"));
    click(ed, "cmdSave");
    QCOMPARE(p.messages.shown.size(), 4);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("no Entry #")));
    QCOMPARE(text(ed, "txtName"), QStringLiteral("Précieux"));
    QCOMPARE(text(ed, "txtDesc"), QStringLiteral("do not lose this"));
    QCOMPARE(text(ed, "lblSaved"), QString());
}

void TestMyScriptsWindows::busyStoreOffersToTryAgain() {
    Program p;
    store(p.memory, 2, QStringLiteral("Two"));
    p.memory.failAsBusy(true);
    p.memory.failReadsAfter(0);
    p.messages.answers = {Answer::Yes, Answer::No};
    p.showMyScripts();
    QCOMPARE(p.messages.shown.size(), 2); // asked, tried again, asked again
    for (const auto& shown : p.messages.shown) {
        QVERIFY(shown.question);
        QVERIFY(shown.text.contains(QStringLiteral("another program")));
        QVERIFY(shown.details.contains(QStringLiteral("database is locked")));
    }
    QCOMPARE(p.rows(), QStringList{kAddNew});

    // The viewer shows nothing half-read and offers nothing to edit or delete.
    p.memory.failReadsAfter(-1);
    p.main()->CmbCategories()->setCurrentIndex(0);
    p.showMyScripts();
    QCOMPARE(p.rows(), (QStringList{kAddNew, QStringLiteral("Two")}));
    p.memory.failReadsAfter(31);
    p.messages.answers = {Answer::No};
    p.doubleClick(QStringLiteral("Two"));
    frmCustom* v = p.viewer();
    QVERIFY(v);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("could not be read")));
    QCOMPARE(text(v, "txtEntry"), QString());
    QVERIFY(!child<QPushButton>(v, "cmdDelete")->isEnabled());
    p.memory.failReadsAfter(-1);

    // A save refused by a held store says so in plain words and keeps the typing.
    v->close();
    QTRY_VERIFY(!p.viewer());
    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    type(ed, "txtName", QStringLiteral("Mine"));
    p.memory.failWritesAfter(0);
    click(ed, "cmdSave");
    p.memory.failWritesAfter(-1);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("Wait a moment and try again")));
    QCOMPARE(text(ed, "txtName"), QStringLiteral("Mine"));
}

void TestMyScriptsWindows::editorTakesTypingAtOnceAndLongTextWhole() {
    Program p;
    p.app->frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.app->frame()));
    p.showMyScripts();
    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(ed, "txtName"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Typed"));
    QCOMPARE(text(ed, "txtName"), QStringLiteral("Typed"));

    // Pasted text far beyond the old 32,767 characters stays whole, saved and shown again.
    const QString longText = QString(40000, QLatin1Char('o')) + QStringLiteral("end");
    child<QLineEdit>(ed, "txtOther")->insert(longText);
    child<QLineEdit>(ed, "txtSample")->insert(longText);
    QCOMPARE(text(ed, "txtOther"), longText);
    click(ed, "cmdSave");
    QCOMPARE(value(p.memory, 1, "Other"), longText);
    QCOMPARE(value(p.memory, 1, "Site"), longText);
    click(ed, "cmdCancel");
    QTRY_VERIFY(!p.editor());
    p.doubleClick(QStringLiteral("Typed"));
    QCOMPARE(text(p.viewer(), "txtOther"), longText);
    // The sample link of an entry with no address says so rather than doing nothing.
    store(p.memory, 4, QStringLiteral("No page"));
    p.viewer()->close();
    QTRY_VERIFY(!p.viewer());
    p.main()->CmbCategories()->setCurrentIndex(0);
    p.showMyScripts();
    p.doubleClick(QStringLiteral("No page"));
    const int shown = p.messages.shown.size();
    QTest::mouseClick(child<QLabel>(p.viewer(), "Label2"), Qt::LeftButton);
    QCOMPARE(p.messages.shown.size(), shown + 1);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("No sample page is set")));
    QVERIFY(p.shell.opened.isEmpty());
}

void TestMyScriptsWindows::cancelAsksOnlyWhenSomethingChanged() {
    Program p;
    store(p.memory, 3, QStringLiteral("Three"));
    p.showMyScripts();
    p.doubleClick(kAddNew);
    frmNewTemplate* ed = p.editor();
    type(ed, "txtBODY", QStringLiteral("<p>work</p>"));
    p.messages.answers = {Answer::No};
    click(ed, "cmdCancel");
    QCOMPARE(p.messages.shown.size(), 1);
    QVERIFY(p.messages.shown.last().question);
    QCOMPARE(p.messages.shown.last().defaultAnswer, Answer::No);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("Close without saving?")));
    QCOMPARE(p.editor(), ed);
    QCOMPARE(text(ed, "txtBODY"), QStringLiteral("<p>work</p>"));
    p.messages.answers = {Answer::Yes};
    click(ed, "cmdCancel");
    QTRY_VERIFY(!p.editor());

    // Opened for editing and left as it was: no question.
    p.doubleClick(QStringLiteral("Three"));
    click(p.viewer(), "cmdEdit");
    QTRY_VERIFY(!p.viewer());
    click(p.editor(), "cmdCancel");
    QTRY_VERIFY(!p.editor());
    QCOMPARE(p.messages.shown.size(), 2);
}

void TestMyScriptsWindows::damagedStoreIsAnnouncedWithTheCount() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
    {
        SqliteSettingsStore healthy(path);
        SlotStore checker(healthy);
        QVERIFY(checker.initialiseSlots().ok);
        for (int n = 1; n <= 30; ++n)
            QVERIFY(checker
                        .writeSlot({n,
                                    QStringLiteral("Kept %1").arg(n),
                                    {},
                                    {},
                                    QString(3000, QLatin1Char('b')),
                                    {},
                                    {}})
                        .ok);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(file.size() * 2 / 3));
    file.close();

    SqliteSettingsStore damaged(path);
    Program p(&damaged);
    QTRY_COMPARE(p.messages.shown.size(), 1);
    const auto& told = p.messages.shown.last();
    p.showMyScripts();
    const int recovered = int(p.rows().size()) - 1;
    QVERIFY(recovered > 0 && recovered < 30);
    QVERIFY2(
        told.text.contains(QStringLiteral("%1 My Scripts entries were recovered").arg(recovered)),
        qPrintable(told.text));
    QVERIFY(told.text.contains(path + QStringLiteral(".damaged-")));
    QVERIFY(!told.details.isEmpty());
}

QTEST_MAIN(TestMyScriptsWindows)
#include "tst_myscriptswindows.moc"
