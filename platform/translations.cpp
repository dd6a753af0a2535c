// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include "platform/appfolder.h"

#include <QCoreApplication>
#include <QTranslator>

namespace Translations {

QTranslator* install(const QLocale& locale, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // QTranslator::load walks the locale's UI languages (de_AT, de, ...) for the best file.
    if (translator->load(locale, QStringLiteral("tagloom"), QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

QString folder() {
    return AppFolder::path() + QStringLiteral("/translations");
}

} // namespace Translations
