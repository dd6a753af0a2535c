// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptstransfer.h"

#include "platform/messageboxes.h"
#include "platform/settingsstore.h"
#include "platform/userfiles.h"

#include "myscripts/myscriptscommands.h"
#include "myscripts/myscriptsexchange.h"
#include "myscripts/slotstore.h"
#include "myscripts/storemessages.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/messagetexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <optional>
#include <utility>

namespace MyScripts {

namespace {

using Backup = SettingsStore::Backup;
using MyScriptsExchange::ImportPlan;
using MyScriptsExchange::Placement;
using MyScriptsExchange::usedOnly;

const QString kClearAllLabel = QStringLiteral("clear-all");
const QString kUndoneLabel = QStringLiteral("clear-all-undone");
const TranslatedText kTitle{"MyScriptsTransfer",
                            QT_TRANSLATE_NOOP("MyScriptsTransfer", "My Scripts")};
// Far above 30 entries of any sensible size; a larger file is not ours.
constexpr qint64 kImportLimit = 256 * 1024 * 1024;

QString labelText(const QString& label) {
    if (label == kClearAllLabel)
        return QCoreApplication::translate("MyScriptsTransfer", "before Clear All");
    if (label == kUndoneLabel)
        return QCoreApplication::translate("MyScriptsTransfer", "before Clear All, undone");
    if (label == QLatin1String("clear-all-failed"))
        return QCoreApplication::translate("MyScriptsTransfer",
                                           "before a Clear All that did not happen");
    if (label == QLatin1String("import"))
        return QCoreApplication::translate("MyScriptsTransfer", "before an import");
    if (label == QLatin1String("restore"))
        return QCoreApplication::translate("MyScriptsTransfer", "before a restore");
    if (label == QLatin1String("daily"))
        return QCoreApplication::translate("MyScriptsTransfer", "daily");
    return label;
}

QString entriesText(int n) {
    return n == 1 ? QCoreApplication::translate("MyScriptsTransfer", "1 entry")
                  : QCoreApplication::translate("MyScriptsTransfer", "%1 entries").arg(n);
}

QString entriesWereText(int n) {
    return n == 1 ? QCoreApplication::translate("MyScriptsTransfer", "1 entry was")
                  : QCoreApplication::translate("MyScriptsTransfer", "%1 entries were").arg(n);
}

QString stampOf(const Backup& backup) {
    return backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Reads all 30 slots, telling the user when that fails.
bool readAll(AppContext& context, SettingsStore& store, QList<MyScriptSlot>* entries) {
    for (;;) {
        SlotStore reader(store);
        *entries = reader.readAllSlots();
        if (!reader.readFailed())
            return true;
        if (!reportReadFailure(context, context.main, reader.readStatus()))
            return false;
    }
}

// All 30 slots of a backup; nothing when it cannot be read (*error says why).
std::optional<QList<MyScriptSlot>> readBackup(AppContext& context, const Backup& backup,
                                              QString* error) {
    const std::unique_ptr<SettingsStore> copy = context.store->openBackup(backup);
    if (!copy) {
        *error = QCoreApplication::translate("MyScriptsTransfer", "%1 is gone")
                     .arg(QDir::toNativeSeparators(backup.path));
        return std::nullopt;
    }
    SlotStore reader(*copy);
    const QList<MyScriptSlot> entries = reader.readAllSlots();
    if (reader.readFailed()) {
        *error =
            QDir::toNativeSeparators(backup.path) + QLatin1Char('\n') + reader.readStatus().error;
        return std::nullopt;
    }
    return entries;
}

void reportFileFailure(AppContext& context, const QString& text, const QString& details) {
    context.messages->report(context.main, MessageTexts::kErrorTitle, text, details);
}

// Fits entries in among those in the store. Where each goes is decided inside the transaction
// that writes them, so an entry a second running copy wrote meanwhile is neither overwritten
// nor brought in a second time. Tells the user when the store fails (`failed` says what).
bool placeEntries(AppContext& context, const QList<MyScriptSlot>& incoming, Placement placement,
                  const QString& failed, ImportPlan* plan) {
    const StoreWriteResult result =
        SlotStore(*context.store).update([&](const QList<MyScriptSlot>& now) {
            *plan = MyScriptsExchange::planImport(now, incoming, placement);
            return std::optional<QList<MyScriptSlot>>(plan->placed);
        });
    if (!result.ok)
        reportStoreFailure(context, context.main, failed, result);
    return result.ok;
}

// The backup of the newest Clear All that removed anything, with the entries it removed: a
// Clear All of an empty list has nothing to give back, so undo looks past it. Tells the user
// when there is none or it cannot be read.
std::optional<std::pair<Backup, QList<MyScriptSlot>>> lastClearAll(AppContext& context) {
    for (const Backup& backup : context.store->backups()) {
        if (backup.label != kClearAllLabel)
            continue;
        QString error;
        const std::optional<QList<MyScriptSlot>> entries = readBackup(context, backup, &error);
        if (!entries) {
            reportFileFailure(
                context,
                QCoreApplication::translate(
                    "MyScriptsTransfer",
                    "The backup Tagloom made before the last Clear All (%1) cannot be read, so "
                    "Clear All cannot be undone. Nothing was changed.\n\nRestore My Scripts "
                    "from Backup lists the other backups.")
                    .arg(stampOf(backup)),
                error);
            return std::nullopt;
        }
        if (!usedOnly(*entries).isEmpty())
            return std::make_pair(backup, usedOnly(*entries));
    }
    context.messages->inform(
        context.main, kTitle,
        QCoreApplication::translate("MyScriptsTransfer", "There is no Clear All to undo."),
        MessageBoxes::Icon::Information);
    return std::nullopt;
}

QString undoneText(const ImportPlan& plan) {
    if (plan.placed.isEmpty() && plan.skipped.isEmpty())
        return QCoreApplication::translate(
            "MyScriptsTransfer", "Every entry the last Clear All removed is in My Scripts "
                                 "already, just as it was: nothing needed to be restored.");
    QString text =
        QCoreApplication::translate("MyScriptsTransfer", "Clear All was undone: %1 restored.")
            .arg(entriesWereText(int(plan.placed.size())));
    const QString renames = MyScriptsExchange::describeRenames(plan);
    if (!renames.isEmpty())
        text += QStringLiteral("\n\n") + renames;
    if (!plan.skipped.isEmpty())
        text += QCoreApplication::translate(
                    "MyScriptsTransfer",
                    "\n\nThese did not fit, because all 30 slots are in use:\n  ") +
                plan.skipped.join(QStringLiteral("\n  "));
    return text;
}

// A backup as the restore list shows it, read once: what the user confirms is what is
// written, even if the file goes meanwhile.
struct ListedBackup {
    Backup backup;
    std::optional<QList<MyScriptSlot>> entries;
    QString error;
};

QList<ListedBackup> listBackups(AppContext& context) {
    QList<ListedBackup> listed;
    for (const Backup& backup : context.store->backups()) {
        ListedBackup item{backup, std::nullopt, QString()};
        item.entries = readBackup(context, backup, &item.error);
        listed.append(item);
    }
    return listed;
}

QString backupLine(const ListedBackup& item) {
    QString line = stampOf(item.backup);
    line += item.entries ? QCoreApplication::translate("MyScriptsTransfer", " - ") +
                               entriesText(int(usedOnly(*item.entries).size()))
                         : QCoreApplication::translate("MyScriptsTransfer", " - cannot be read");
    return line + QStringLiteral(" (%1)").arg(labelText(item.backup.label));
}

// The backup the user picks and then confirms; nothing when they change their mind.
std::optional<ListedBackup> chooseBackup(AppContext& context, const QList<ListedBackup>& listed) {
    QStringList items;
    for (const ListedBackup& item : listed)
        items.append(backupLine(item));
    const int picked = context.messages->choose(
        context.main,
        QCoreApplication::translate("MyScriptsTransfer", "Restore My Scripts from Backup"),
        QCoreApplication::translate("MyScriptsTransfer",
                                    "Choose the backup to restore, newest first:"),
        items);
    if (picked < 0 || picked >= listed.size())
        return std::nullopt;
    const ListedBackup& item = listed.at(picked);
    if (!item.entries) {
        context.messages->report(
            context.main, MessageTexts::kErrorTitle,
            QCoreApplication::translate("MyScriptsTransfer",
                                        "That backup cannot be read, so it cannot be "
                                        "restored. Choose another one."),
            item.error);
        return std::nullopt;
    }
    if (context.messages->askYesNo(
            context.main, kTitle,
            QCoreApplication::translate(
                "MyScriptsTransfer",
                "Replace all of your current My Scripts entries with the %1 in the "
                "backup of %2?\n\nA backup of your current entries is made first.")
                .arg(entriesText(int(usedOnly(*item.entries).size())), stampOf(item.backup)),
            MessageBoxes::Answer::No, MessageBoxes::Icon::Question) != MessageBoxes::Answer::Yes)
        return std::nullopt;
    return item;
}

// Replaces every slot with the backup's, once the store's entries are safe in a backup of
// their own: a change a second running copy made since they were read declines the lot.
bool replaceWithBackup(AppContext& context, const QList<MyScriptSlot>& entries) {
    QList<MyScriptSlot> before;
    if (!readAll(context, *context.store, &before) ||
        !backupBefore(context, context.main, QStringLiteral("restore"),
                      QCoreApplication::translate("MyScriptsTransfer", "restored")))
        return false;
    const StoreWriteResult result =
        SlotStore(*context.store).update([&](const QList<MyScriptSlot>& now) {
            return now == before ? std::optional(entries) : std::nullopt;
        });
    if (!result.ok)
        reportStoreFailure(
            context, context.main,
            QCoreApplication::translate("MyScriptsTransfer", "Your entries could not be restored"),
            result);
    else if (result.declined)
        context.messages->inform(
            context.main, kTitle,
            QCoreApplication::translate("MyScriptsTransfer",
                                        "Your entries changed while the backup was being "
                                        "restored, so nothing was restored. Try again."),
            MessageBoxes::Icon::Warning);
    return result.ok && !result.declined;
}

int chooseExportFormat(AppContext& context) {
    return context.messages->choose(
        context.main, QCoreApplication::translate("MyScriptsTransfer", "Export My Scripts"),
        QCoreApplication::translate("MyScriptsTransfer", "Export your My Scripts entries as:"),
        {QCoreApplication::translate("MyScriptsTransfer",
                                     "A Tagloom file, to import again later (.json)"),
         QCoreApplication::translate("MyScriptsTransfer",
                                     "A snippets file for code editors (.code-snippets)"),
         QCoreApplication::translate("MyScriptsTransfer", "A folder of web pages, one per entry")});
}

// Writes a page per entry and an index into a new folder inside the one the user picks.
// Returns where (empty when the user cancelled); *error says why it failed.
QString exportPages(AppContext& context, const QList<MyScriptSlot>& entries, QString* error) {
    const QString parent = context.messages->chooseFolder(
        context.main,
        QCoreApplication::translate("MyScriptsTransfer", "Export My Scripts to a Folder"),
        documentsFolder());
    if (parent.isEmpty())
        return {};
    QList<QPair<QString, QByteArray>> files;
    for (const MyScriptSlot& slot : usedOnly(entries))
        files.append(
            {MyScriptsExchange::htmlFileName(slot), MyScriptsExchange::toHtmlPage(slot).toUtf8()});
    files.append(
        {QStringLiteral("index.html"), MyScriptsExchange::htmlIndexPage(entries).toUtf8()});
    return UserFiles::writeNewFolder(parent, QStringLiteral("My Scripts"), files, error);
}

// Writes a Tagloom file or a snippets file where the user says. Returns where (empty when the
// user cancelled); *error says why it failed.
QString exportFile(AppContext& context, const QList<MyScriptSlot>& entries, bool tagloom,
                   QString* error) {
    const QString where = context.messages->chooseFileToSave(
        context.main, QCoreApplication::translate("MyScriptsTransfer", "Export My Scripts"),
        QDir(documentsFolder())
            .filePath(tagloom ? QStringLiteral("My Scripts.json")
                              : QStringLiteral("My Scripts.code-snippets")),
        tagloom
            ? QCoreApplication::translate("MyScriptsTransfer", "Tagloom files (*.json)")
            : QCoreApplication::translate("MyScriptsTransfer", "Snippets files (*.code-snippets)"));
    if (!where.isEmpty())
        UserFiles::write(where,
                         tagloom ? MyScriptsExchange::toTagloomFile(entries)
                                 : MyScriptsExchange::toCodeSnippets(entries),
                         error);
    return where;
}

// The entries in the file the user picks; nothing when they cancel or it cannot be taken in
// (the user is told why).
std::optional<QList<MyScriptSlot>> readImportFile(AppContext& context) {
    const QString path = context.messages->chooseFileToOpen(
        context.main, QCoreApplication::translate("MyScriptsTransfer", "Import My Scripts"),
        documentsFolder(),
        QCoreApplication::translate(
            "MyScriptsTransfer",
            "Tagloom and snippets files (*.json *.code-snippets);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    QByteArray data;
    QString error;
    if (!UserFiles::read(path, kImportLimit, &data, &error)) {
        reportFileFailure(context,
                          QCoreApplication::translate(
                              "MyScriptsTransfer", "%1 could not be read, so nothing was imported.")
                              .arg(QDir::toNativeSeparators(path)),
                          error);
        return std::nullopt;
    }
    const MyScriptsExchange::ParsedFile parsed = MyScriptsExchange::parse(data);
    if (!parsed.ok) {
        reportFileFailure(context,
                          parsed.error + QCoreApplication::translate("MyScriptsTransfer",
                                                                     "\n\nNothing was imported."),
                          parsed.details);
        return std::nullopt;
    }
    return parsed.entries;
}

} // namespace

bool backupBefore(AppContext& context, QWidget* parent, const QString& label,
                  const QString& change) {
    if (context.store->makeBackup(label))
        return true;
    const QString text =
        context.store->lastErrorWasBusy()
            ? QCoreApplication::translate(
                  "MyScriptsTransfer",
                  "Nothing was %1: Tagloom keeps a copy of your My Scripts before such a "
                  "change, and another program, perhaps a second copy of Tagloom, is using "
                  "them right now.\n\nWait a moment and try again.")
                  .arg(change)
            : QCoreApplication::translate(
                  "MyScriptsTransfer",
                  "Nothing was %1: Tagloom keeps a copy of your My Scripts before such "
                  "a change, and the copy could not be made.\n\nCheck that the disk is "
                  "not full and that you may write to the folder %2, then try again.")
                  .arg(change, QDir::toNativeSeparators(context.store->backupFolder()));
    context.messages->report(parent, MessageTexts::kErrorTitle, text,
                             storeDetails(context, context.store->lastError()));
    return false;
}

void backupDaily(AppContext& context) {
    const QList<Backup> all = context.store->backups();
    const QDate today = QDate::currentDate();
    for (const Backup& backup : all) {
        if (backup.made.date() == today)
            return;
    }
    // A missed daily copy is not worth interrupting the user: the next save tries again.
    (void)context.store->makeBackup(QStringLiteral("daily"));
}

// Brings back what the last Clear All removed, beside whatever is in the store now: an entry
// that is there already (taken back in from an export, restored from a backup, undone by a
// second running copy) is not copied again, and nothing in the store is replaced.
void undoClearAll(AppContext& context) {
    const auto cleared = lastClearAll(context);
    if (!cleared)
        return;
    ImportPlan plan;
    if (!placeEntries(
            context, cleared->second, Placement::OwnSlotFirst,
            QCoreApplication::translate("MyScriptsTransfer", "Your entries could not be restored"),
            &plan))
        return;
    // Should the relabelling fail, undoing again finds every entry in place and adds nothing.
    (void)context.store->relabelBackup(cleared->first, kUndoneLabel);
    refreshList(context);
    context.messages->inform(context.main, kTitle, undoneText(plan),
                             MessageBoxes::Icon::Information);
}

void restoreFromBackup(AppContext& context) {
    const QList<ListedBackup> listed = listBackups(context);
    if (listed.isEmpty()) {
        context.messages->inform(
            context.main, kTitle,
            QCoreApplication::translate(
                "MyScriptsTransfer",
                "There are no backups yet. Tagloom makes one before Clear All, "
                "before an import and once a day when you save an entry; they are "
                "kept in %1.")
                .arg(QDir::toNativeSeparators(context.store->backupFolder())),
            MessageBoxes::Icon::Information);
        return;
    }
    const std::optional<ListedBackup> chosen = chooseBackup(context, listed);
    if (!chosen || !replaceWithBackup(context, *chosen->entries))
        return;
    refreshList(context);
    context.messages->inform(
        context.main, kTitle,
        QCoreApplication::translate("MyScriptsTransfer", "Your My Scripts were restored: %1.")
            .arg(entriesText(int(usedOnly(*chosen->entries).size()))),
        MessageBoxes::Icon::Information);
}

void exportEntries(AppContext& context) {
    const int format = chooseExportFormat(context);
    QList<MyScriptSlot> entries;
    if (format < 0 || !readAll(context, *context.store, &entries))
        return;
    QString error;
    const QString where = format == 2 ? exportPages(context, entries, &error)
                                      : exportFile(context, entries, format == 0, &error);
    if (where.isEmpty())
        return;
    if (!error.isEmpty()) {
        reportFileFailure(
            context,
            QCoreApplication::translate("MyScriptsTransfer",
                                        "Your My Scripts could not be exported to %1. Check "
                                        "that the disk is not full and that you may write "
                                        "there, then try again.")
                .arg(QDir::toNativeSeparators(where)),
            error);
        return;
    }
    context.messages->inform(
        context.main, kTitle,
        QCoreApplication::translate("MyScriptsTransfer", "%1 exported to %2.")
            .arg(entriesWereText(int(usedOnly(entries).size())), QDir::toNativeSeparators(where)),
        MessageBoxes::Icon::Information);
}

void importEntries(AppContext& context) {
    const std::optional<QList<MyScriptSlot>> incoming = readImportFile(context);
    QList<MyScriptSlot> current;
    if (!incoming || !readAll(context, *context.store, &current))
        return;
    // A backup when anything is coming in; what does come in is settled as it is written.
    if (!MyScriptsExchange::planImport(current, *incoming).placed.isEmpty() &&
        !backupBefore(context, context.main, QStringLiteral("import"),
                      QCoreApplication::translate("MyScriptsTransfer", "imported")))
        return;
    ImportPlan plan;
    if (!placeEntries(
            context, *incoming, Placement::LowestFree,
            QCoreApplication::translate("MyScriptsTransfer", "The entries could not be imported"),
            &plan))
        return;
    refreshList(context);
    context.messages->inform(context.main,
                             QCoreApplication::translate("MyScriptsTransfer", "Import My Scripts"),
                             MyScriptsExchange::describe(plan), MessageBoxes::Icon::Information);
}

} // namespace MyScripts
