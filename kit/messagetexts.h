// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The titles of the program's message boxes, in one place.
namespace MessageTexts {

// Something failed: a picture, the settings store, the browser engine.
inline const QString kErrorTitle = QStringLiteral("Tagloom Error!");
// The user is asked to confirm, or told why a command cannot run.
inline const QString kWarningTitle = QStringLiteral("Warning!");

} // namespace MessageTexts
