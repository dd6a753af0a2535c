// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/pagesnippet.h"

#include "model/scriptentry.h"

#include <QRegularExpression>

namespace {

bool mentionsAll(const QString& text, std::initializer_list<const char*> words) {
    for (const char* word : words) {
        if (!text.contains(QLatin1String(word), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

QString trimmedCode(const QString& code) {
    QString result = code;
    while (result.endsWith(QLatin1Char('\n')) || result.endsWith(QLatin1Char('\r')))
        result.chop(1);
    return result;
}

} // namespace

PageSnippet::Place PageSnippet::placeForInstruction(const QString& instruction, bool* newPage,
                                                    QString* fileName) {
    if (newPage)
        *newPage = false;
    static const QRegularExpression saveAs(QStringLiteral("\\bsave (?:the following|this) as "
                                                          "([\\w.-]+\\.html?)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = saveAs.match(instruction);
    if (match.hasMatch()) {
        if (newPage)
            *newPage = true;
        if (fileName)
            *fileName = match.captured(1);
        return Place::Anywhere;
    }
    if (mentionsAll(instruction, {"<HEAD>", "</HEAD>"}))
        return Place::Head;
    if (mentionsAll(instruction, {"after the <BODY> tag"}))
        return Place::BodyStart;
    if (mentionsAll(instruction, {"before the </BODY> tag"}))
        return Place::BodyEnd;
    if (mentionsAll(instruction, {"inside your <BODY> tag"}) ||
        mentionsAll(instruction, {"inside your BODY tag"}))
        return Place::BodyTag;
    return Place::Anywhere;
}

namespace {

// A block whose place only its instruction tells: a page of its own, or code for a place.
void addByInstruction(const QString& instruction, const QString& code, PageSnippet* snippet,
                      QList<PageSnippet::Piece>* bodyEnd) {
    using Place = PageSnippet::Place;
    bool newPage = false;
    QString fileName;
    const Place place = PageSnippet::placeForInstruction(instruction, &newPage, &fileName);
    if (newPage)
        snippet->newPages.append({fileName, code});
    else if (place == Place::BodyEnd || place == Place::Anywhere)
        bodyEnd->append({place, code});
    else
        snippet->pieces.append({place, code});
}

} // namespace

PageSnippet PageSnippet::fromEntry(const ScriptEntry& entry, bool withDemo) {
    using Kind = EntryBlock::Kind;
    PageSnippet snippet;
    snippet.title = entry.title;
    QStringList mentions;
    if (withDemo && !entry.demoHead.isEmpty())
        snippet.pieces.append({Place::Head, trimmedCode(entry.demoHead)});
    QList<Piece> bodyEnd;
    for (const EntryBlock& block : entry.blocks) {
        mentions << block.instruction << block.code;
        const QString code = trimmedCode(block.code);
        switch (block.kind) {
        case Kind::H:
        case Kind::H2:
            snippet.pieces.append({Place::Head, code});
            break;
        case Kind::A:
            snippet.pieces.append({Place::BodyStart, code});
            break;
        case Kind::T:
        case Kind::T2:
            snippet.pieces.append({Place::BodyTag, code.simplified()});
            break;
        case Kind::B:
            bodyEnd.append({Place::BodyEnd, code});
            break;
        case Kind::W:
            bodyEnd.append({Place::Anywhere, code});
            break;
        case Kind::X:
            addByInstruction(block.instruction, code, &snippet, &bodyEnd);
            break;
        case Kind::C:
            // Code goes in like any body block; a plain-text step is for the user to follow.
            if (code.trimmed().startsWith(QLatin1Char('<')))
                bodyEnd.append({Place::Anywhere, code});
            else
                snippet.byHand.append(code.simplified());
            break;
        case Kind::N:
            snippet.byHand.append(block.instruction);
            break;
        case Kind::P1:
        case Kind::P2:
            snippet.newPages.append({QString(), code});
            break;
        }
    }
    if (withDemo && !entry.demo.isEmpty())
        snippet.pieces.append({Place::BodyStart, trimmedCode(entry.demo)});
    snippet.pieces.append(bodyEnd);
    snippet.mentions = mentions.join(QLatin1Char('\n'));
    return snippet;
}

PageSnippet PageSnippet::fromMyScript(const QString& title, const QString& head,
                                      const QString& body) {
    PageSnippet snippet;
    snippet.title = title;
    if (!head.trimmed().isEmpty())
        snippet.pieces.append({Place::Head, trimmedCode(head)});
    if (!body.trimmed().isEmpty())
        snippet.pieces.append({Place::BodyEnd, trimmedCode(body)});
    snippet.mentions = head + QLatin1Char('\n') + body;
    return snippet;
}
