// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entrydocument.h"

#include "model/scriptentry.h"

EntryDocument EntryDocument::fromEntry(const ScriptEntry& entry, const QString& category) {
    EntryDocument document;
    document.title = entry.title;
    document.category = category;
    document.description = entry.description;
    for (const EntryBlock& block : entry.blocks)
        document.blocks.append({block.instruction, block.code, block.hasCodeBox()});
    return document;
}

int EntryDocument::codeBlockCount() const {
    int count = 0;
    for (const Block& block : blocks)
        count += block.hasCode ? 1 : 0;
    return count;
}

int EntryDocument::blockOfCodeBox(int codeBox) const {
    if (codeBox < 0)
        return -1;
    for (int i = 0; i < blocks.size(); ++i) {
        if (blocks.at(i).hasCode && codeBox-- == 0)
            return i;
    }
    return -1;
}

QString EntryDocument::placementComment(const QString& placement) {
    QString text = placement.trimmed();
    while (text.contains(QLatin1String("--")))
        text.replace(QLatin1String("--"), QLatin1String("- -"));
    return QStringLiteral("<!-- %1 -->").arg(text);
}

QString EntryDocument::allBlocksText() const {
    QStringList parts;
    for (const Block& block : blocks) {
        QString part;
        if (!block.placement.trimmed().isEmpty())
            part = placementComment(block.placement);
        if (block.hasCode) {
            if (!part.isEmpty())
                part += QLatin1Char('\n');
            part += block.code;
            if (!part.endsWith(QLatin1Char('\n')))
                part += QLatin1Char('\n');
        } else if (!part.isEmpty()) {
            part += QLatin1Char('\n');
        }
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(QLatin1Char('\n'));
}
