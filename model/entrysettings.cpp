// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entrysettings.h"

#include <QRegularExpression>

#include <cmath>

namespace EntrySettings {

namespace {

enum class Form { Script, Css, Html };

struct Line {
    int start = 0; // position in the code
    QString text;
};

QList<Line> splitLines(const QString& code) {
    QList<Line> lines;
    int start = 0;
    while (start <= code.size()) {
        int end = code.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = code.size();
        lines.append({start, code.mid(start, end - start)});
        start = end + 1;
    }
    return lines;
}

const QRegularExpression& startMarker() {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(//|/\*|<!--)\s*---\s*settings\b(.*?)(?:---)?\s*(\*/|-->)?\s*$)"));
    return re;
}

const QRegularExpression& endMarker() {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(//|/\*|<!--)\s*---\s*end of settings\s*---\s*(\*/|-->)?\s*$)"));
    return re;
}

Form formOf(const QString& opener) {
    if (opener == QLatin1String("/*"))
        return Form::Css;
    if (opener == QLatin1String("<!--"))
        return Form::Html;
    return Form::Script;
}

// Where a string, template or regular expression literal that starts at i ends (just after
// its closing delimiter), or -1 when it is not closed on its line (templates: in the code).
int skipQuoted(const QString& code, int i) {
    const QChar quote = code.at(i);
    for (++i; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (c == quote)
            return i + 1;
        if (c == QLatin1Char('\n') && quote != QLatin1Char('`'))
            return -1;
    }
    return -1;
}

int skipRegExp(const QString& code, int i) {
    bool inClass = false;
    for (++i; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('[')) {
            inClass = true;
        } else if (c == QLatin1Char(']')) {
            inClass = false;
        } else if (c == QLatin1Char('/') && !inClass) {
            ++i;
            while (i < code.size() && code.at(i).isLetter())
                ++i;
            return i;
        } else if (c == QLatin1Char('\n')) {
            return -1;
        }
    }
    return -1;
}

// The end of the expression that starts at from: the position of its ';' (or of the line
// break that ends it), or -1 when a bracket, string or comment is left open.
int expressionEnd(const QString& code, int from) {
    int depth = 0;
    QChar previous = QLatin1Char('=');
    int i = from;
    while (i < code.size()) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            i = skipQuoted(code, i);
            if (i < 0)
                return -1;
            previous = c;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < code.size()) {
            const QChar next = code.at(i + 1);
            if (next == QLatin1Char('/')) {
                while (i < code.size() && code.at(i) != QLatin1Char('\n'))
                    ++i;
                continue;
            }
            if (next == QLatin1Char('*')) {
                const int close = code.indexOf(QStringLiteral("*/"), i + 2);
                if (close < 0)
                    return -1;
                i = close + 2;
                continue;
            }
            if (QStringLiteral("([,=:!&|?{};+").contains(previous)) {
                i = skipRegExp(code, i);
                if (i < 0)
                    return -1;
                previous = QLatin1Char('/');
                continue;
            }
        }
        if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) {
            if (--depth < 0)
                return -1;
        } else if (depth == 0 && c == QLatin1Char(';')) {
            return i;
        } else if (depth == 0 && c == QLatin1Char('\n') &&
                   !QStringLiteral("+-*/,=?:&|(").contains(previous)) {
            return i;
        }
        if (!c.isSpace())
            previous = c;
        ++i;
    }
    return depth == 0 ? i : -1;
}

QString trailingComment(const QString& rest, bool* ok) {
    const QString text = rest.trimmed();
    *ok = true;
    if (text.isEmpty())
        return {};
    if (text.startsWith(QLatin1String("//")))
        return text.mid(2).trimmed();
    if (text.startsWith(QLatin1String("/*")) && text.endsWith(QLatin1String("*/")))
        return text.mid(2, text.size() - 4).trimmed();
    *ok = false;
    return {};
}

bool isColour(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^#([0-9a-fA-F]{3}|[0-9a-fA-F]{6})$"));
    return re.match(text).hasMatch();
}

const QRegularExpression& numberPattern() {
    static const QRegularExpression re(
        QStringLiteral(R"(^(-?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)([a-z%]*)$)"));
    return re;
}

int decimalsOf(const QString& number) {
    const int point = number.indexOf(QLatin1Char('.'));
    if (point < 0)
        return 0;
    int digits = 0;
    for (int i = point + 1; i < number.size() && number.at(i).isDigit(); ++i)
        ++digits;
    return digits;
}

