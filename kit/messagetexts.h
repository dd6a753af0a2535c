// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/translatedtext.h"

// The titles of the program's message boxes, in one place.
namespace MessageTexts {

// Something failed: a picture, the settings store, the browser engine.
inline constexpr TranslatedText kErrorTitle{"MessageTexts",
                                            QT_TRANSLATE_NOOP("MessageTexts", "Tagloom Error!")};
// The user is asked to confirm, or told why a command cannot run.
inline constexpr TranslatedText kWarningTitle{"MessageTexts",
                                              QT_TRANSLATE_NOOP("MessageTexts", "Warning!")};
// A skin picture could not be loaded.
inline constexpr TranslatedText kSkinFailure{
    "MessageTexts",
    QT_TRANSLATE_NOOP("MessageTexts",
                      "Cannot load skin.  See the Tagloom FAQ page for instructions!")};

} // namespace MessageTexts
