// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/storemessages.h"

#include "platform/messageboxes.h"
#include "platform/settingsstore.h"

#include "myscripts/slotstore.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/messagetexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace MyScripts {

namespace {

const TranslatedText kBusy{
    "StoreMessages",
    QT_TRANSLATE_NOOP("StoreMessages", "another program, perhaps a second copy of Tagloom, is "
                                       "using them right now")};

QString folderOf(AppContext& context) {
    const QString path = context.store->location();
    return path.isEmpty()
               ? QCoreApplication::translate("StoreMessages", "where Tagloom keeps its settings")
               : QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

} // namespace

QString storeDetails(AppContext& context, const QString& error) {
    QString details = error.trimmed();
    if (!context.store->location().isEmpty())
        details = QCoreApplication::translate("StoreMessages", "Store: %1\n%2")
                      .arg(QDir::toNativeSeparators(context.store->location()), details);
    return details;
}

bool reportReadFailure(AppContext& context, QWidget* parent, const StoreReadStatus& status) {
    const QString details = storeDetails(context, status.error);
    if (status.busy) {
        return context.messages->askYesNoWithDetails(
                   parent, MessageTexts::kErrorTitle,
                   QCoreApplication::translate("StoreMessages",
                                               "Your My Scripts entries could not be read: %1.\n\n"
                                               "Nothing has been changed. Try again now?")
                       .arg(QString(kBusy)),
                   details, MessageBoxes::Answer::Yes) == MessageBoxes::Answer::Yes;
    }
    context.messages->report(
        parent, MessageTexts::kErrorTitle,
        QCoreApplication::translate(
            "StoreMessages", "Your My Scripts entries could not be read: the file they are kept in "
                             "could not be opened or read.\n\nNothing has been changed. Check that "
                             "you may read and write the folder %1 and that the disk is not full, "
                             "then try again.")
            .arg(folderOf(context)),
        details);
    return false;
}

void reportStoreFailure(AppContext& context, QWidget* parent, const QString& failed,
                        const StoreWriteResult& result) {
    QString text;
    if (result.busy) {
        text = QCoreApplication::translate(
                   "StoreMessages", "%1: %2. Nothing was changed.\n\nWait a moment and try again.")
                   .arg(failed,
                        QCoreApplication::translate("StoreMessages",
                                                    "another program, perhaps a second copy of "
                                                    "Tagloom, is using your My Scripts right now"));
    } else {
        text =
            QCoreApplication::translate(
                "StoreMessages", "%1: the file your My Scripts are kept in could not be written. "
                                 "Nothing was changed.\n\nCheck that the disk is not full and that "
                                 "you may write to the folder %2, then try again.")
                .arg(failed, folderOf(context));
    }
    context.messages->report(parent, MessageTexts::kErrorTitle, text,
                             storeDetails(context, result.error));
}

void announceRecovery(AppContext& context) {
    const auto recovery = context.store->takeRecovery();
    if (!recovery)
        return;
    SlotStore reader(*context.store);
    const int entries = int(reader.listUsedSlots().size());
    const QString count =
        entries == 1 ? QCoreApplication::translate("StoreMessages", "1 My Scripts entry was")
                     : QCoreApplication::translate("StoreMessages", "%1 My Scripts entries were")
                           .arg(entries);
    context.messages->report(
        context.main, QCoreApplication::translate("StoreMessages", "Tagloom"),
        QCoreApplication::translate(
            "StoreMessages",
            "The file your My Scripts are kept in was damaged. Tagloom made a fresh "
            "one: %1 recovered.\n\nThe damaged file was kept, untouched, as:\n%2")
            .arg(count, QDir::toNativeSeparators(recovery->damagedCopy)),
        recovery->details, MessageBoxes::Icon::Warning);
}

} // namespace MyScripts