// Splits a literal at the top-level commas of an array ("[a, b]") or the top-level plus
// signs of a string concatenation; false when the text is something else.
bool splitTopLevel(const QString& text, QChar separator, QStringList* parts) {
    parts->clear();
    int partStart = 0;
    int i = 0;
    int depth = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            i = skipQuoted(text, i);
            if (i < 0)
                return false;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('/')) {
            // A comment inside a list is kept as part of its item's spacing.
            while (i < text.size() && text.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (QStringLiteral("([{").contains(c))
            ++depth;
        else if (QStringLiteral(")]}").contains(c))
            --depth;
        else if (depth == 0 && c == separator) {
            parts->append(text.mid(partStart, i - partStart));
            partStart = i + 1;
        }
        ++i;
    }
    parts->append(text.mid(partStart));
    return true;
}

QString withoutLineComments(const QString& text) {
    QString out;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const int comment = line.indexOf(QLatin1String("//"));
        bool inString = false;
        QChar quote;
        int cut = -1;
        for (int i = 0; i < line.size() && comment >= 0; ++i) {
            const QChar c = line.at(i);
            if (inString) {
                if (c == QLatin1Char('\\'))
                    ++i;
                else if (c == quote)
                    inString = false;
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                inString = true;
                quote = c;
            } else if (line.mid(i, 2) == QLatin1String("//")) {
                cut = i;
                break;
            }
        }
        out += (cut >= 0 ? line.left(cut) : line) + QLatin1Char('\n');
    }
    out.chop(1);
    return out;
}

void typeScriptLiteral(Setting* setting) {
    const QString text = setting->literal;
    if (text == QLatin1String("true") || text == QLatin1String("false")) {
        setting->type = Type::Boolean;
        setting->value = text == QLatin1String("true");
        return;
    }
    const QRegularExpressionMatch number = numberPattern().match(text);
    if (number.hasMatch() && number.captured(2).isEmpty()) {
        setting->type = Type::Number;
        setting->value = text.toDouble();
        setting->decimals = decimalsOf(text);
        return;
    }
    QString string;
    if (readStringLiteral(text, &string)) {
        setting->type = isColour(string) ? Type::Colour : Type::String;
        setting->value = string;
        return;
    }
    QStringList parts;
    if (splitTopLevel(text, QLatin1Char('+'), &parts) && parts.size() > 1) {
        QString joined;
        bool allStrings = true;
        for (const QString& part : std::as_const(parts)) {
            QString piece;
            allStrings = allStrings && readStringLiteral(part.trimmed(), &piece);
            joined += piece;
        }
        if (allStrings) {
            setting->type = Type::String;
            setting->value = joined;
            return;
        }
    }
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')) &&
        splitTopLevel(withoutLineComments(text.mid(1, text.size() - 2)), QLatin1Char(','),
                      &parts)) {
        if (!parts.isEmpty() && parts.constLast().trimmed().isEmpty())
            parts.removeLast(); // a trailing comma
        QStringList items;
        for (const QString& part : std::as_const(parts)) {
            QString item;
            if (!readStringLiteral(part.trimmed(), &item))
                return;
            items.append(item);
        }
        if (items.isEmpty())
            return; // an empty list says nothing about what it may hold
        setting->type = Type::StringList;
        setting->value = items;
    }
}

void typeCssValue(Setting* setting) {
    const QString text = setting->literal;
    if (isColour(text)) {
        setting->type = Type::Colour;
        setting->value = text;
        return;
    }
    const QRegularExpressionMatch number = numberPattern().match(text);
    if (number.hasMatch()) {
        setting->type = Type::Number;
        setting->value = number.captured(1).toDouble();
        setting->unit = number.captured(2);
        setting->decimals = decimalsOf(number.captured(1));
    }
}

QString humanised(const QString& name) {
    QString words;
    QString plain = name;
    while (plain.startsWith(QLatin1Char('-')))
        plain.remove(0, 1);
    for (int i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c == QLatin1Char('-') || c == QLatin1Char('_')) {
            words += QLatin1Char(' ');
        } else if (c.isUpper() && i > 0 && plain.at(i - 1).isLower()) {
            words += QLatin1Char(' ');
            words += c.toLower();
        } else {
            words += c;
        }
    }
    if (!words.isEmpty())
        words[0] = words.at(0).toUpper();
    return words;
}

class SectionReader {
public:
    SectionReader(const QString& code, int block, Result* result)
        : m_code(code)
        , m_lines(splitLines(code))
        , m_block(block)
        , m_result(result) {}

