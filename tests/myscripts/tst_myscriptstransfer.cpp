// SPDX-License-Identifier: GPL-3.0-or-later
// Backups, Undo Clear All, restore, export and import, from the Main menu as a user would.
#include "platform/settingsstore.h"

#include "myscripts/myscriptsexchange.h"
#include "myscripts/slotstore.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "kit/windowregistry.h"
#include "support/testdoubles.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using Answer = MessageBoxes::Answer;

namespace {

struct Program {
    MemorySettingsStore memory;
    ScriptedMessageBoxes messages;
    std::unique_ptr<Application> app;

    explicit Program(SettingsStore* store = nullptr) {
        AppContext base;
        base.store = store ? store : &memory;
        base.messages = &messages;
        app = std::make_unique<Application>(base);
        app->start();
    }
    void trigger(const char* name) const {
        QAction* action = app->frame()->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    QStringList rows() const {
        QStringList texts;
        for (int i = 1; i < app->mainWindow()->List1()->count(); ++i)
            texts.append(app->mainWindow()->List1()->item(i)->text());
        return texts;
    }
    QList<MyScriptSlot> stored() { return SlotStore(*app->context().store).readAllSlots(); }
    const ScriptedMessageBoxes::Shown& told() const { return messages.shown.last(); }
};

// Values that have broken exports before: every kind of line break, markup that ends a
// script, snippet syntax, quotes, backslashes, Greek, emoji, and a lot of code.
MyScriptSlot awkward(int n) {
    const QString big = n == 7 ? QString(100 * 1024, QLatin1Char('x')) : QString();
    return {n,
            QStringLiteral("Entry %1 \"quoted\" \\ Ωμέγα 😀").arg(n),
            QStringLiteral("line one\r\nline two\rline three\n%1").arg(n),
            QStringLiteral("<script>\r\nvar a = \"</script>\";\r\n$(function(){});\r\n</script>"),
            QStringLiteral("<p>${x} $1 \\$ \\\\ %1</p>\n<script>var s='\\'';</script>").arg(n) +
                big,
            QStringLiteral("'single' \"double\" `back` \t tab"),
            QStringLiteral("file:///tmp/a b/%1.htm?x=1&y=\"2\"").arg(n)};
}

void fill(MemorySettingsStore& memory, const QList<MyScriptSlot>& entries) {
    for (const MyScriptSlot& e : entries) {
        const QStringList values{e.name, e.description, e.head, e.body, e.other, e.site};
        for (int k = 0; k < values.size(); ++k)
            memory.set(SlotStore::sectionOf(e.number), SlotStore::keys().at(k), values.at(k));
    }
}

QList<MyScriptSlot> allAwkward() {
    QList<MyScriptSlot> all;
    for (int n = 1; n <= SlotStore::SlotCount; ++n)
        all.append(awkward(n));
    return all;
}

// Every "$" of snippet text must be escaped: an odd run of backslashes before it.
bool everyDollarEscaped(const QString& line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (line.at(i) == QLatin1Char('$'))
            return false;
    }
    return true;
}

// While it lives, no file may grow past `bytes`: writes beyond fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

private:
    rlimit m_before{};
};

