// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/samplepage.h"

#include <QStringList>

namespace SamplePage {

namespace {

using Kind = EntryBlock::Kind;

QString escapeHtml(const QString& text) {
    return text.toHtmlEscaped();
}

struct Parts {
    QString head;
    QString bodyAttributes;
    QString body;
};

Parts assemble(const ScriptEntry& entry) {
    QStringList head;
    QStringList attributes;
    QStringList afterBodyTag;
    QStringList body;
    if (!entry.demoHead.isEmpty())
        head.append(entry.demoHead);
    for (const EntryBlock& block : entry.blocks) {
        switch (block.kind) {
        case Kind::H:
        case Kind::H2:
            head.append(block.code);
            break;
        case Kind::T:
        case Kind::T2:
            attributes.append(block.code.simplified());
            break;
        case Kind::A:
            afterBodyTag.append(block.code);
            break;
        case Kind::B:
        case Kind::W:
        case Kind::X:
        case Kind::C:
            body.append(block.code);
            break;
        case Kind::N:
        case Kind::P1:
        case Kind::P2:
            break;
        }
    }
    if (!entry.demo.isEmpty())
        afterBodyTag.append(entry.demo);
    Parts parts;
    parts.head = head.join(QLatin1Char('\n'));
    parts.bodyAttributes = attributes.join(QLatin1Char(' '));
    parts.body = (afterBodyTag + body).join(QLatin1Char('\n'));
    return parts;
}

} // namespace

QString generate(const ScriptEntry& entry) {
    for (const EntryBlock& block : entry.blocks) {
        if (block.kind == Kind::P1 || block.kind == Kind::P2)
            return block.code + QLatin1Char('\n');
    }
    const Parts parts = assemble(entry);
    if (!entry.pageTemplate.isEmpty()) {
        QString page = entry.pageTemplate;
        page.replace(QStringLiteral("{{title}}"), escapeHtml(entry.title));
        page.replace(QStringLiteral("{{head}}"), parts.head);
        page.replace(QStringLiteral("{{bodyattrs}}"), parts.bodyAttributes);
        page.replace(QStringLiteral("{{body}}"), parts.body);
        for (int i = 0; i < 4; ++i) {
            const QString code = i < entry.blocks.size() ? entry.blocks.at(i).code : QString();
            page.replace(QStringLiteral("{{block%1}}").arg(i + 1), code);
        }
        return page + QLatin1Char('\n');
    }
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>");
    page += escapeHtml(entry.title);
    page += QStringLiteral("</title>\n");
    page += parts.head;
    page += QStringLiteral("\n</head>\n<body");
    if (!parts.bodyAttributes.isEmpty())
        page += QLatin1Char(' ') + parts.bodyAttributes;
    page += QStringLiteral(">\n");
    page += parts.body;
    page += QStringLiteral("\n</body></html>\n");
    return page;
}

} // namespace SamplePage
