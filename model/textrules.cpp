// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/textrules.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace TextRules {

namespace {

// What code page 1252 puts at 0x80-0x9F instead of the C1 controls, sorted.
constexpr char32_t kHighPunctuation[] = {0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x017D, 0x017E,
                                         0x0192, 0x02C6, 0x02DC, 0x2013, 0x2014, 0x2018, 0x2019,
                                         0x201A, 0x201C, 0x201D, 0x201E, 0x2020, 0x2021, 0x2022,
                                         0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122};

QString located(const QString& fileName, int line, const QString& message) {
    return QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(message);
}

// The first broken rule at text[i] (one character, or a surrogate pair), or an empty string.
QString problemAt(const QString& text, qsizetype* i) {
    const QChar c = text.at(*i);
    if (c.isNull())
        return QStringLiteral("NUL character in the text");
    if (c == QLatin1Char('\r'))
        return QStringLiteral("carriage return in file (line breaks must be plain LF)");
    char32_t code = c.unicode();
    if (c.isHighSurrogate() && *i + 1 < text.size() && text.at(*i + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(c, text.at(*i + 1));
        ++*i;
    }
    if (!inCodePage1252(code))
        return QStringLiteral("character U+%1 is not in code page 1252")
            .arg(QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    return QString();
}

} // namespace

bool inCodePage1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    return std::binary_search(std::begin(kHighPunctuation), std::end(kHighPunctuation), c);
}

bool check(const QString& text, const QString& fileName, QString* error) {
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n')) {
            ++line;
            continue;
        }
        const QString problem = problemAt(text, &i);
        if (!problem.isEmpty()) {
            *error = located(fileName, line, problem);
            return false;
        }
    }
    return true;
}

namespace {

// Whether bytes are UTF-8 from start to end. Stateless: a sequence cut off at the end is an
// error, not something to wait for. A byte order mark is kept as a character, so that it is
// reported rather than dropped.
bool decodeStrictly(QByteArrayView bytes, QString* text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

bool decode(const QByteArray& bytes, const QString& fileName, QString* text, QString* error) {
    if (decodeStrictly(bytes, text))
        return check(*text, fileName, error);
    // Only on failure: find the line, decoding one line at a time.
    int line = 1;
    for (qsizetype start = 0; start <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QString decoded;
        if (!decodeStrictly(QByteArrayView(bytes).sliced(start, end - start), &decoded))
            break;
        start = end + 1;
    }
    *error = located(fileName, line, QStringLiteral("invalid UTF-8"));
    return false;
}

} // namespace TextRules