// The memory store, with a second running copy that saves an entry just as a backup is taken.
class BusyElsewhereStore final : public SettingsStore {
public:
    explicit BusyElsewhereStore(MemorySettingsStore& inner)
        : m_inner(inner) {}
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override {
        return m_inner.read(section, key, defaultValue);
    }
    bool write(const QString& section, const QString& key, const QString& value) override {
        return m_inner.write(section, key, value);
    }
    QString lastError() const override { return m_inner.lastError(); }
    Outcome transaction(const std::function<bool()>& steps) override {
        return m_inner.transaction(steps);
    }
    bool makeBackup(const QString& label) override {
        const bool made = m_inner.makeBackup(label);
        m_inner.set(SlotStore::sectionOf(20), SlotStore::keys().first(),
                    QStringLiteral("Elsewhere"));
        return made;
    }
    QList<Backup> backups() const override { return m_inner.backups(); }
    std::unique_ptr<SettingsStore> openBackup(const Backup& backup) const override {
        return m_inner.openBackup(backup);
    }

private:
    MemorySettingsStore& m_inner;
};

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMyScriptsTransfer : public QObject {
    Q_OBJECT
private slots:
    void mainMenuKeepsItsEntriesAndGroupsTheNewOnes();
    void tagloomFileRoundTripIsByteIdentical();
    void snippetsFileEscapesEveryDollarAndReadsBack();
    void importFillsFreeSlotsRenamesAndListsWhatDidNotFit();
    void importRefusesFilesItCannotTrust();
    void webPagesPutTheCodeWhereItBelongs();
    void clearAllCanBeUndone();
    void undoImportAndRestoreNeverDuplicateOrLoseAnEntry();
    void restoreListsBackupsAndAsksFirst();
    void fullDiskChangesNothingAndSaysSo();
    void damagedBackupIsNamedNotTakenForEmpty();
    void restoreNeverReplacesWhatASecondCopySavedMeanwhile();
    void dailyBackupOncePerDayAndTenKept();
};

void TestMyScriptsTransfer::mainMenuKeepsItsEntriesAndGroupsTheNewOnes() {
    Program p;
    QMenu* menu = p.app->frame()->findChild<QMenu*>(QStringLiteral("mnuMain"));
    QVERIFY(menu);
    QStringList captions;
    for (QAction* action : menu->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(captions, (QStringList{"&Program Overview", "&New in this Version", "-",
                                    "&My Scripts!", "&Clear All Entries", "&Undo Clear All", "-",
                                    "E&xport My Scripts...", "&Import My Scripts...",
                                    "&Restore My Scripts from Backup...", "-", "&Exit"}));
    // Every access key in the menu is different.
    QSet<QChar> keys;
    for (const QString& caption : captions) {
        const qsizetype at = caption.indexOf(QLatin1Char('&'));
        if (at >= 0)
            keys.insert(caption.at(at + 1).toLower());
    }
    QCOMPARE(keys.size(), 9);
}

void TestMyScriptsTransfer::tagloomFileRoundTripIsByteIdentical() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mine.json"));
    Program p;
    const QList<MyScriptSlot> original = allAwkward();
    fill(p.memory, original);

    p.messages.picks = {0};
    p.messages.paths = {file};
    p.trigger("mnuExport");
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("30 entries were exported")));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(saved.readAll()).object();
    QCOMPARE(root.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(root.value(QStringLiteral("entries")).toArray().size(), 30);

    p.trigger("mnuClearAll");
    QVERIFY(p.rows().isEmpty());
    p.messages.paths = {file};
    p.trigger("mnuImport");
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("30 entries were imported."));
    const QList<MyScriptSlot> back = p.stored();
    QCOMPARE(back.size(), 30);
    for (int i = 0; i < 30; ++i) {
        QCOMPARE(back.at(i).name, original.at(i).name);
        QCOMPARE(back.at(i).description, original.at(i).description);
        QCOMPARE(back.at(i).head, original.at(i).head);
        QCOMPARE(back.at(i).body, original.at(i).body);
        QCOMPARE(back.at(i).other, original.at(i).other);
        QCOMPARE(back.at(i).site, original.at(i).site);
    }
    QCOMPARE(p.rows().size(), 30);
}

