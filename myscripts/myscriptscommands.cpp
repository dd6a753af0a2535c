// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptscommands.h"

#include "platform/messageboxes.h"

#include "myscripts/myscriptstransfer.h"
#include "myscripts/slotstore.h"
#include "myscripts/storemessages.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/windowregistry.h"

#include <QComboBox>
#include <QListWidget>

namespace MyScripts {

const QString kAddNewRow = QStringLiteral("Add New Script...");
const QString kWarningTitle = QStringLiteral("Warning!");

void refreshList(AppContext& context) {
    if (context.main)
        context.main->reloadMyScripts();
}

} // namespace MyScripts

MyScriptsCommands::MyScriptsCommands(AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context) {}

void MyScriptsCommands::fillList(QListWidget* list) {
    list->clear();
    list->addItem(MyScripts::kAddNewRow);
    if (!m_context.store)
        return;
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
    if (!m_context.windows)
        return;
    if (rowText == MyScripts::kAddNewRow) {
        if (!m_context.store)
            return;
        SlotStore entries(*m_context.store);
        const bool anyFree = entries.anySlotFree();
        if (entries.readFailed()) {
            if (MyScripts::reportReadFailure(m_context, m_context.main, entries.readStatus()))
                dispatch(rowText);
        } else if (anyFree) {
            m_context.windows->show(QStringLiteral("frmNewTemplate"));
        } else if (m_context.messages) {
            m_context.messages->inform(m_context.main, MyScripts::kWarningTitle,
                                       QStringLiteral("All entry slots have been occupied!"));
        }
        return;
    }
    m_context.windows->show(QStringLiteral("frmCustom"));
}

void MyScriptsCommands::clearAllEntries() {
    // Without a way to ask, nothing is cleared.
    if (!m_context.store || !m_context.messages)
        return;
    if (m_context.messages->askYesNo(
            m_context.main, MyScripts::kWarningTitle,
            QStringLiteral("Are you sure you want to clear all of your 'My Scripts' entries?"),
            MessageBoxes::Answer::Yes) == MessageBoxes::Answer::No)
        return;
    if (!MyScripts::backupBefore(m_context, m_context.main, QStringLiteral("clear-all"),
                                 QStringLiteral("cleared")))
        return;
    const StoreWriteResult result = SlotStore(*m_context.store).clearAllSlots();
    if (!result.ok)
        MyScripts::reportStoreFailure(m_context, m_context.main,
                                      QStringLiteral("Your 'My Scripts' entries could not be "
                                                     "cleared"),
                                      result);
    MyScripts::refreshList(m_context);
}

QList<MyScriptsService::EntrySummary> MyScriptsCommands::entrySummaries() {
    QList<EntrySummary> summaries;
    if (!m_context.store)
        return summaries;
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
    if (m_context.windows)
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
