// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptscommands.h"

#include "platform/messageboxes.h"

#include "myscripts/slotstore.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/windowregistry.h"

#include <QComboBox>
#include <QListWidget>

namespace MyScripts {

const QString kAddNewRow = QStringLiteral("Add New Script...");
const QString kWarningTitle = QStringLiteral("Warning!");
const QString kErrorTitle = QStringLiteral("Tagloom Error!");

void refreshList(AppContext& context) {
    if (context.main)
        context.main->reloadMyScripts();
}

void reportStoreFailure(AppContext& context, QWidget* parent, const QString& what,
                        const StoreWriteResult& result, const QString& partlyNote) {
    if (!context.messages)
        return;
    QString text = QStringLiteral("The entry could not be %1: the settings store refused to "
                                  "write it.")
                       .arg(what);
    if (!result.error.trimmed().isEmpty())
        text += QStringLiteral("\n\nReason: ") + result.error.trimmed();
    if (result.written > 0 && !partlyNote.isEmpty())
        text += QStringLiteral("\n\n") + partlyNote;
    context.messages->inform(parent, kErrorTitle, text, MessageBoxes::Icon::Warning);
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
    list->addItems(SlotStore(*m_context.store).listUsedSlots());
}

void MyScriptsCommands::dispatch(const QString& rowText) {
    if (!m_context.windows)
        return;
    if (rowText == MyScripts::kAddNewRow) {
        if (m_context.store && SlotStore(*m_context.store).anySlotFree()) {
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
    const StoreWriteResult result = SlotStore(*m_context.store).clearAllSlots();
    if (!result.ok) {
        QString text = QStringLiteral("Not all of your 'My Scripts' entries could be cleared: "
                                      "the settings store refused to write.");
        if (!result.error.trimmed().isEmpty())
            text += QStringLiteral("\n\nReason: ") + result.error.trimmed();
        text += QStringLiteral("\n\nThe list shows the entries that are still stored.");
        m_context.messages->inform(m_context.main, MyScripts::kErrorTitle, text,
                                   MessageBoxes::Icon::Warning);
    }
    MyScripts::refreshList(m_context);
}