void TestMyScriptsTransfer::snippetsFileEscapesEveryDollarAndReadsBack() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mine.code-snippets"));
    Program p;
    const QList<MyScriptSlot> original{awkward(3), awkward(4)};
    fill(p.memory, original);
    p.messages.picks = {1};
    p.messages.paths = {file};
    p.trigger("mnuExport");

    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(saved.readAll(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject root = doc.object();
    QCOMPARE(root.size(), 2);
    const QJsonObject snippet = root.value(original.at(0).name).toObject();
    QCOMPARE(snippet.value(QStringLiteral("prefix")).toString(),
             QStringLiteral("entry-3-quoted-ωμέγα"));
    QCOMPARE(snippet.value(QStringLiteral("description")).toString(), original.at(0).description);
    const QJsonArray lines = snippet.value(QStringLiteral("body")).toArray();
    QVERIFY(lines.size() > 4);
    for (const QJsonValue& line : lines)
        QVERIFY2(everyDollarEscaped(line.toString()), qPrintable(line.toString()));
    QVERIFY(lines.contains(QStringLiteral("\\$(function(){});")));

    // Read back, the code comes out as it went in (line breaks become plain ones).
    p.trigger("mnuClearAll");
    p.messages.paths = {file};
    p.trigger("mnuImport");
    const MyScriptSlot back = p.stored().at(0);
    QCOMPARE(back.name, original.at(0).name);
    QString expected = original.at(0).head + QLatin1Char('\n') + original.at(0).body;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(back.body, expected);
}

void TestMyScriptsTransfer::importFillsFreeSlotsRenamesAndListsWhatDidNotFit() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("in.json"));
    QList<MyScriptSlot> incoming;
    for (const char* name : {"Clock", "Fresh", "Clock", "Late"})
        incoming.append({0,
                         QString::fromLatin1(name),
                         {},
                         {},
                         QStringLiteral("<p>%1</p>").arg(QLatin1String(name)),
                         {},
                         {}});
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(MyScriptsExchange::toTagloomFile(incoming));
    out.close();

    Program p;
    QList<MyScriptSlot> present;
    for (int n = 1; n <= 30; ++n) {
        if (n != 5 && n != 17 && n != 30)
            present.append({n,
                            n == 9 ? QStringLiteral("Clock") : QStringLiteral("s%1").arg(n),
                            {},
                            {},
                            {},
                            {},
                            {}});
    }
    fill(p.memory, present);
    const int backupsBefore = int(p.memory.backups().size());

    p.messages.paths = {file};
    p.trigger("mnuImport");
    const QList<MyScriptSlot> now = p.stored();
    QCOMPARE(now.at(4).name, QStringLiteral("Clock (2)"));
    QCOMPARE(now.at(16).name, QStringLiteral("Fresh"));
    QCOMPARE(now.at(29).name, QStringLiteral("Clock (3)"));
    QCOMPARE(now.at(29).body, QStringLiteral("<p>Clock</p>"));
    QCOMPARE(now.at(8).name, QStringLiteral("Clock"));
    const QString report = p.messages.shown.last().text;
    QVERIFY(report.startsWith(QStringLiteral("3 entries were imported.")));
    QVERIFY(report.contains(QStringLiteral("\"Clock\" is now \"Clock (2)\"")));
    QVERIFY(report.contains(QStringLiteral("\"Late\"")));
    QVERIFY(report.contains(QStringLiteral("all 30 slots are in use")));
    QCOMPARE(p.memory.backups().size(), backupsBefore + 1);
    QCOMPARE(p.memory.backups().first().label, QStringLiteral("import"));

    // A store that refuses part of the way in keeps none of the import.
    const auto before = p.memory.values();
    for (int n : {5, 17, 30})
        fill(p.memory, {{n, {}, {}, {}, {}, {}, {}}});
    const auto freed = p.memory.values();
    p.memory.failWritesAfter(8);
    p.messages.paths = {file};
    p.trigger("mnuImport");
    QCOMPARE(p.messages.shown.last().title, QStringLiteral("Tagloom Error!"));
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("Nothing was changed")));
    QCOMPARE(p.memory.values(), freed);
    Q_UNUSED(before);
}

