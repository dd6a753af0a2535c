// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/installedtext.h"

#include "model/scriptentry.h"

#include <QRegularExpression>
#include <QStringList>

namespace InstalledText {

namespace {

// Pages of the bundled site: the samples and the tool pages beside them.
const QString kSitePages = QStringLiteral("tagloom/");

QString nameScriptsFolder(QString text, const QString& folder) {
    if (folder.isEmpty() || !text.contains(QLatin1String("scripts folder")))
        return text;
    // "(scripts folder)" as an aside, otherwise the folder follows the phrase.
    text.replace(QStringLiteral("(scripts folder)"),
                 QStringLiteral("(scripts folder: %1)").arg(folder));
    static const QRegularExpression phrase(
        QStringLiteral("\\bscripts folder( of your Tagloom installation)?(?!:)"));
    text.replace(phrase, QStringLiteral("scripts folder\\1 (%1)").arg(folder));
    return text;
}

} // namespace

QString resolveText(const QString& text, const QString& siteBase, const QString& scriptsFolder) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (!siteBase.isEmpty() && trimmed.startsWith(kSitePages) &&
            !trimmed.contains(QLatin1Char(' ')))
            line = siteBase + QLatin1Char('/') + trimmed;
    }
    return nameScriptsFolder(lines.join(QLatin1Char('\n')), scriptsFolder);
}

ScriptEntry resolve(const ScriptEntry& entry, const QString& siteBase,
                    const QString& scriptsFolder) {
    ScriptEntry resolved = entry;
    resolved.description = nameScriptsFolder(entry.description, scriptsFolder);
    for (EntryBlock& block : resolved.blocks) {
        block.instruction = nameScriptsFolder(block.instruction, scriptsFolder);
        block.code = resolveText(block.code, siteBase, scriptsFolder);
    }
    return resolved;
}

} // namespace InstalledText
