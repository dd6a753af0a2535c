// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entryparser.h"

#include "model/secondarywindows.h"
#include "model/textrules.h"

#include <QHash>
#include <QStringList>

namespace {

const QString kMarker = QStringLiteral("@@");
constexpr int kMaximumBlocks = 4;
constexpr int kMaximumDescription = 441;

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

bool isMarker(const QString& line) {
    return line.startsWith(kMarker) && (line.size() == 2 || line.at(2) == QLatin1Char(' '));
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

namespace {

// One pass over the lines; every check looks at each line or section once.
class Parser {
public:
    explicit Parser(const QString& fileName)
        : m_fileName(fileName) {}

    EntryParser::Result run(const QString& text);

private:
    bool fail(int line, const QString& message);
    bool readLine(const QString& line);
    bool readMarker(const QString& line);
    bool readBlockMarker(const QString& word, const QString& tail, Section* section);
    bool readHeaderLine(const QString& line);
    bool storeKey(const QString& key, const QString& value);
    static bool isQuirkKey(const QString& key);
    bool storeQuirk(const QString& key, const QString& value);
    bool checkHeader();
    bool finishSection(const Section& section);
    bool checkEntry();

    QString m_fileName;
    EntryParser::Result m_result;
    int m_line = 0;
    int m_lineCount = 0;
    QHash<QString, int> m_keyLines;
    QList<Section> m_sections;
    bool m_inHeader = true;
    bool m_sawExtraSection = false; // a demo, demo-head or page section
    int m_blockCount = 0;
};

bool Parser::fail(int line, const QString& message) {
    m_result.ok = false;
    m_result.error = QStringLiteral("%1:%2: %3").arg(m_fileName).arg(line).arg(message);
    return false;
}

EntryParser::Result Parser::run(const QString& text) {
    QString problem;
    if (!TextRules::check(text, m_fileName, &problem)) {
        m_result.error = problem;
        return m_result;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    m_lineCount = int(lines.size());
    for (const QString& line : std::as_const(lines)) {
        ++m_line;
        if (!readLine(line))
            return m_result;
    }
    if (!checkHeader())
        return m_result;
    for (const Section& section : std::as_const(m_sections)) {
        if (!finishSection(section))
            return m_result;
    }
    if (!checkEntry())
        return m_result;
    m_result.ok = true;
    m_result.keyLines = m_keyLines;
    return m_result;
}

bool Parser::readLine(const QString& line) {
    if (isMarker(line))
        return readMarker(line);
    if (!m_inHeader) {
        m_sections.last().lines.append(line);
        return true;
    }
    return readHeaderLine(line);
}

bool Parser::readMarker(const QString& line) {
    m_inHeader = false;
    const QString rest = line.mid(3);
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    const QString word = space < 0 ? rest : rest.left(space);
    const QString tail = space < 0 ? QString() : rest.mid(space + 1);
    Section section;
    section.line = m_line;
    if (word == QLatin1String("demo") || word == QLatin1String("demo-head") ||
        word == QLatin1String("page")) {
        if (!tail.trimmed().isEmpty())
            return fail(m_line, QStringLiteral("unexpected text after '@@ %1'").arg(word));
        section.type = word == QLatin1String("demo")   ? Section::Type::Demo
                       : word == QLatin1String("page") ? Section::Type::Page
                                                       : Section::Type::DemoHead;
        m_sawExtraSection = true;
    } else if (!readBlockMarker(word, tail, &section)) {
        return false;
    }
    m_sections.append(section);
    return true;
}

bool Parser::readBlockMarker(const QString& word, const QString& tail, Section* section) {
    if (m_sawExtraSection)
        return fail(m_line, QStringLiteral("block after a demo or page section"));
    if (++m_blockCount > kMaximumBlocks)
        return fail(m_line, QStringLiteral("an entry has 1 to %1 blocks").arg(kMaximumBlocks));
    EntryBlock::Kind kind;
    if (!EntryBlock::kindFromLetter(word, &kind))
        return fail(m_line, QStringLiteral("unknown block code '%1'").arg(word));
    section->block.kind = kind;
    if (kind == EntryBlock::Kind::X || kind == EntryBlock::Kind::N)
        section->block.instruction = tail.trimmed();
    else if (!tail.trimmed().isEmpty())
        return fail(m_line, QStringLiteral("block code %1 takes no instruction text").arg(word));
    else
        section->block.instruction = EntryBlock::standardInstruction(kind);
    return true;
}

bool Parser::readHeaderLine(const QString& line) {
    if (line.trimmed().isEmpty())
        return true;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return fail(m_line, QStringLiteral("expected 'key: value'"));
    const QString key = line.left(colon);
    QString value = line.mid(colon + 1);
    if (value.startsWith(QLatin1Char(' ')))
        value.remove(0, 1);
    if (m_keyLines.contains(key))
        return fail(m_line, QStringLiteral("duplicate key '%1'").arg(key));
    m_keyLines.insert(key, m_line);
    return storeKey(key, value);
}

bool Parser::storeKey(const QString& key, const QString& value) {
    ScriptEntry& entry = m_result.entry;
    if (key == QLatin1String("title"))
        entry.title = value;
    else if (key == QLatin1String("window"))
        entry.formName = value;
    else if (key == QLatin1String("caption"))
        entry.caption = value;
    else if (key == QLatin1String("sample")) {
        if (!EntryParser::isSafeSamplePath(value))
            return fail(m_line, QStringLiteral("sample must be a path inside the samples folder "
                                               "(no '..', no leading '/', no '\\' or ':')"));
        entry.samplePage = value;
    } else if (key == QLatin1String("height")) {
        bool ok = false;
        entry.height = value.toInt(&ok);
        if (!ok || entry.height <= 0)
            return fail(m_line, QStringLiteral("height must be a positive number of twips"));
    } else if (key == QLatin1String("extra")) {
        if (!SecondaryWindows::find(value))
            return fail(m_line, QStringLiteral("unknown extra window '%1'").arg(value));
        entry.extraWindow = value;
    } else if (key == QLatin1String("probe"))
        entry.probe = value;
    else if (isQuirkKey(key))
        return storeQuirk(key, value);
    else if (key == QLatin1String("description"))
        entry.description = value;
    else
        return fail(m_line, QStringLiteral("unknown key '%1'").arg(key));
    return true;
}

bool Parser::isQuirkKey(const QString& key) {
    static const QStringList keys{QStringLiteral("code-heading"), QStringLiteral("tab-order"),
                                  QStringLiteral("sample-browser"), QStringLiteral("background"),
                                  QStringLiteral("address-box")};
    return keys.contains(key);
}

// The few viewers that differ from the standard window say so in their files.
bool Parser::storeQuirk(const QString& key, const QString& value) {
    ViewerQuirks& quirks = m_result.entry.quirks;
    const auto oneOf = [&](const char* first, const char* second, bool* isSecond) {
        *isSecond = value == QLatin1String(second);
        if (*isSecond || value == QLatin1String(first))
            return true;
        return fail(m_line, QStringLiteral("%1 is '%2' or '%3'")
                                .arg(key, QLatin1String(first), QLatin1String(second)));
    };
    bool second = false;
    if (key == QLatin1String("code-heading")) {
        if (!oneOf("yes", "no", &second))
            return false;
        quirks.codeHeading = !second;
    } else if (key == QLatin1String("tab-order")) {
        if (!oneOf("forward", "reverse", &second))
            return false;
        quirks.reverseTabOrder = second;
    } else if (key == QLatin1String("sample-browser")) {
        if (!oneOf("desktop", "separate", &second))
            return false;
        quirks.separateBrowser = second;
    } else if (key == QLatin1String("background")) {
        if (!oneOf("standard", "tall", &second))
            return false;
        quirks.tallBackground = second;
    } else {
        if (!oneOf("txtURL", "Text2", &second))
            return false;
        quirks.addressBoxName = value;
    }
    return true;
}

bool Parser::checkHeader() {
    // Missing keys are reported where the header ends.
    const int headerEnd = m_sections.isEmpty() ? std::max(1, m_lineCount) : m_sections.first().line;
    for (const char* required : {"title", "window", "caption", "height", "description"}) {
        if (!m_keyLines.contains(QString::fromLatin1(required)))
            return fail(headerEnd,
                        QStringLiteral("missing key '%1'").arg(QString::fromLatin1(required)));
    }
    if (m_result.entry.description.size() > kMaximumDescription)
        return fail(
            m_keyLines.value(QStringLiteral("description")),
            QStringLiteral("description longer than %1 characters").arg(kMaximumDescription));
    return true;
}

bool Parser::finishSection(const Section& section) {
    ScriptEntry& entry = m_result.entry;
    const QString body = joinCode(section.lines);
    switch (section.type) {
    case Section::Type::Demo:
        entry.demo = body;
        return true;
    case Section::Type::DemoHead:
        entry.demoHead = body;
        return true;
    case Section::Type::Page:
        entry.pageTemplate = body;
        return true;
    case Section::Type::Block:
        break;
    }
    EntryBlock block = section.block;
    const QString letter = EntryBlock::letter(block.kind);
    if (block.kind == EntryBlock::Kind::N) {
        if (!body.trimmed().isEmpty())
            return fail(section.line, QStringLiteral("a note block (N) has no code"));
    } else {
        block.code = body;
    }
    const bool needsText = block.kind == EntryBlock::Kind::X || block.kind == EntryBlock::Kind::N;
    if (needsText && block.instruction.isEmpty())
        return fail(section.line,
                    QStringLiteral("block %1 needs its instruction text").arg(letter));
    if (block.hasCodeBox() && block.code.trimmed().isEmpty())
        return fail(section.line, QStringLiteral("block %1 has no code").arg(letter));
    entry.blocks.append(block);
    return true;
}

bool Parser::checkEntry() {
    if (m_result.entry.blocks.isEmpty())
        return fail(m_sections.isEmpty() ? std::max(1, m_lineCount) : m_sections.first().line,
                    QStringLiteral("an entry has 1 to %1 blocks").arg(kMaximumBlocks));
    return true;
}

} // namespace

EntryParser::Result EntryParser::parse(const QString& text, const QString& fileName) {
    return Parser(fileName).run(text);
}

EntryParser::Result EntryParser::parseFile(const QByteArray& bytes, const QString& fileName) {
    Result result;
    QString text;
    if (!TextRules::decode(bytes, fileName, &text, &result.error))
        return result;
    return parse(text, fileName);
}

bool EntryParser::isSafeSamplePath(const QString& path) {
    if (path.isEmpty() || path.contains(QLatin1Char('\\')) || path.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}