void TestMyScriptsTransfer::importRefusesFilesItCannotTrust() {
    QTemporaryDir dir;
    Program p;
    fill(p.memory, {awkward(1)});
    const auto before = p.memory.values();
    const QList<QPair<QByteArray, QString>> files{
        {"not json at all", QStringLiteral("not readable as JSON")},
        {"[1, 2]", QStringLiteral("not a Tagloom file")},
        {R"({"format": "tagloom-myscripts", "version": 9, "entries": []})",
         QStringLiteral("newer version")},
        {R"({"something": {"else": 1}})", QStringLiteral("no entries")}};
    for (const auto& [data, words] : files) {
        const QString path = dir.filePath(QStringLiteral("bad.json"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(data);
        out.close();
        p.messages.paths = {path};
        p.trigger("mnuImport");
        QVERIFY2(p.messages.shown.last().text.contains(words),
                 qPrintable(p.messages.shown.last().text));
        QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("Nothing was imported")));
        QCOMPARE(p.memory.values(), before);
    }
    p.messages.paths = {dir.filePath(QStringLiteral("missing.json"))};
    p.trigger("mnuImport");
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("could not be read")));
    QVERIFY(p.memory.backups().isEmpty());
}

void TestMyScriptsTransfer::webPagesPutTheCodeWhereItBelongs() {
    QTemporaryDir dir;
    Program p;
    fill(p.memory, {awkward(2),
                    {9,
                     QStringLiteral("<b>&</b>"),
                     {},
                     QStringLiteral("<style>p{}</style>"),
                     QStringLiteral("<p>hi</p>"),
                     {},
                     {}}});
    // The pages go into a new folder of their own: nothing already in the chosen one is
    // replaced, and a second export goes beside the first.
    QFile mine(dir.filePath(QStringLiteral("index.html")));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("my own page");
    mine.close();
    for (const char* folder : {"My Scripts", "My Scripts (2)"}) {
        p.messages.picks = {2};
        p.messages.paths = {dir.path()};
        p.trigger("mnuExport");
        QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("2 entries were exported")));
        QVERIFY(p.messages.shown.last().text.contains(QLatin1String(folder)));
    }
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("my own page"));
    const QDir pages(dir.filePath(QStringLiteral("My Scripts")));
    QCOMPARE(pages.entryList(QDir::Files).size(), 3);
    QFile page(pages.filePath(QStringLiteral("09-b-b.html")));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(html.contains(QStringLiteral("<title>&lt;b&gt;&amp;&lt;/b&gt;</title>")));
    const qsizetype head = html.indexOf(QStringLiteral("<style>p{}</style>"));
    const qsizetype body = html.indexOf(QStringLiteral("<p>hi</p>"));
    QVERIFY(head > 0 && head < html.indexOf(QStringLiteral("</head>")));
    QVERIFY(body > html.indexOf(QStringLiteral("<body>")) &&
            body < html.indexOf(QStringLiteral("</body>")));
    QVERIFY(pages.exists(QStringLiteral("index.html")));
    QVERIFY(pages.exists(MyScriptsExchange::htmlFileName(awkward(2))));
}

