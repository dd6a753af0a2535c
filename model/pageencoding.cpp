// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/pageencoding.h"

#include "model/pagescanner.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Windows-1252 bytes 0x80-0x9F; zero where the code page leaves the byte undefined.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QString entity(char32_t c) {
    return QStringLiteral("&#%1;").arg(uint(c));
}

// One \uXXXX per UTF-16 unit: valid in strings, template literals, regular expressions and
// names alike.
QString scriptEscape(char32_t c) {
    QString out;
    for (const QChar unit : QString::fromUcs4(&c, 1))
        out += QStringLiteral("\\u%1").arg(unit.unicode(), 4, 16, QLatin1Char('0'));
    return out;
}

// Six hex digits need no blank after them to end the escape.
QString styleEscape(char32_t c) {
    return QStringLiteral("\\%1").arg(uint(c), 6, 16, QLatin1Char('0'));
}

PageText::Encoding encodingForCharset(const QString& charset) {
    const QString name = charset.trimmed().toLower();
    if (name.isEmpty() || name == QLatin1String("utf-8") || name == QLatin1String("utf8") ||
        name == QLatin1String("unicode-1-1-utf-8"))
        return PageText::Encoding::Utf8;
    // Browsers read all of these as Windows-1252.
    static const QStringList western = {
        QStringLiteral("windows-1252"), QStringLiteral("cp1252"),     QStringLiteral("x-cp1252"),
        QStringLiteral("iso-8859-1"),   QStringLiteral("iso8859-1"),  QStringLiteral("latin1"),
        QStringLiteral("l1"),           QStringLiteral("iso_8859-1"), QStringLiteral("us-ascii"),
        QStringLiteral("ascii"),        QStringLiteral("cp819"),      QStringLiteral("ibm819")};
    if (western.contains(name))
        return PageText::Encoding::Windows1252;
    // A page that claims UTF-16 without a byte order mark is read as UTF-8 by browsers.
    if (name.startsWith(QLatin1String("utf-16")))
        return PageText::Encoding::Utf8;
    return PageText::Encoding::OtherSingleByte;
}

} // namespace

PageText PageText::decode(const QByteArray& bytes) {
    PageText page;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        page.m_encoding = little ? Encoding::Utf16LE : Encoding::Utf16BE;
        page.m_bom = bytes.left(2);
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        page.m_units = decoder.decode(bytes.mid(2));
    } else {
        QByteArray body = bytes;
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            page.m_bom = bytes.left(3);
            body = bytes.mid(3);
        }
        page.m_units = QString::fromLatin1(body);
        page.m_encoding = page.m_bom.isEmpty()
                              ? encodingForCharset(PageScanner::scan(page.m_units).charset)
                              : Encoding::Utf8;
    }
    const qsizetype lines = page.m_units.count(QLatin1Char('\n'));
    const qsizetype crlf = page.m_units.count(QLatin1String("\r\n"));
    if (lines > 0 && crlf * 2 > lines)
        page.m_lineEnding = QStringLiteral("\r\n");
    return page;
}

QString PageText::encodingName() const {
    switch (m_encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case Encoding::OtherSingleByte:
        return QStringLiteral("its own character set");
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        return QStringLiteral("UTF-16");
    }
    return {};
}

QByteArray PageText::encode(const QString& units) const {
    switch (m_encoding) {
    case Encoding::Utf16LE:
        return m_bom + QStringEncoder(QStringConverter::Utf16LE).encode(units);
    case Encoding::Utf16BE:
        return m_bom + QStringEncoder(QStringConverter::Utf16BE).encode(units);
    default:
        return m_bom + units.toLatin1();
    }
}

QString PageText::toUnits(const QString& text) const {
    return toUnits(text, entity);
}

QString PageText::codeToUnits(const QString& code) const {
    if (m_encoding != Encoding::Windows1252 && m_encoding != Encoding::OtherSingleByte)
        return toUnits(code);
    QString units;
    qsizetype from = 0;
    for (const PageScanner::RawText& raw : PageScanner::scan(code).code) {
        units += toUnits(code.mid(from, raw.contents.start - from), entity);
        units += toUnits(code.mid(raw.contents.start, raw.contents.length()),
                         raw.element == QLatin1String("script") ? scriptEscape : styleEscape);
        from = raw.contents.end;
    }
    return units + toUnits(code.mid(from), entity);
}

QString PageText::toUnits(const QString& text, QString (*escape)(char32_t)) const {
    switch (m_encoding) {
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        return text;
    case Encoding::Utf8:
        return QString::fromLatin1(text.toUtf8());
    case Encoding::Windows1252:
    case Encoding::OtherSingleByte:
        break;
    }
    QString units;
    units.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const int byte =
            m_encoding == Encoding::Windows1252 ? cp1252Byte(c) : (c < 0x80 ? int(c) : -1);
        if (byte >= 0)
            units.append(QChar(char16_t(byte)));
        else
            units.append(escape(c));
    }
    return units;
}

QString PageText::toText(const QString& units) const {
    switch (m_encoding) {
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        return units;
    case Encoding::Utf8:
        return QString::fromUtf8(units.toLatin1());
    case Encoding::OtherSingleByte:
        return units;
    case Encoding::Windows1252:
        break;
    }
    QString text = units;
    for (QChar& c : text) {
        const ushort u = c.unicode();
        if (u >= 0x80 && u < 0xA0 && kCp1252High[u - 0x80] != 0)
            c = QChar(kCp1252High[u - 0x80]);
    }
    return text;
}