    void run() {
        int index = 0;
        while (index < m_lines.size()) {
            const QString& text = m_lines.at(index).text;
            if (endMarker().match(text).hasMatch()) {
                fail(index, QStringLiteral("end of settings without a start"));
                ++index;
                continue;
            }
            const QRegularExpressionMatch start = startMarker().match(text);
            if (!start.hasMatch()) {
                ++index;
                continue;
            }
            ++m_result->sections;
            index = readSection(index, formOf(start.captured(1)));
        }
    }

private:
    void fail(int index, const QString& message) { m_result->errors.append({index + 1, message}); }

    // Reads the section whose start marker is at startIndex; returns the line after its end.
    int readSection(int startIndex, Form form) {
        QStringList pendingComment;
        QString selector;
        int index = startIndex + 1;
        while (index < m_lines.size()) {
            const QString text = m_lines.at(index).text;
            const QString trimmed = text.trimmed();
            const QRegularExpressionMatch end = endMarker().match(text);
            if (end.hasMatch()) {
                if (formOf(end.captured(1)) != form)
                    fail(index, QStringLiteral("the end of settings is in another comment form "
                                               "than its start"));
                return index + 1;
            }
            if (startMarker().match(text).hasMatch()) {
                fail(startIndex, QStringLiteral("settings section without an end marker"));
                return index;
            }
            if (trimmed.isEmpty()) {
                pendingComment.clear();
                ++index;
                continue;
            }
            if (form != Form::Html && trimmed.startsWith(QLatin1String("//"))) {
                pendingComment.append(trimmed.mid(2).trimmed());
                ++index;
                continue;
            }
            if (trimmed.startsWith(QLatin1String("/*")) && trimmed.endsWith(QLatin1String("*/"))) {
                pendingComment.append(trimmed.mid(2, trimmed.size() - 4).trimmed());
                ++index;
                continue;
            }
            if (trimmed.startsWith(QLatin1String("<!--")) &&
                trimmed.endsWith(QLatin1String("-->"))) {
                pendingComment.append(trimmed.mid(4, trimmed.size() - 7).trimmed());
                ++index;
                continue;
            }
            const QString comment = pendingComment.join(QLatin1Char(' '));
            pendingComment.clear();
            int next = -1;
            switch (form) {
            case Form::Script:
                next = readScriptSetting(index, comment);
                break;
            case Form::Css:
                next = readCssLine(index, comment, &selector);
                break;
            case Form::Html:
                next = readMarkupLine(index, comment);
                break;
            }
            if (next < 0) {
                // Without an end marker further on, that is the fault to report.
                if (!hasEndMarkerAfter(index))
                    m_result->errors.last() = {startIndex + 1,
                                               QStringLiteral("settings section "
                                                              "without an end marker")};
                return m_lines.size();
            }
            index = next;
        }
        fail(startIndex, QStringLiteral("settings section without an end marker"));
        return index;
    }

    bool hasEndMarkerAfter(int index) const {
        for (int i = index + 1; i < m_lines.size(); ++i) {
            if (endMarker().match(m_lines.at(i).text).hasMatch())
                return true;
        }
        return false;
    }

    Setting make(int index, const QString& name, const QString& comment) const {
        Setting setting;
        setting.name = name;
        setting.comment = comment;
        setting.block = m_block;
        setting.line = index + 1;
        return setting;
    }

    int lineOfPosition(int position) const {
        return m_code.left(position).count(QLatin1Char('\n'));
    }

