// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/services.h"

#include <QObject>

struct AppContext;
class QWidget;

namespace MyScripts {

extern const QString kAddNewRow;
extern const QString kWarningTitle;

// Rebuilds frmMain's list from the store and leaves "My Scripts!" selected. Going through
// category 15 first makes the change fire even when 16 is already selected.
void refreshList(AppContext& context);

} // namespace MyScripts

// frmMain's "My Scripts!" category, its double-click rules and the Main menu's My Scripts
// commands.
class MyScriptsCommands final : public QObject, public MyScriptsService {
    Q_OBJECT
public:
    MyScriptsCommands(AppContext& context, QObject* parent = nullptr);

    void fillList(QListWidget* list) override;
    void dispatch(const QString& rowText) override;
    void clearAllEntries() override;
    QList<EntrySummary> entrySummaries() override;
    void openEntry(const QString& name) override;
    void undoClearAll() override;
    void restoreFromBackup() override;
    void exportEntries() override;
    void importEntries() override;

private:
    AppContext& m_context;
};
