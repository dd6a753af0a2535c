// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/pagescanner.h"

#include <QHash>

namespace PageScanner {

namespace {

const QString kOpenPrefix = QStringLiteral("Tagloom: ");
const QString kClosePrefix = QStringLiteral("/Tagloom: ");

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

bool isNameEnd(QChar c) {
    return isSpace(c) || c == QLatin1Char('/') || c == QLatin1Char('>');
}

// Reads attributes from pos up to the closing '>' (or the end of the text); returns the
// position past the '>'.
qsizetype readAttributes(const QString& text, qsizetype pos, QList<Attribute>* out) {
    const qsizetype n = text.size();
    while (pos < n) {
        const qsizetype blankStart = pos;
        while (pos < n && (isSpace(text.at(pos)) || text.at(pos) == QLatin1Char('/')))
            ++pos;
        if (pos >= n)
            return n;
        if (text.at(pos) == QLatin1Char('>'))
            return pos + 1;
        Attribute attribute;
        attribute.whole.start = blankStart;
        const qsizetype nameStart = pos;
        // A name runs to a blank, '=', '/' or '>'; its first character may be anything else.
        ++pos;
        while (pos < n && !isNameEnd(text.at(pos)) && text.at(pos) != QLatin1Char('='))
            ++pos;
        attribute.name = text.mid(nameStart, pos - nameStart).toLower();
        attribute.whole.end = pos;
        qsizetype look = pos;
        while (look < n && isSpace(text.at(look)))
            ++look;
        if (look < n && text.at(look) == QLatin1Char('=')) {
            ++look;
            while (look < n && isSpace(text.at(look)))
                ++look;
            attribute.hasValue = true;
            if (look < n &&
                (text.at(look) == QLatin1Char('"') || text.at(look) == QLatin1Char('\''))) {
                attribute.quote = text.at(look);
                const qsizetype close = text.indexOf(attribute.quote, look + 1);
                attribute.value = {look + 1, close < 0 ? n : close};
                pos = close < 0 ? n : close + 1;
            } else {
                const qsizetype valueStart = look;
                while (look < n && !isSpace(text.at(look)) && text.at(look) != QLatin1Char('>'))
                    ++look;
                attribute.value = {valueStart, look};
                pos = look;
            }
            attribute.whole.end = pos;
        }
        if (out)
            out->append(attribute);
    }
    return n;
}

QString charsetFromContent(const QString& content) {
    const qsizetype at = content.indexOf(QLatin1String("charset"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    qsizetype pos = at + 7;
    while (pos < content.size() && isSpace(content.at(pos)))
        ++pos;
    if (pos >= content.size() || content.at(pos) != QLatin1Char('='))
        return {};
    ++pos;
    while (pos < content.size() &&
           (isSpace(content.at(pos)) || content.at(pos) == QLatin1Char('"') ||
            content.at(pos) == QLatin1Char('\'')))
        ++pos;
    qsizetype end = pos;
    while (end < content.size() && !isSpace(content.at(end)) &&
           content.at(end) != QLatin1Char(';') && content.at(end) != QLatin1Char('"') &&
           content.at(end) != QLatin1Char('\''))
        ++end;
    return content.mid(pos, end - pos);
}

QString valueOf(const QString& text, const Attribute& attribute) {
    return text.mid(attribute.value.start, attribute.value.length());
}

// Notes the comment at lt (the marker, or one end of a region); returns the position past it.
qsizetype readComment(const QString& text, qsizetype lt, Layout* layout,
                      QHash<QString, Span>* openRegions) {
    const qsizetype n = text.size();
    const qsizetype close = text.indexOf(QLatin1String("-->"), lt + 4);
    const qsizetype end = close < 0 ? n : close + 3;
    const Span span{lt, end};
    layout->comments.append(span);
    const QString inside = text.mid(lt + 4, (close < 0 ? n : close) - lt - 4).trimmed();
    if (!layout->marker.found() &&
        inside.compare(QLatin1String("tagloom"), Qt::CaseInsensitive) == 0)
        layout->marker = span;
    if (inside.startsWith(kOpenPrefix)) {
        openRegions->insert(inside.mid(kOpenPrefix.size()), span);
    } else if (inside.startsWith(kClosePrefix)) {
        const QString title = inside.mid(kClosePrefix.size());
        const auto open = openRegions->constFind(title);
        if (open != openRegions->constEnd()) {
            layout->regions.append({title, *open, span});
            openRegions->erase(open);
        }
    }
    return end;
}

void noteEndTag(const QString& name, Span span, Layout* layout) {
    if (name == QLatin1String("head") && !layout->headEnd.found())
        layout->headEnd = span;
    else if (name == QLatin1String("body"))
        layout->bodyEnd = span;
    else if (name == QLatin1String("html"))
        layout->htmlEnd = span;
}

QString charsetOfMeta(const QString& text, const QList<Attribute>& attrs) {
    for (const Attribute& a : attrs) {
        QString charset;
        if (a.name == QLatin1String("charset"))
            charset = valueOf(text, a).trimmed();
        else if (a.name == QLatin1String("content"))
            charset = charsetFromContent(valueOf(text, a));
        if (!charset.isEmpty())
            return charset;
    }
    return {};
}

void noteStartTag(const QString& text, const QString& name, Span tag, const QList<Attribute>& attrs,
                  Layout* layout) {
    if (name == QLatin1String("html") && !layout->htmlStart.found())
        layout->htmlStart = tag;
    else if (name == QLatin1String("head") && !layout->headStart.found())
        layout->headStart = tag;
    else if (name == QLatin1String("body") && !layout->bodyStart.found())
        layout->bodyStart = tag;
    else if (name == QLatin1String("meta") && layout->charset.isEmpty())
        layout->charset = charsetOfMeta(text, attrs);
}

// Raw text: nothing inside these is markup until their own end tag. Returns where scanning
// goes on after the start tag of name that ends at pos.
qsizetype rawTextEnd(const QString& text, const QString& name, qsizetype pos) {
    static const QStringList rawText = {QStringLiteral("script"), QStringLiteral("style"),
                                        QStringLiteral("title"), QStringLiteral("textarea"),
                                        QStringLiteral("xmp")};
    if (!rawText.contains(name))
        return pos;
    const QString closing = QStringLiteral("</") + name;
    qsizetype search = pos;
    while (true) {
        const qsizetype at = text.indexOf(closing, search, Qt::CaseInsensitive);
        if (at < 0)
            return text.size();
        const qsizetype after = at + closing.size();
        if (after >= text.size() || isNameEnd(text.at(after)))
            return at;
        search = after;
    }
}

} // namespace

QString regionOpening(const QString& title) {
    return QStringLiteral("<!-- ") + kOpenPrefix + title + QStringLiteral(" -->");
}

QString regionClosing(const QString& title) {
    return QStringLiteral("<!-- ") + kClosePrefix + title + QStringLiteral(" -->");
}

QList<Attribute> attributes(const QString& text, Span tag) {
    QList<Attribute> result;
    if (!tag.found())
        return result;
    qsizetype pos = tag.start + 1;
    while (pos < tag.end && !isNameEnd(text.at(pos)))
        ++pos;
    readAttributes(text.left(tag.end), pos, &result);
    return result;
}

QList<Attribute> attributeList(const QString& text) {
    QList<Attribute> result;
    readAttributes(text, 0, &result);
    return result;
}

Layout scan(const QString& text) {
    Layout layout;
    const qsizetype n = text.size();
    QHash<QString, Span> openRegions;
    qsizetype pos = 0;
    while (pos < n) {
        const qsizetype lt = text.indexOf(QLatin1Char('<'), pos);
        if (lt < 0 || lt + 1 >= n)
            break;
        const QChar next = text.at(lt + 1);
        if (text.mid(lt, 4) == QLatin1String("<!--")) {
            pos = readComment(text, lt, &layout, &openRegions);
            continue;
        }
        if (next == QLatin1Char('!') || next == QLatin1Char('?')) {
            const qsizetype close = text.indexOf(QLatin1Char('>'), lt + 2);
            pos = close < 0 ? n : close + 1;
            continue;
        }
        const bool endTag = next == QLatin1Char('/');
        const qsizetype nameStart = lt + (endTag ? 2 : 1);
        if (nameStart >= n || !text.at(nameStart).isLetter()) {
            pos = lt + 1;
            continue;
        }
        qsizetype nameEnd = nameStart;
        while (nameEnd < n && !isNameEnd(text.at(nameEnd)))
            ++nameEnd;
        const QString name = text.mid(nameStart, nameEnd - nameStart).toLower();
        if (endTag) {
            const qsizetype close = text.indexOf(QLatin1Char('>'), nameEnd);
            const Span span{lt, close < 0 ? n : close + 1};
            noteEndTag(name, span, &layout);
            pos = span.end;
            continue;
        }
        QList<Attribute> attrs;
        const qsizetype tagEnd = readAttributes(text, nameEnd, &attrs);
        noteStartTag(text, name, {lt, tagEnd}, attrs, &layout);
        pos = rawTextEnd(text, name, tagEnd);
        if (name == QLatin1String("script") || name == QLatin1String("style"))
            layout.code.append({name, {tagEnd, pos}});
    }
    return layout;
}

} // namespace PageScanner
