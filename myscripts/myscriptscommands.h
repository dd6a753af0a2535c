// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/services.h"

#include <QObject>

struct AppContext;
struct StoreWriteResult;
class QWidget;

namespace MyScripts {

extern const QString kAddNewRow;
extern const QString kWarningTitle;
extern const QString kErrorTitle;

// Rebuilds frmMain's list from the store and leaves "My Scripts!" selected. Going through
// category 15 first makes the change fire even when 16 is already selected.
void refreshList(AppContext& context);

// Tells the user that writes did not all reach the store; `what` is "saved", "deleted" or
// "cleared".
void reportStoreFailure(AppContext& context, QWidget* parent, const QString& what,
                        const StoreWriteResult& result, const QString& partlyNote);

} // namespace MyScripts

// frmMain's "My Scripts!" category, its double-click rules and "&Clear All Entries".
class MyScriptsCommands final : public QObject, public MyScriptsService {
    Q_OBJECT
public:
    MyScriptsCommands(AppContext& context, QObject* parent = nullptr);

    void fillList(QListWidget* list) override;
    void dispatch(const QString& rowText) override;
    void clearAllEntries() override;

private:
    AppContext& m_context;
};
