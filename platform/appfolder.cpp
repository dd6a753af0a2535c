// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace AppFolder {

namespace {

QString firstExistingDir(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(candidates.first());
}

} // namespace

QString path() {
    const QString binDir = QCoreApplication::applicationDirPath();
    return firstExistingDir({binDir + QStringLiteral("/../") + QStringLiteral(TAGLOOM_DATA_SUBDIR),
                             QStringLiteral(TAGLOOM_BUILD_DATA_DIR)});
}

QString scriptsFolder() {
    return QDir::cleanPath(path() + QStringLiteral("/scripts"));
}

QString pluginPath() {
    const QString binDir = QCoreApplication::applicationDirPath();
    return firstExistingDir(
        {binDir + QStringLiteral("/../") + QStringLiteral(TAGLOOM_PLUGIN_SUBDIR),
         QStringLiteral(TAGLOOM_BUILD_DATA_DIR) + QStringLiteral("/../../lib/tagloom")});
}

QString sampleBaseUrl() {
    const QString configured = QStringLiteral(TAGLOOM_SAMPLE_BASE_URL);
    if (!configured.isEmpty())
        return configured.endsWith(QLatin1Char('/')) ? configured.chopped(1) : configured;
    return QUrl::fromLocalFile(path() + QStringLiteral("/site")).toString();
}

} // namespace AppFolder
