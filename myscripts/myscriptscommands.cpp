// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptscommands.h"

#include "platform/messageboxes.h"
#include "platform/settingsstore.h"

#include "myscripts/myscriptstransfer.h"
#include "myscripts/slotstore.h"
#include "myscripts/storemessages.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/messagetexts.h"
#include "kit/windowregistry.h"

#include <QCoreApplication>
#include <QListWidget>

namespace MyScripts {

void refreshList(AppContext& context) {
    context.main->reloadMyScripts();
}

} // namespace MyScripts

MyScriptsCommands::MyScriptsCommands(AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context) {}

void MyScriptsCommands::fillList(QListWidget* list) {
    list->clear();
    list->addItem(MyScripts::kAddNewRow);
    for (;;) {
        SlotStore entries(*m_context.store);
        const QStringList names = entries.listUsedSlots();
        if (!entries.readFailed()) {
            list->addItems(names);
            return;
        }
        // Part of a list would pass for all of it: show none.
        if (!MyScripts::reportReadFailure(m_context, m_context.main, entries.readStatus()))
            return;
    }
}

void MyScriptsCommands::dispatch(const QString& rowText) {
    if (rowText == QString(MyScripts::kAddNewRow)) {
        SlotStore entries(*m_context.store);
        const bool anyFree = entries.anySlotFree();
        if (entries.readFailed()) {
            if (MyScripts::reportReadFailure(m_context, m_context.main, entries.readStatus()))
                dispatch(rowText);
        } else if (anyFree) {
            m_context.windows->show(QStringLiteral("frmNewTemplate"));
        } else {
            m_context.messages->inform(
                m_context.main, MessageTexts::kWarningTitle,
                QCoreApplication::translate("MyScriptsCommands",
                                            "All entry slots have been occupied!"));
        }
        return;
    }
    m_context.windows->show(QStringLiteral("frmCustom"));
}

void MyScriptsCommands::clearAllEntries() {
    if (m_context.messages->askYesNo(
            m_context.main, MessageTexts::kWarningTitle,
            QCoreApplication::translate(
                "MyScriptsCommands",
                "Are you sure you want to clear all of your 'My Scripts' entries?"),
            MessageBoxes::Answer::Yes) == MessageBoxes::Answer::No)
        return;
    if (!MyScripts::backupBefore(m_context, m_context.main, QStringLiteral("clear-all"),
                                 QCoreApplication::translate("MyScriptsCommands", "cleared")))
        return;
    const StoreWriteResult result = SlotStore(*m_context.store).clearAllSlots();
    if (!result.ok) {
        // Nothing was cleared, so there is nothing for Undo Clear All to bring back.
        const QList<SettingsStore::Backup> backups = m_context.store->backups();
        if (!backups.isEmpty() && backups.first().label == QLatin1String("clear-all"))
            (void)m_context.store->relabelBackup(backups.first(),
                                                 QStringLiteral("clear-all-failed"));
        MyScripts::reportStoreFailure(
            m_context, m_context.main,
            QCoreApplication::translate("MyScriptsCommands",
                                        "Your 'My Scripts' entries could not be "
                                        "cleared"),
            result);
    }
    MyScripts::refreshList(m_context);
}

QList<MyScriptsService::EntrySummary> MyScriptsCommands::entrySummaries() {
    QList<EntrySummary> summaries;
    const SlotStore store(*m_context.store);
    for (int slot = 1; slot <= SlotStore::SlotCount; ++slot) {
        const MyScriptSlot values = store.readSlot(slot);
        if (!values.name.isEmpty())
            summaries.append({values.name, values.description});
    }
    return summaries;
}

void MyScriptsCommands::openEntry(const QString& name) {
    // The entry viewer shows the row selected in frmMain's list, so the row is selected first.
    if (m_context.main) {
        MyScripts::refreshList(m_context);
        if (!m_context.main->selectRow(name))
            return;
    }
    m_context.windows->show(QStringLiteral("frmCustom"));
}

void MyScriptsCommands::undoClearAll() {
    MyScripts::undoClearAll(m_context);
}

void MyScriptsCommands::restoreFromBackup() {
    MyScripts::restoreFromBackup(m_context);
}

void MyScriptsCommands::exportEntries() {
    MyScripts::exportEntries(m_context);
}

void MyScriptsCommands::importEntries() {
    MyScripts::importEntries(m_context);
}