    int readScriptSetting(int index, const QString& commentAbove) {
        static const QRegularExpression declaration(
            QStringLiteral(R"(^\s*(?:const|let|var)\s+([A-Za-z_$][\w$]*)\s*=\s*)"));
        static const QRegularExpression function(
            QStringLiteral(R"(^\s*function\s+([A-Za-z_$][\w$]*)\s*\()"));
        const Line& line = m_lines.at(index);
        QRegularExpressionMatch match = declaration.match(line.text);
        const bool isFunction = !match.hasMatch();
        if (isFunction) {
            match = function.match(line.text);
            if (!match.hasMatch()) {
                fail(index, QStringLiteral("not a setting: %1").arg(line.text.trimmed()));
                return -1;
            }
        }
        const int literalStart = isFunction
                                     ? line.start + line.text.indexOf(QLatin1String("function"))
                                     : line.start + match.capturedEnd(0);
        int end = isFunction ? functionEnd(literalStart) : expressionEnd(m_code, literalStart);
        if (end < 0) {
            fail(index, QStringLiteral("the value of %1 is not closed").arg(match.captured(1)));
            return -1;
        }
        Setting setting = make(index, match.captured(1), QString());
        setting.start = literalStart;
        setting.literal = m_code.mid(literalStart, end - literalStart);
        while (setting.literal.endsWith(QLatin1Char(' ')))
            setting.literal.chop(1);
        if (!isFunction)
            typeScriptLiteral(&setting);
        const int lastIndex = lineOfPosition(end);
        const Line& last = m_lines.at(lastIndex);
        int after = end - last.start;
        if (end < m_code.size() && m_code.at(end) == QLatin1Char(';'))
            ++after;
        bool ok = false;
        setting.comment = trailingComment(last.text.mid(after), &ok);
        if (!ok) {
            fail(lastIndex, QStringLiteral("more than one statement on a settings line"));
            return -1;
        }
        if (setting.comment.isEmpty())
            setting.comment = commentAbove;
        m_result->settings.append(setting);
        return lastIndex + 1;
    }

    int functionEnd(int from) const {
        const int open = m_code.indexOf(QLatin1Char('{'), from);
        if (open < 0)
            return -1;
        const int end = expressionEnd(m_code, open);
        return end < 0 ? -1 : end;
    }

    // A style line: "selector {", "}", or declarations (possibly wrapped in a one-line rule).
    int readCssLine(int index, const QString& commentAbove, QString* selector) {
        const Line& line = m_lines.at(index);
        QString text = line.text;
        QString comment = commentAbove;
        const int commentStart = text.indexOf(QLatin1String("/*"));
        if (commentStart >= 0) {
            const int commentEnd = text.indexOf(QLatin1String("*/"), commentStart);
            if (commentEnd < 0 || !text.mid(commentEnd + 2).trimmed().isEmpty()) {
                fail(index, QStringLiteral("a comment must end its line"));
                return -1;
            }
            comment = text.mid(commentStart + 2, commentEnd - commentStart - 2).trimmed();
            text = text.left(commentStart);
        }
        int position = 0;
        const int open = text.indexOf(QLatin1Char('{'));
        if (open >= 0) {
            *selector = text.left(open).trimmed();
            position = open + 1;
        }
        while (position < text.size()) {
            int stop = position;
            while (stop < text.size() && text.at(stop) != QLatin1Char(';') &&
                   text.at(stop) != QLatin1Char('}'))
                ++stop;
            const QString declaration = text.mid(position, stop - position);
            if (!declaration.trimmed().isEmpty()) {
                const int colon = declaration.indexOf(QLatin1Char(':'));
                if (colon < 0 || (stop < text.size() && text.at(stop) != QLatin1Char(';'))) {
                    fail(index,
                         QStringLiteral("not a style declaration: %1").arg(declaration.trimmed()));
                    return -1;
                }
                const QString property = declaration.left(colon).trimmed();
                const QString value = declaration.mid(colon + 1).trimmed();
                const bool custom = property.startsWith(QLatin1String("--"));
                Setting setting = make(
                    index, custom ? property : QStringLiteral("%1 %2").arg(*selector, property),
                    comment);
                setting.css = true;
                setting.literal = value;
                setting.start =
                    line.start + position + colon + 1 + (declaration.mid(colon + 1).indexOf(value));
                if (custom)
                    typeCssValue(&setting);
                m_result->settings.append(setting);
            }
            if (stop < text.size() && text.at(stop) == QLatin1Char('}'))
                selector->clear();
            position = stop + 1;
        }
        return index + 1;
    }

    // A markup line in an HTML section is shown for what it is, not offered for editing.
    int readMarkupLine(int index, const QString& comment) {
        static const QRegularExpression tag(QStringLiteral(R"(^\s*<([A-Za-z][\w-]*)[^<>]*>\s*$)"));
        const Line& line = m_lines.at(index);
        const QRegularExpressionMatch match = tag.match(line.text);
        if (!match.hasMatch()) {
            fail(index, QStringLiteral("not a markup line: %1").arg(line.text.trimmed()));
            return -1;
        }
        Setting setting = make(index, match.captured(1), comment);
        setting.literal = line.text.trimmed();
        setting.start = line.start + line.text.indexOf(setting.literal);
        m_result->settings.append(setting);
        return index + 1;
    }