void TestMyScriptsTransfer::clearAllCanBeUndone() {
    Program p;
    p.trigger("mnuUndoClearAll");
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("There is no Clear All to undo."));

    fill(p.memory, {awkward(3), awkward(12)});
    p.trigger("mnuClearAll");
    QVERIFY(p.rows().isEmpty());
    QCOMPARE(p.memory.backups().first().label, QStringLiteral("clear-all"));

    // A new entry has taken slot 3 since: that entry moves to the lowest free slot.
    fill(p.memory, {{3, QStringLiteral("Newer"), {}, {}, {}, {}, {}}});
    p.trigger("mnuUndoClearAll");
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("2 entries were restored")));
    const QList<MyScriptSlot> now = p.stored();
    QCOMPARE(now.at(2).name, QStringLiteral("Newer"));
    QCOMPARE(now.at(11), awkward(12));
    MyScriptSlot moved = awkward(3);
    moved.number = 1;
    QCOMPARE(now.at(0), moved);
    QCOMPARE(p.rows(), (QStringList{awkward(3).name, QStringLiteral("Newer"), awkward(12).name}));

    // Undone once, there is nothing more to undo.
    p.trigger("mnuUndoClearAll");
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("There is no Clear All to undo."));

    // A Clear All that the store refused leaves nothing to undo either: undoing it would copy
    // every entry a second time.
    p.memory.failWritesAfter(100);
    p.trigger("mnuClearAll");
    p.memory.failWritesAfter(-1);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("could not be cleared")));
    p.trigger("mnuUndoClearAll");
    QCOMPARE(p.messages.shown.last().text, QStringLiteral("There is no Clear All to undo."));
    QCOMPARE(p.rows().size(), 3);

    // Without a backup Clear All does not go ahead.
    p.memory.failWritesAfter(0);
    p.trigger("mnuClearAll");
    p.memory.failWritesAfter(-1);
    QVERIFY(p.messages.shown.last().text.startsWith(QStringLiteral("Nothing was cleared")));
    QCOMPARE(p.rows().size(), 3);
}

void TestMyScriptsTransfer::undoImportAndRestoreNeverDuplicateOrLoseAnEntry() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mine.json"));
    Program p;
    const QList<MyScriptSlot> mine{awkward(2), awkward(5)};
    const QStringList names{awkward(2).name, awkward(5).name};
    fill(p.memory, mine);
    p.messages.picks = {0};
    p.messages.paths = {file};
    p.trigger("mnuExport");

    // Clear All, the export taken back in, then Undo: each entry is there once.
    p.trigger("mnuClearAll");
    p.messages.paths = {file};
    p.trigger("mnuImport");
    p.trigger("mnuUndoClearAll");
    QCOMPARE(p.rows(), names);
    QVERIFY2(p.messages.shown.last().text.contains(QStringLiteral("already")),
             qPrintable(p.messages.shown.last().text));

    // The same file taken in twice brings in nothing new.
    p.messages.paths = {file};
    p.trigger("mnuImport");
    QCOMPARE(p.rows(), names);
    QVERIFY2(p.messages.shown.last().text.contains(QStringLiteral("Already in My Scripts")),
             qPrintable(p.messages.shown.last().text));

    // Clear All, the copy from before it restored, then Undo: still each entry once.
    p.trigger("mnuClearAll");
    p.messages.picks = {0};
    p.messages.answers = {Answer::Yes};
    p.trigger("mnuRestore");
    QCOMPARE(p.rows(), names);
    p.trigger("mnuUndoClearAll");
    QCOMPARE(p.rows(), names);

    // A second Clear All of the empty list hides nothing: Undo brings back what the first
    // one removed.
    p.trigger("mnuClearAll");
    p.trigger("mnuClearAll");
    p.trigger("mnuUndoClearAll");
    QCOMPARE(p.rows(), names);

    // An entry of the same name written since, with other code, is kept; the old one comes
    // back beside it under a name of its own, so both can be opened. (The import put the
    // entries into slots 1 and 2, and there they have stayed.)
    p.trigger("mnuClearAll");
    fill(p.memory, {{1, awkward(2).name, {}, {}, QStringLiteral("<p>new</p>"), {}, {}}});
    p.trigger("mnuUndoClearAll");
    const QList<MyScriptSlot> now = p.stored();
    QCOMPARE(now.at(0).body, QStringLiteral("<p>new</p>"));
    MyScriptSlot moved = awkward(5);
    moved.number = 2;
    QCOMPARE(now.at(1), moved);
    MyScriptSlot renamed = awkward(2);
    renamed.number = 3;
    renamed.name += QStringLiteral(" (2)");
    QCOMPARE(now.at(2), renamed);
    QVERIFY(p.messages.shown.last().text.contains(QStringLiteral("is now")));
    QCOMPARE(p.rows().size(), 3);
}

