// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/services.h"
#include "kit/translatedtext.h"

#include <QObject>

struct AppContext;
class QWidget;

namespace MyScripts {

// The list row that adds a script.
inline constexpr TranslatedText kAddNewRow{
    "MyScriptsCommands", QT_TRANSLATE_NOOP("MyScriptsCommands", "Add New Script...")};

// Rebuilds frmMain's list from the store and leaves "My Scripts!" selected.
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
