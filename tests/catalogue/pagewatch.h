// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWebEngineScript>

// A script installed before any page script runs, in every frame. It reports failed resources,
// uncaught errors and unhandled rejections through the console's original error function, so
// frames and pages that replace console.error are heard all the same. `more` is JavaScript run
// inside the same function afterwards, where that function is in scope as `report`.
QWebEngineScript pageWatchScript(const QString& more = QString());