void TestMyScriptsTransfer::restoreListsBackupsAndAsksFirst() {
    Program p;
    p.trigger("mnuRestore");
    QVERIFY(p.messages.shown.last().text.startsWith(QStringLiteral("There are no backups yet")));

    p.memory.setBackupClock(QDateTime(QDate(2026, 3, 1), QTime(9, 30, 0)));
    fill(p.memory, {awkward(1), awkward(2)});
    QVERIFY(p.memory.makeBackup(QStringLiteral("daily")));
    fill(p.memory, {awkward(3)});
    p.trigger("mnuClearAll");

    p.messages.picks = {1};
    p.messages.answers = {Answer::No};
    p.trigger("mnuRestore");
    const auto list = p.messages.shown.at(p.messages.shown.size() - 2);
    QCOMPARE(list.choices,
             (QStringList{QStringLiteral("2026-03-01 09:30:00 - 3 entries (before Clear All)"),
                          QStringLiteral("2026-03-01 09:30:00 - 2 entries (daily)")}));
    QVERIFY(p.messages.shown.last().question);
    QCOMPARE(p.messages.shown.last().defaultAnswer, Answer::No);
    QVERIFY(p.rows().isEmpty()); // answered No

    p.messages.picks = {1};
    p.messages.answers = {Answer::Yes};
    p.trigger("mnuRestore");
    QCOMPARE(p.rows(), (QStringList{awkward(1).name, awkward(2).name}));
    QCOMPARE(p.stored().at(1), awkward(2));
    QCOMPARE(p.memory.backups().first().label, QStringLiteral("restore"));
}

void TestMyScriptsTransfer::dailyBackupOncePerDayAndTenKept() {
    Program p;
    p.app->mainWindow()->CmbCategories()->setCurrentIndex(frmMain::MyScriptsCategory);
    // Saving through the editor makes the day's backup; the second save does not.
    for (int i = 0; i < 2; ++i) {
        p.app->context().windows->show(QStringLiteral("frmNewTemplate"));
        QWidget* editor = p.app->context().windows->find(QStringLiteral("frmNewTemplate"));
        QTest::keyClicks(editor->findChild<QWidget*>(QStringLiteral("txtName")),
                         QStringLiteral("n%1").arg(i));
        QTest::mouseClick(editor->findChild<QAbstractButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
        QTest::mouseClick(editor->findChild<QAbstractButton*>(QStringLiteral("cmdCancel")),
                          Qt::LeftButton);
        QTRY_VERIFY(!p.app->context().windows->find(QStringLiteral("frmNewTemplate")));
    }
    QCOMPARE(p.memory.backups().size(), 1);
    QCOMPARE(p.memory.backups().first().label, QStringLiteral("daily"));
    for (int i = 0; i < 12; ++i)
        p.trigger("mnuClearAll");
    QCOMPARE(p.memory.backups().size(), 10);
}

void TestMyScriptsTransfer::fullDiskChangesNothingAndSaysSo() {
    QTemporaryDir dir;
    SqliteSettingsStore store(dir.filePath(QStringLiteral("settings.sqlite")));
    Program p(&store);
    QVERIFY(SlotStore(store).writeSlot(awkward(3)).ok);
    QVERIFY(SlotStore(store).writeSlot(awkward(7)).ok); // 100 KB of code
    const QString file = dir.filePath(QStringLiteral("mine.json"));
    p.messages.picks = {0};
    p.messages.paths = {file};
    p.trigger("mnuExport");
    const QByteArray exported = contentsOf(file);
    QVERIFY(!exported.isEmpty());
    const auto failedPlainly = [&](const char* words) {
        QVERIFY2(p.told().title == QStringLiteral("Tagloom Error!"), qPrintable(p.told().text));
        QVERIFY2(p.told().text.contains(QLatin1String(words)), qPrintable(p.told().text));
        QVERIFY(!p.told().text.contains(QStringLiteral("File too large")));
        QVERIFY(!p.told().details.isEmpty());
    };
    {
        const FileSizeLimit full(16 * 1024);
        p.messages.picks = {0};
        p.messages.paths = {file};
        p.trigger("mnuExport");
        failedPlainly("could not be exported");
        p.messages.picks = {2};
        p.messages.paths = {dir.path()};
        p.trigger("mnuExport");
        failedPlainly("could not be exported");
    }
    QCOMPARE(contentsOf(file), exported);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("My Scripts"))));

    p.trigger("mnuClearAll");
    QVERIFY(p.rows().isEmpty());
    {
        const FileSizeLimit full(16 * 1024);
        p.trigger("mnuUndoClearAll");
        failedPlainly("could not be restored: the file your My Scripts are kept in could not "
                      "be written. Nothing was changed.");
        p.messages.paths = {file};
        p.trigger("mnuImport");
        failedPlainly("Nothing was imported: Tagloom keeps a copy");
        p.messages.picks = {0};
        p.messages.answers = {Answer::Yes};
        p.trigger("mnuRestore");
        failedPlainly("Nothing was restored");
    }
    QVERIFY(p.rows().isEmpty());

    // With room again the Clear All is still there to undo, and all of it comes back.
    p.trigger("mnuUndoClearAll");
    QVERIFY2(p.told().text.contains(QStringLiteral("2 entries were restored")),
             qPrintable(p.told().text));
    QCOMPARE(p.stored().at(2), awkward(3));
    QCOMPARE(p.stored().at(6), awkward(7));
}