    const QString& m_code;
    QList<Line> m_lines;
    int m_block = 0;
    Result* m_result = nullptr;
};

QString numberText(double value, int decimals) {
    if (decimals <= 0 && std::floor(value) == value && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    QString text = QString::number(value, 'f', qMax(decimals, 1));
    // Keep what the user asked for without trailing noise: 0.50 -> 0.5, but 2.0 stays.
    while (text.endsWith(QLatin1Char('0')) && text.at(text.size() - 2) != QLatin1Char('.') &&
           decimalsOf(text) > decimals)
        text.chop(1);
    return text;
}

QChar quoteOf(const QString& literal) {
    for (const QChar c : literal) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`'))
            return c;
    }
    return QLatin1Char('\'');
}

QString listLiteral(const Setting& setting, const QStringList& items) {
    const QChar quote = quoteOf(setting.literal);
    QStringList written;
    for (const QString& item : items)
        written.append(stringLiteral(item, quote));
    if (!setting.literal.contains(QLatin1Char('\n')))
        return QLatin1Char('[') + written.join(QStringLiteral(", ")) + QLatin1Char(']');
    // One item a line, indented as the author's first item was.
    const int firstBreak = setting.literal.indexOf(QLatin1Char('\n'));
    QString indent;
    for (int i = firstBreak + 1;
         i < setting.literal.size() && setting.literal.at(i) == QLatin1Char(' '); ++i)
        indent += QLatin1Char(' ');
    const int lastBreak = setting.literal.lastIndexOf(QLatin1Char('\n'));
    const QString closing = setting.literal.mid(lastBreak + 1).trimmed() == QLatin1String("]")
                                ? QLatin1Char('\n') + setting.literal.mid(lastBreak + 1)
                                : QStringLiteral("]");
    QString text = QStringLiteral("[");
    for (int i = 0; i < written.size(); ++i)
        text += QLatin1Char('\n') + indent + written.at(i) +
                (i + 1 < written.size() ? QStringLiteral(",") : QString());
    return text + closing;
}

// The character a one-letter escape stands for; false for letters that stand for themselves.
bool simpleEscape(QChar letter, QString* out) {
    switch (letter.unicode()) {
    case 'n':
        *out += QLatin1Char('\n');
        return true;
    case 'r':
        *out += QLatin1Char('\r');
        return true;
    case 't':
        *out += QLatin1Char('\t');
        return true;
    case 'b':
        *out += QLatin1Char('\b');
        return true;
    case 'f':
        *out += QLatin1Char('\f');
        return true;
    case 'v':
        *out += QLatin1Char('\v');
        return true;
    case '0':
        *out += QChar(0);
        return true;
    case '\n':
        return true; // a line continuation
    default:
        return false;
    }
}

// "\u{1F600}": any code point, the brace at *i + 1. Leaves *i on the closing brace.
bool codePointEscape(const QString& literal, int last, int* i, QString* out) {
    const int from = *i + 1;
    const int close = literal.indexOf(QLatin1Char('}'), from);
    if (close < 0 || close >= last)
        return false;
    bool ok = false;
    const uint code = literal.mid(from + 1, close - from - 1).toUInt(&ok, 16);
    if (!ok || code > 0x10FFFF)
        return false;
    const char32_t point = code;
    *out += QString::fromUcs4(&point, 1);
    *i = close;
    return true;
}

// "\xHH" and "\uHHHH", the letter at *i. Leaves *i on the last digit.
bool hexEscape(const QString& literal, int last, int* i, QString* out) {
    const int digits = literal.at(*i) == QLatin1Char('x') ? 2 : 4;
    const int from = *i + 1;
    if (from + digits > last)
        return false;
    bool ok = false;
    const ushort code = literal.mid(from, digits).toUShort(&ok, 16);
    if (!ok)
        return false;
    *out += QChar(code);
    *i += digits;
    return true;
}

// The escape whose backslash is at *i, in a literal whose closing quote is at last. Leaves *i
// on the escape's last character.
bool readEscape(const QString& literal, int last, int* i, QString* out) {
    if (++*i >= last)
        return false;
    const QChar c = literal.at(*i);
    if (c == QLatin1Char('u') && *i + 1 < last && literal.at(*i + 1) == QLatin1Char('{'))
        return codePointEscape(literal, last, i, out);
    if (c == QLatin1Char('x') || c == QLatin1Char('u'))
        return hexEscape(literal, last, i, out);
    if (!simpleEscape(c, out))
        *out += c;
    return true;
}

} // namespace

QString Setting::label() const {
    return comment.isEmpty() ? humanised(name) : comment;
}

Result read(const QString& code, int block) {
    Result result;
    SectionReader(code, block, &result).run();
    return result;
}

QStringList checkEntryFile(const QString& text, const QString& fileName) {
    QStringList problems;
    const QStringList lines = text.split(QLatin1Char('\n'));
    int blockLine = -1; // index of the current block's "@@" line
    const auto checkBlock = [&](int endIndex) {
        if (blockLine < 0)
            return;
        const QString header = lines.at(blockLine).mid(2).trimmed();
        // The sample-page-only sections are never shown or customised.
        if (header == QLatin1String("demo") || header == QLatin1String("demo-head") ||
            header == QLatin1String("page"))
            return;
        const QString code =
            lines.mid(blockLine + 1, endIndex - blockLine - 1).join(QLatin1Char('\n'));
        const Result result = read(code);
        for (const Error& error : result.errors)
            problems.append(QStringLiteral("%1:%2: %3")
                                .arg(fileName)
                                .arg(blockLine + 1 + error.line)
                                .arg(error.message));
    };
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith(QLatin1String("@@")))
            continue;
        checkBlock(i);
        blockLine = i;
    }
    checkBlock(lines.size());
    return problems;
}

bool readStringLiteral(const QString& literal, QString* value) {
    if (literal.size() < 2)
        return false;
    const QChar quote = literal.at(0);
    if ((quote != QLatin1Char('\'') && quote != QLatin1Char('"') && quote != QLatin1Char('`')) ||
        literal.back() != quote)
        return false;
    QString out;
    const int last = literal.size() - 1;
    for (int i = 1; i < last; ++i) {
        const QChar c = literal.at(i);
        if (c == quote)
            return false;
        if (quote == QLatin1Char('`') && c == QLatin1Char('$') && i + 1 < last &&
            literal.at(i + 1) == QLatin1Char('{'))
            return false; // a template with placeholders is code, not text
        if (c == QLatin1Char('\n') && quote != QLatin1Char('`'))
            return false;
        if (c != QLatin1Char('\\'))
            out += c;
        else if (!readEscape(literal, last, &i, &out))
            return false;
    }
    *value = out;
    return true;
}

