// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QUrl>

// What a previewed snippet may load: the bundled site's own files and what the page makes
// itself (data: and blob: addresses); nothing from the network, no other local file. Header
// only, so the web plugin applies the same rule without linking the program.
namespace SandboxPolicy {

inline bool allows(const QUrl& url, const QString& siteFolder) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("data") || scheme == QLatin1String("blob"))
        return true;
    if (scheme != QLatin1String("file") || siteFolder.isEmpty() || !url.host().isEmpty())
        return false;
    const QString root = QDir::cleanPath(QFileInfo(siteFolder).absoluteFilePath());
    QString path = QDir::cleanPath(url.toLocalFile());
    // Links inside the site must not lead out of it; resolve them to their real place.
    const QFileInfo info(path);
    if (info.exists())
        path = info.canonicalFilePath();
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString base = canonicalRoot.isEmpty() ? root : canonicalRoot;
    return path == base || path.startsWith(base + QLatin1Char('/'));
}

} // namespace SandboxPolicy