void TestMyScriptsTransfer::damagedBackupIsNamedNotTakenForEmpty() {
    QTemporaryDir dir;
    SqliteSettingsStore store(dir.filePath(QStringLiteral("settings.sqlite")));
    Program p(&store);
    QVERIFY(SlotStore(store).writeSlot(awkward(4)).ok);
    p.trigger("mnuClearAll");
    const SettingsStore::Backup cleared = store.backups().first();
    QFile damaged(cleared.path);
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray(8192, 'x'));
    damaged.close();

    p.trigger("mnuUndoClearAll");
    QCOMPARE(p.told().title, QStringLiteral("Tagloom Error!"));
    QVERIFY2(p.told().text.contains(QStringLiteral("cannot be read, so Clear All cannot be "
                                                   "undone. Nothing was changed.")),
             qPrintable(p.told().text));
    QVERIFY(p.told().details.contains(QDir::toNativeSeparators(cleared.path)));

    p.messages.picks = {0};
    p.trigger("mnuRestore");
    QVERIFY(p.messages.shown.at(p.messages.shown.size() - 2)
                .choices.first()
                .contains(QStringLiteral("cannot be read")));
    QVERIFY(p.told().text.startsWith(QStringLiteral("That backup cannot be read")));
    QVERIFY(p.rows().isEmpty());
}

void TestMyScriptsTransfer::restoreNeverReplacesWhatASecondCopySavedMeanwhile() {
    MemorySettingsStore memory;
    fill(memory, {awkward(1)});
    QVERIFY(memory.makeBackup(QStringLiteral("daily")));
    fill(memory, {awkward(2)});
    BusyElsewhereStore store(memory);
    Program p(&store);
    p.messages.picks = {0};
    p.messages.answers = {Answer::Yes};
    p.trigger("mnuRestore");
    QVERIFY2(p.told().text.contains(QStringLiteral("changed while the backup was being restored")),
             qPrintable(p.told().text));
    const QList<MyScriptSlot> now = SlotStore(memory).readAllSlots();
    QCOMPARE(now.at(0), awkward(1));
    QCOMPARE(now.at(1), awkward(2));
    QCOMPARE(now.at(19).name, QStringLiteral("Elsewhere"));
}

QTEST_MAIN(TestMyScriptsTransfer)
#include "tst_myscriptstransfer.moc"
