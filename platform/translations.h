// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

namespace Translations {

// Loads tagloom_<language>.qm for the locale from the folder and installs it in the
// application. English is the source language: with no file for the locale nothing is
// installed and the program shows its own texts. Returns the installed translator (owned by
// the application object) or nullptr.
QTranslator* install(const QLocale& locale, const QString& folder);

// The translations folder of the program's data folder.
QString folder();

} // namespace Translations
