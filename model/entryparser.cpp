// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entryparser.h"

#include <QHash>
#include <QStringList>

namespace {

const QString kMarker = QStringLiteral("@@");

struct Section {
    enum class Type { Block, Demo, DemoHead, Page } type = Type::Block;
    EntryBlock block;
    QStringList lines;
    int line = 0;
};

QString joinCode(QStringList lines) {
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString EntryBlock::letter(Kind kind) {
    static const char* const letters[] = {"B", "H", "T",  "P1", "P2", "T2",
                                          "W", "A", "H2", "X",  "N",  "C"};
    return QString::fromLatin1(letters[int(kind)]);
}

bool EntryBlock::kindFromLetter(const QString& letterText, Kind* kind) {
    for (int i = 0; i <= int(Kind::C); ++i) {
        if (letter(Kind(i)) == letterText) {
            *kind = Kind(i);
            return true;
        }
    }
    return false;
}

QString EntryBlock::standardInstruction(Kind kind) {
    switch (kind) {
    case Kind::B:
        return QStringLiteral(
            "Enter the following between the <BODY> and </BODY> tags of your page:");
    case Kind::H:
        return QStringLiteral(
            "Enter the following between the <HEAD> and </HEAD> tags of your page:");
    case Kind::T:
        return QStringLiteral("Enter the following inside your <BODY> tag:");
    case Kind::P1:
        return QStringLiteral("Enter the following in a blank html page and then save!");
    case Kind::P2:
        return QStringLiteral("Enter the following in a blank html page and then save:");
    case Kind::T2:
        return QStringLiteral("Enter the following inside your BODY tag:");
    case Kind::W:
        return QStringLiteral("Enter the following wherever you want the text to appear:");
    case Kind::A:
        return QStringLiteral("Enter the following immediately after the <BODY> tag:");
    case Kind::H2:
        return QStringLiteral(
            "Place the following between your <HEAD> and </HEAD> tags of your page:");
    case Kind::X:
    case Kind::N:
    case Kind::C:
        break;
    }
    return QString();
}

QString ScriptEntry::sampleUrl(const QString& baseUrl) const {
    if (samplePage.isEmpty())
        return QString();
    return baseUrl + QStringLiteral("/tagloom/samples/") + samplePage;
}

EntryParser::Result EntryParser::parse(const QString& text, const QString& fileName) {
    Result result;
    int lineNumber = 0;
    auto fail = [&](const QString& message) {
        result.ok = false;
        result.error = QStringLiteral("%1:%2: %3").arg(fileName).arg(lineNumber).arg(message);
        return result;
    };

    if (text.contains(QLatin1Char('\r'))) {
        lineNumber = int(text.left(text.indexOf(QLatin1Char('\r'))).count(QLatin1Char('\n'))) + 1;
        return fail(QStringLiteral("carriage return in file (line breaks must be plain LF)"));
    }

    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    ScriptEntry& entry = result.entry;
    QHash<QString, int> seenKeys;
    QList<Section> sections;
    bool inHeader = true;
    bool haveHeight = false;

    for (const QString& line : std::as_const(lines)) {
        ++lineNumber;
        if (line.startsWith(kMarker) && (line.size() == 2 || line.at(2) == QLatin1Char(' '))) {
            inHeader = false;
            const QString rest = line.mid(3);
            const int space = int(rest.indexOf(QLatin1Char(' ')));
            const QString word = space < 0 ? rest : rest.left(space);
            const QString tail = space < 0 ? QString() : rest.mid(space + 1);
            Section section;
            section.line = lineNumber;
            if (word == QLatin1String("demo") || word == QLatin1String("demo-head") ||
                word == QLatin1String("page")) {
                if (!tail.trimmed().isEmpty())
                    return fail(QStringLiteral("unexpected text after '@@ %1'").arg(word));
                section.type = word == QLatin1String("demo")   ? Section::Type::Demo
                               : word == QLatin1String("page") ? Section::Type::Page
                                                               : Section::Type::DemoHead;
            } else {
                for (const Section& earlier : std::as_const(sections)) {
                    if (earlier.type != Section::Type::Block)
                        return fail(QStringLiteral("block after a demo or page section"));
                }
                EntryBlock::Kind kind;
                if (!EntryBlock::kindFromLetter(word, &kind))
                    return fail(QStringLiteral("unknown block code '%1'").arg(word));
                section.block.kind = kind;
                if (kind == EntryBlock::Kind::X || kind == EntryBlock::Kind::N) {
                    section.block.instruction = tail.trimmed();
                } else if (!tail.trimmed().isEmpty()) {
                    return fail(
                        QStringLiteral("block code %1 takes no instruction text").arg(word));
                } else {
                    section.block.instruction = EntryBlock::standardInstruction(kind);
                }
            }
            sections.append(section);
            continue;
        }
        if (!inHeader) {
            sections.last().lines.append(line);
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        const int colon = int(line.indexOf(QLatin1Char(':')));
        if (colon <= 0)
            return fail(QStringLiteral("expected 'key: value'"));
        const QString key = line.left(colon);
        QString value = line.mid(colon + 1);
        if (value.startsWith(QLatin1Char(' ')))
            value.remove(0, 1);
        if (seenKeys.contains(key))
            return fail(QStringLiteral("duplicate key '%1'").arg(key));
        seenKeys.insert(key, lineNumber);
        if (key == QLatin1String("title"))
            entry.title = value;
        else if (key == QLatin1String("window"))
            entry.formName = value;
        else if (key == QLatin1String("caption"))
            entry.caption = value;
        else if (key == QLatin1String("sample"))
            entry.samplePage = value;
        else if (key == QLatin1String("height")) {
            bool ok = false;
            entry.height = value.toInt(&ok);
            if (!ok || entry.height <= 0)
                return fail(QStringLiteral("height must be a positive number of twips"));
            haveHeight = true;
        } else if (key == QLatin1String("extra"))
            entry.extraWindow = value;
        else if (key == QLatin1String("probe"))
            entry.probe = value;
        else if (key == QLatin1String("description"))
            entry.description = value;
        else if (key == QLatin1String("status")) {
            if (value != QLatin1String("todo"))
                return fail(QStringLiteral("status can only be 'todo'"));
            entry.todo = true;
        } else
            return fail(QStringLiteral("unknown key '%1'").arg(key));
    }

    lineNumber = 0;
    for (const char* required : {"title", "window", "caption", "height", "description"}) {
        if (!seenKeys.contains(QString::fromLatin1(required)))
            return fail(QStringLiteral("missing key '%1'").arg(QString::fromLatin1(required)));
    }
    Q_UNUSED(haveHeight)

    for (const Section& section : std::as_const(sections)) {
        lineNumber = section.line;
        const QString body = joinCode(section.lines);
        switch (section.type) {
        case Section::Type::Demo:
            entry.demo = body;
            break;
        case Section::Type::DemoHead:
            entry.demoHead = body;
            break;
        case Section::Type::Page:
            entry.pageTemplate = body;
            break;
        case Section::Type::Block: {
            EntryBlock block = section.block;
            if (block.kind == EntryBlock::Kind::N) {
                if (!body.trimmed().isEmpty())
                    return fail(QStringLiteral("a note block (N) has no code"));
            } else {
                block.code = body;
            }
            if (!entry.todo &&
                (block.kind == EntryBlock::Kind::X || block.kind == EntryBlock::Kind::N) &&
                block.instruction.isEmpty())
                return fail(QStringLiteral("block %1 needs its instruction text")
                                .arg(EntryBlock::letter(block.kind)));
            if (!entry.todo && block.hasCodeBox() && block.code.trimmed().isEmpty())
                return fail(
                    QStringLiteral("block %1 has no code").arg(EntryBlock::letter(block.kind)));
            entry.blocks.append(block);
            break;
        }
        }
    }
    lineNumber = 0;
    if (entry.blocks.isEmpty() || entry.blocks.size() > 4)
        return fail(QStringLiteral("an entry has 1 to 4 blocks"));
    if (entry.description.size() > 441)
        return fail(QStringLiteral("description longer than 441 characters"));

    result.ok = true;
    return result;
}
