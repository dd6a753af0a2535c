// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct AppContext;
struct StoreReadStatus;
struct StoreWriteResult;
class QWidget;

// What the user is told when the store lets My Scripts down: what failed and what to do in
// plain words, the store's own wording only under "Show Details".
namespace MyScripts {

extern const QString kErrorTitle;

// The store's path and its error text, for the details part of a message.
QString storeDetails(AppContext& context, const QString& error);

// "Your My Scripts entries could not be read: ..." Returns true when the user asks to try
// again (offered only when another program held the store).
bool reportReadFailure(AppContext& context, QWidget* parent, const StoreReadStatus& status);

// Tells the user that a change did not reach the store; `failed` says which ("The entry
// could not be saved"). Nothing was changed: every change is one transaction.
void reportStoreFailure(AppContext& context, QWidget* parent, const QString& failed,
                        const StoreWriteResult& result);

// After start-up: tells the user once that a damaged store was rebuilt.
void announceRecovery(AppContext& context);

} // namespace MyScripts
