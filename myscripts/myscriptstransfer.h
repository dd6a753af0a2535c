// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct AppContext;
class QWidget;

// Backups, undo, restore, export and import of the user's entries: the Main menu's My Scripts
// commands beyond the list itself.
namespace MyScripts {

// Copies the store into its backups folder before a change that replaces many entries; tells
// the user and returns false when that cannot be done (the change must not go ahead then).
bool backupBefore(AppContext& context, QWidget* parent, const QString& label,
                  const QString& change);

// After a save: one backup a day at most.
void backupDaily(AppContext& context);

void undoClearAll(AppContext& context);
void restoreFromBackup(AppContext& context);
void exportEntries(AppContext& context);
void importEntries(AppContext& context);

} // namespace MyScripts