QString stringLiteral(const QString& value, QChar quote) {
    QString out(quote);
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == quote || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\t");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else if (c == QLatin1Char('<') && (value.mid(i + 1, 1) == QLatin1String("/") ||
                                             value.mid(i + 1, 3) == QLatin1String("!--"))) {
            // "</script>" or "<!--" would end or upset the script element the code sits in.
            out += QLatin1String("\\x3c");
        } else if (quote == QLatin1Char('`') && c == QLatin1Char('$') &&
                   value.mid(i + 1, 1) == QLatin1String("{")) {
            out += QLatin1String("\\$");
        } else {
            out += c;
        }
    }
    out += quote;
    return out;
}

bool sameValue(const Setting& setting, const QVariant& value) {
    if (setting.type == Type::Other || !value.isValid())
        return true;
    if (setting.type == Type::Number)
        return value.toDouble() == setting.value.toDouble();
    if (setting.type == Type::Colour)
        return value.toString().compare(setting.value.toString(), Qt::CaseInsensitive) == 0;
    return value == setting.value;
}

QString literalFor(const Setting& setting, const QVariant& value) {
    if (sameValue(setting, value))
        return setting.literal;
    switch (setting.type) {
    case Type::Number:
        return numberText(value.toDouble(), setting.decimals) + setting.unit;
    case Type::Boolean:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Type::Colour:
        if (setting.css)
            return value.toString();
        return stringLiteral(value.toString(), quoteOf(setting.literal));
    case Type::String:
        return stringLiteral(value.toString(), quoteOf(setting.literal));
    case Type::StringList:
        return listLiteral(setting, value.toStringList());
    case Type::Other:
        break;
    }
    return setting.literal;
}

QString apply(const QString& code, const QList<Setting>& settings, const QList<QVariant>& values) {
    QString out;
    int copied = 0;
    for (int i = 0; i < settings.size(); ++i) {
        const Setting& setting = settings.at(i);
        out += QStringView(code).mid(copied, setting.start - copied);
        out += literalFor(setting, i < values.size() ? values.at(i) : setting.value);
        copied = setting.start + setting.literal.size();
    }
    out += QStringView(code).mid(copied);
    return out;
}

} // namespace EntrySettings
