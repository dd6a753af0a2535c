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

#include <algorithm>

namespace MyScripts {

namespace {

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

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Reads all 30 slots, telling the user when that fails.
bool readAll(AppContext& context, QWidget* parent, SettingsStore& store,
             QList<MyScriptSlot>* entries) {
    for (;;) {
        SlotStore reader(store);
        *entries = reader.readAllSlots();
        if (!reader.readFailed())
            return true;
        if (!reportReadFailure(context, parent, reader.readStatus()))
            return false;
    }
}

void reportFileFailure(AppContext& context, const QString& text, const QString& details) {
    context.messages->report(context.main, MessageTexts::kErrorTitle, text, details);
}

} // namespace

bool backupBefore(AppContext& context, QWidget* parent, const QString& label,
                  const QString& change) {
    if (context.store->makeBackup(label))
        return true;
    context.messages->report(
        parent, MessageTexts::kErrorTitle,
        QCoreApplication::translate(
            "MyScriptsTransfer",
            "Nothing was %1: Tagloom keeps a copy of your My Scripts before such "
            "a change, and the copy could not be made.\n\nCheck that the disk is "
            "not full and that you may write to the folder %2, then try again.")
            .arg(change, QDir::toNativeSeparators(context.store->backupFolder())),
        storeDetails(context, context.store->lastError()));
    return false;
}

void backupDaily(AppContext& context) {
    const QList<SettingsStore::Backup> all = context.store->backups();
    const QDate today = QDate::currentDate();
    for (const SettingsStore::Backup& backup : all) {
        if (backup.made.date() == today)
            return;
    }
    // A missed daily copy is not worth interrupting the user: the next save tries again.
    (void)context.store->makeBackup(QStringLiteral("daily"));
}

void undoClearAll(AppContext& context) {
    const QList<SettingsStore::Backup> all = context.store->backups();
    const auto it = std::find_if(all.begin(), all.end(), [](const SettingsStore::Backup& b) {
        return b.label == kClearAllLabel;
    });
    if (it == all.end()) {
        context.messages->inform(
            context.main, kTitle,
            QCoreApplication::translate("MyScriptsTransfer", "There is no Clear All to undo."),
            MessageBoxes::Icon::Information);
        return;
    }
    const std::unique_ptr<SettingsStore> copy = context.store->openBackup(*it);
    QList<MyScriptSlot> before;
    if (!copy || !readAll(context, context.main, *copy, &before))
        return;
    QList<MyScriptSlot> now;
    if (!readAll(context, context.main, *context.store, &now))
        return;

    // Each entry goes back to its own slot when that is still free, else to a free one.
    QList<bool> taken(SlotStore::SlotCount + 1, false);
    for (const MyScriptSlot& slot : now)
        taken[slot.number] = !slot.name.isEmpty();
    QList<MyScriptSlot> back;
    QStringList left;
    QList<MyScriptSlot> wanderers;
    for (const MyScriptSlot& slot : before) {
        if (slot.name.isEmpty())
            continue;
        if (!taken[slot.number]) {
            taken[slot.number] = true;
            back.append(slot);
        } else {
            wanderers.append(slot);
        }
    }
    for (MyScriptSlot slot : wanderers) {
        const auto free = std::find(taken.begin() + 1, taken.end(), false);
        if (free == taken.end()) {
            left.append(slot.name);
            continue;
        }
        *free = true;
        slot.number = int(free - taken.begin());
        back.append(slot);
    }
    const StoreWriteResult result = SlotStore(*context.store).writeSlots(back, true);
    if (!result.ok) {
        reportStoreFailure(
            context, context.main,
            QCoreApplication::translate("MyScriptsTransfer", "Your entries could not be restored"),
            result);
        return;
    }
    if (result.declined) {
        context.messages->inform(
            context.main, kTitle,
            QCoreApplication::translate("MyScriptsTransfer",
                                        "Your entries changed while Clear All was being "
                                        "undone, so nothing was restored. Try again."),
            MessageBoxes::Icon::Warning);
        return;
    }
    (void)context.store->relabelBackup(*it, kUndoneLabel);
    refreshList(context);
    QString text =
        QCoreApplication::translate("MyScriptsTransfer", "Clear All was undone: %1 restored.")
            .arg(back.size() == 1
                     ? QCoreApplication::translate("MyScriptsTransfer", "1 entry was")
                     : QCoreApplication::translate("MyScriptsTransfer", "%1 entries were")
                           .arg(back.size()));
    if (!left.isEmpty())
        text += QCoreApplication::translate(
                    "MyScriptsTransfer",
                    "\n\nThese did not fit, because all 30 slots are in use:\n  ") +
                left.join(QStringLiteral("\n  "));
    context.messages->inform(context.main, kTitle, text, MessageBoxes::Icon::Information);
}

void restoreFromBackup(AppContext& context) {
    const QList<SettingsStore::Backup> all = context.store->backups();
    if (all.isEmpty()) {
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
    QStringList items;
    QList<int> counts;
    for (const SettingsStore::Backup& backup : all) {
        QString line = backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const std::unique_ptr<SettingsStore> copy = context.store->openBackup(backup);
        int count = -1;
        if (copy) {
            SlotStore reader(*copy);
            const int used = int(reader.listUsedSlots().size());
            if (!reader.readFailed())
                count = used;
        }
        counts.append(count);
        line += count < 0
                    ? QCoreApplication::translate("MyScriptsTransfer", " - cannot be read")
                    : QCoreApplication::translate("MyScriptsTransfer", " - ") + entriesText(count);
        line += QStringLiteral(" (%1)").arg(labelText(backup.label));
        items.append(line);
    }
    const int picked = context.messages->choose(
        context.main,
        QCoreApplication::translate("MyScriptsTransfer", "Restore My Scripts from Backup"),
        QCoreApplication::translate("MyScriptsTransfer",
                                    "Choose the backup to restore, newest first:"),
        items);
    if (picked < 0 || picked >= all.size())
        return;
    if (counts.at(picked) < 0) {
        context.messages->inform(
            context.main, MessageTexts::kErrorTitle,
            QCoreApplication::translate("MyScriptsTransfer",
                                        "That backup cannot be read, so it cannot be "
                                        "restored. Choose another one."),
            MessageBoxes::Icon::Warning);
        return;
    }
    if (context.messages->askYesNo(
            context.main, kTitle,
            QCoreApplication::translate(
                "MyScriptsTransfer",
                "Replace all of your current My Scripts entries with the %1 in the "
                "backup of %2?\n\nA backup of your current entries is made first.")
                .arg(entriesText(counts.at(picked)),
                     all.at(picked).made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
            MessageBoxes::Answer::No, MessageBoxes::Icon::Question) != MessageBoxes::Answer::Yes)
        return;
    const std::unique_ptr<SettingsStore> copy = context.store->openBackup(all.at(picked));
    QList<MyScriptSlot> entries;
    if (!copy || !readAll(context, context.main, *copy, &entries))
        return;
    if (!backupBefore(context, context.main, QStringLiteral("restore"),
                      QCoreApplication::translate("MyScriptsTransfer", "restored")))
        return;
    const StoreWriteResult result = SlotStore(*context.store).writeSlots(entries, false);
    if (!result.ok) {
        reportStoreFailure(
            context, context.main,
            QCoreApplication::translate("MyScriptsTransfer", "Your entries could not be restored"),
            result);
        return;
    }
    refreshList(context);
    context.messages->inform(
        context.main, kTitle,
        QCoreApplication::translate("MyScriptsTransfer", "Your My Scripts were restored: %1.")
            .arg(entriesText(counts.at(picked))),
        MessageBoxes::Icon::Information);
}

void exportEntries(AppContext& context) {
    const int format = context.messages->choose(
        context.main, QCoreApplication::translate("MyScriptsTransfer", "Export My Scripts"),
        QCoreApplication::translate("MyScriptsTransfer", "Export your My Scripts entries as:"),
        {QCoreApplication::translate("MyScriptsTransfer",
                                     "A Tagloom file, to import again later (.json)"),
         QCoreApplication::translate("MyScriptsTransfer",
                                     "A snippets file for code editors (.code-snippets)"),
         QCoreApplication::translate("MyScriptsTransfer", "A folder of web pages, one per entry")});
    if (format < 0)
        return;
    QList<MyScriptSlot> entries;
    if (!readAll(context, context.main, *context.store, &entries))
        return;
    QString error;
    QString where;
    if (format == 2) {
        where = context.messages->chooseFolder(
            context.main,
            QCoreApplication::translate("MyScriptsTransfer", "Export My Scripts to a Folder"),
            documentsFolder());
        if (where.isEmpty())
            return;
        const QDir folder(where);
        for (const MyScriptSlot& slot : entries) {
            if (slot.name.isEmpty())
                continue;
            if (!UserFiles::write(folder.filePath(MyScriptsExchange::htmlFileName(slot)),
                                  MyScriptsExchange::toHtmlPage(slot).toUtf8(), &error))
                break;
        }
        if (error.isEmpty())
            UserFiles::write(folder.filePath(QStringLiteral("index.html")),
                             MyScriptsExchange::htmlIndexPage(entries).toUtf8(), &error);
    } else {
        const bool tagloom = format == 0;
        where = context.messages->chooseFileToSave(
            context.main, QCoreApplication::translate("MyScriptsTransfer", "Export My Scripts"),
            QDir(documentsFolder())
                .filePath(tagloom ? QStringLiteral("My Scripts.json")
                                  : QStringLiteral("My Scripts.code-snippets")),
            tagloom ? QCoreApplication::translate("MyScriptsTransfer", "Tagloom files (*.json)")
                    : QCoreApplication::translate("MyScriptsTransfer",
                                                  "Snippets files (*.code-snippets)"));
        if (where.isEmpty())
            return;
        UserFiles::write(where,
                         tagloom ? MyScriptsExchange::toTagloomFile(entries)
                                 : MyScriptsExchange::toCodeSnippets(entries),
                         &error);
    }
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
    int used = 0;
    for (const MyScriptSlot& slot : entries)
        used += !slot.name.isEmpty();
    context.messages->inform(
        context.main, kTitle,
        QCoreApplication::translate("MyScriptsTransfer", "%1 exported to %2.")
            .arg(
                used == 1
                    ? QCoreApplication::translate("MyScriptsTransfer", "1 entry was")
                    : QCoreApplication::translate("MyScriptsTransfer", "%1 entries were").arg(used),
                QDir::toNativeSeparators(where)),
        MessageBoxes::Icon::Information);
}

void importEntries(AppContext& context) {
    const QString path = context.messages->chooseFileToOpen(
        context.main, QCoreApplication::translate("MyScriptsTransfer", "Import My Scripts"),
        documentsFolder(),
        QCoreApplication::translate(
            "MyScriptsTransfer",
            "Tagloom and snippets files (*.json *.code-snippets);;All files (*)"));
    if (path.isEmpty())
        return;
    QByteArray data;
    QString error;
    if (!UserFiles::read(path, kImportLimit, &data, &error)) {
        reportFileFailure(context,
                          QCoreApplication::translate(
                              "MyScriptsTransfer", "%1 could not be read, so nothing was imported.")
                              .arg(QDir::toNativeSeparators(path)),
                          error);
        return;
    }
    const MyScriptsExchange::ParsedFile parsed = MyScriptsExchange::parse(data);
    if (!parsed.ok) {
        reportFileFailure(context,
                          parsed.error + QCoreApplication::translate("MyScriptsTransfer",
                                                                     "\n\nNothing was imported."),
                          parsed.details);
        return;
    }
    QList<MyScriptSlot> current;
    if (!readAll(context, context.main, *context.store, &current))
        return;
    const MyScriptsExchange::ImportPlan plan =
        MyScriptsExchange::planImport(current, parsed.entries);
    if (!plan.placed.isEmpty()) {
        if (!backupBefore(context, context.main, QStringLiteral("import"),
                          QCoreApplication::translate("MyScriptsTransfer", "imported")))
            return;
        const StoreWriteResult result = SlotStore(*context.store).writeSlots(plan.placed, true);
        if (!result.ok) {
            reportStoreFailure(context, context.main,
                               QCoreApplication::translate("MyScriptsTransfer",
                                                           "The entries could not be imported"),
                               result);
            return;
        }
        if (result.declined) {
            context.messages->inform(
                context.main, kTitle,
                QCoreApplication::translate("MyScriptsTransfer",
                                            "Your entries changed while the import was "
                                            "being prepared, so nothing was imported. "
                                            "Try again."),
                MessageBoxes::Icon::Warning);
            return;
        }
        refreshList(context);
    }
    context.messages->inform(context.main,
                             QCoreApplication::translate("MyScriptsTransfer", "Import My Scripts"),
                             MyScriptsExchange::describe(plan), MessageBoxes::Icon::Information);
}

} // namespace MyScripts
