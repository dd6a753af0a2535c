// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/pageinsertion.h"

#include "model/linediff.h"
#include "model/pageencoding.h"
#include "model/pagescanner.h"

#include <QMap>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace PageInsertion {

namespace {

using PageScanner::Attribute;
using PageScanner::Layout;
using PageScanner::Span;
using Place = PageSnippet::Place;

const QString kTagNote = QStringLiteral("<!-- Tagloom body tag:");

struct Edit {
    qsizetype pos;
    qsizetype removed;
    QString inserted;
};

QString applyEdits(QString text, QList<Edit> edits) {
    // From the back, so earlier positions stay valid; at one position a replacement goes
    // before an insertion, which then lands in front of it.
    std::sort(edits.begin(), edits.end(), [](const Edit& x, const Edit& y) {
        return x.pos != y.pos ? x.pos > y.pos : x.removed > y.removed;
    });
    for (const Edit& edit : std::as_const(edits))
        text.replace(edit.pos, edit.removed, edit.inserted);
    return text;
}

// A title as it can stand inside a comment.
QString markerTitle(const QString& title) {
    QString safe = title.simplified();
    while (safe.contains(QLatin1String("--")))
        safe.replace(QLatin1String("--"), QLatin1String("- -"));
    safe.replace(QLatin1Char('>'), QLatin1Char(')'));
    return safe;
}

bool isLineStart(const QString& text, qsizetype pos) {
    return pos == 0 || text.at(pos - 1) == QLatin1Char('\n');
}

// Before a tag that is alone on its line, the code goes on lines of its own above it.
qsizetype lineStartIfBlank(const QString& text, qsizetype pos) {
    qsizetype p = pos;
    while (p > 0 && (text.at(p - 1) == QLatin1Char(' ') || text.at(p - 1) == QLatin1Char('\t')))
        --p;
    return isLineStart(text, p) ? p : pos;
}

QString lineEndingAt(const QString& text, qsizetype pos) {
    if (text.mid(pos, 2) == QLatin1String("\r\n"))
        return QStringLiteral("\r\n");
    if (pos < text.size() && text.at(pos) == QLatin1Char('\n'))
        return QStringLiteral("\n");
    return {};
}

// A block set off by one line break: after it when it starts a line, else before it (the
// same break as the one that follows, so taking it out again restores the bytes exactly).
QString framed(const QString& text, qsizetype pos, const QString& block, const QString& eol) {
    if (isLineStart(text, pos))
        return block + eol;
    const QString following = lineEndingAt(text, pos);
    return (following.isEmpty() ? eol : following) + block;
}

Span removalSpan(const QString& text, Span region) {
    Span span = region;
    const QString following = lineEndingAt(text, span.end);
    if (!following.isEmpty()) {
        span.end += following.size();
    } else if (span.start >= 2 && text.mid(span.start - 2, 2) == QLatin1String("\r\n")) {
        span.start -= 2;
    } else if (span.start >= 1 && text.at(span.start - 1) == QLatin1Char('\n')) {
        span.start -= 1;
    }
    return span;
}

QString encodeField(const QString& units) {
    return QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(units, {}, "-<>!"));
}

QString decodeField(const QString& field) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field.mid(1).toLatin1()));
}

struct TagNote {
    QString name;
    QString oldText; // the attribute as it was, with its leading blank; empty when added
    QString newText;
};

QString writeNote(const TagNote& note) {
    return kTagNote + QLatin1Char(' ') + note.name + QLatin1Char(' ') + encodeField(note.oldText) +
           QLatin1Char(' ') + encodeField(note.newText) + QStringLiteral(" -->");
}

bool readNote(const QString& comment, TagNote* note) {
    if (!comment.startsWith(kTagNote))
        return false;
    QString inside = comment.mid(kTagNote.size());
    inside.chop(3);
    const QStringList fields = inside.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() != 3 || !fields.at(1).startsWith(QLatin1Char('=')) ||
        !fields.at(2).startsWith(QLatin1Char('=')))
        return false;
    *note = {fields.at(0), decodeField(fields.at(1)), decodeField(fields.at(2))};
    return true;
}

bool isEventAttribute(const QString& name) {
    return name.startsWith(QLatin1String("on"));
}

QString quoted(const QString& value) {
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Merges one attribute into the <body> start tag; returns what was done, for undoing it.
TagNote mergeAttribute(QString* text, Span tag, const QString& rawAttribute,
                       const Attribute& wanted, const QString& wantedValue, QStringList* remarks) {
    const QList<Attribute> present = PageScanner::attributes(*text, tag);
    for (const Attribute& have : present) {
        if (have.name != wanted.name)
            continue;
        const QString oldText = text->mid(have.whole.start, have.whole.length());
        const QString oldValue = text->mid(have.value.start, have.value.length());
        qsizetype blanks = 0;
        while (blanks < oldText.size() && oldText.at(blanks).isSpace())
            ++blanks;
        const QString lead = oldText.left(blanks);
        const QString nameAsWritten = oldText.mid(blanks, have.name.size());
        QString value;
        if (isEventAttribute(have.name) || have.name == QLatin1String("style")) {
            const QString kept = oldValue.trimmed();
            if (kept.isEmpty())
                value = wantedValue;
            else if (kept.endsWith(QLatin1Char(';')))
                value = oldValue + QLatin1Char(' ') + wantedValue;
            else
                value = oldValue + QStringLiteral("; ") + wantedValue;
        } else if (have.name == QLatin1String("class")) {
            value = oldValue.trimmed().isEmpty() ? wantedValue
                                                 : oldValue + QLatin1Char(' ') + wantedValue;
        } else {
            value = wantedValue;
            remarks->append(QStringLiteral("Your <BODY> tag's %1 was replaced: it was %2.")
                                .arg(have.name, oldText.trimmed()));
        }
        QString newText;
        if (have.quote == QLatin1Char('\'') && !value.contains(QLatin1Char('\'')))
            newText = lead + nameAsWritten + QStringLiteral("='") + value + QLatin1Char('\'');
        else if (!value.contains(QLatin1Char('"')))
            newText = lead + nameAsWritten + QStringLiteral("=\"") + value + QLatin1Char('"');
        else
            newText = lead + nameAsWritten + QLatin1Char('=') + quoted(value);
        text->replace(have.whole.start, have.whole.length(), newText);
        return {have.name, oldText, newText};
    }
    // A new attribute goes after the last one, before any "/>" or ">".
    qsizetype at = tag.start + 1;
    while (at < tag.end && !QStringLiteral(" \t\r\n/>").contains(text->at(at)))
        ++at;
    if (!present.isEmpty())
        at = present.last().whole.end;
    const QString newText = QLatin1Char(' ') + rawAttribute.trimmed();
    text->insert(at, newText);
    return {wanted.name, QString(), newText};
}

struct Target {
    qsizetype pos = -1;
    bool createHead = false;
};

// Moves a place that falls inside another snippet's markers to just after them.
qsizetype outsideOthers(const Layout& layout, const QString& title, qsizetype pos) {
    for (const PageScanner::Region& region : layout.regions) {
        if (region.title != title && region.opening.start < pos && pos < region.closing.end)
            return region.closing.end;
    }
    return pos;
}

QString valueIn(const QString& attributeText) {
    const QList<Attribute> list = PageScanner::attributeList(attributeText);
    if (list.isEmpty())
        return {};
    return attributeText.mid(list.first().value.start, list.first().value.length());
}

// Takes what a note added back out of an attribute that has changed since (another snippet
// added its own handler after it): just the added value and its separator.
bool undoByValue(QString* text, Span tag, const TagNote& note) {
    const QString oldValue = valueIn(note.oldText);
    QString added = valueIn(note.newText);
    if (!note.oldText.isEmpty()) {
        if (!added.startsWith(oldValue))
            return false;
        added = added.mid(oldValue.size());
        while (added.startsWith(QLatin1Char(';')) || added.startsWith(QLatin1Char(' ')))
            added.remove(0, 1);
    }
    if (added.isEmpty())
        return false;
    for (const Attribute& have : PageScanner::attributes(*text, tag)) {
        if (have.name != note.name)
            continue;
        QString value = text->mid(have.value.start, have.value.length());
        const qsizetype at = value.indexOf(added);
        if (at < 0)
            return false;
        qsizetype from = at;
        qsizetype to = at + added.size();
        if (value.mid(to, 2) == QLatin1String("; "))
            to += 2;
        else if (from >= 2 && value.mid(from - 2, 2) == QLatin1String("; "))
            from -= 2;
        value.remove(from, to - from);
        // Emptied: whichever snippet made the attribute, none of them needs it now.
        if (value.trimmed().isEmpty())
            text->remove(have.whole.start, have.whole.length());
        else
            text->replace(have.value.start, have.value.length(), value);
        return true;
    }
    return false;
}

bool undoNotes(QString* text, const QList<TagNote>& notes, QStringList* remarks) {
    bool allUndone = true;
    for (auto note = notes.crbegin(); note != notes.crend(); ++note) {
        const Layout layout = PageScanner::scan(*text);
        bool done = false;
        if (layout.bodyStart.found()) {
            for (const Attribute& have : PageScanner::attributes(*text, layout.bodyStart)) {
                if (have.name == note->name &&
                    text->mid(have.whole.start, have.whole.length()) == note->newText) {
                    text->replace(have.whole.start, have.whole.length(), note->oldText);
                    done = true;
                    break;
                }
            }
            if (!done)
                done = undoByValue(text, layout.bodyStart, *note);
        }
        if (!done) {
            allUndone = false;
            remarks->append(QStringLiteral("Your <BODY> tag has changed since: take %1 out of it "
                                           "by hand.")
                                .arg(note->newText.trimmed()));
        }
    }
    return allUndone;
}

// Takes every region of title out of text; returns false when there is none.
bool takeOut(QString* text, const QString& title, QStringList* remarks) {
    const Layout layout = PageScanner::scan(*text);
    QList<Edit> edits;
    QList<TagNote> notes;
    for (const PageScanner::Region& region : layout.regions) {
        if (region.title != title)
            continue;
        for (const Span& comment : layout.comments) {
            if (comment.start > region.opening.start && comment.end < region.closing.start) {
                TagNote note;
                if (readNote(text->mid(comment.start, comment.length()), &note))
                    notes.append(note);
            }
        }
        const Span span = removalSpan(*text, region.whole());
        edits.append({span.start, span.length(), QString()});
    }
    if (edits.isEmpty())
        return false;
    *text = applyEdits(*text, edits);
    undoNotes(text, notes, remarks);
    return true;
}

QString fileError(const QByteArray& bytes) {
    if (bytes.size() > kMaxPageBytes)
        return QStringLiteral("The file is larger than 20 MB; Tagloom only changes web pages.");
    if (looksBinary(bytes))
        return QStringLiteral("The file is not a web page (it holds binary data).");
    return {};
}

PageChange finish(const QByteArray& before, const PageText& page, const QString& units) {
    PageChange change;
    change.ok = true;
    change.before = before;
    change.after = page.encode(units);
    change.encodingName = page.encodingName();
    return change;
}

QString insertError(const QByteArray& page, const PageSnippet& snippet) {
    const QString error = fileError(page);
    if (!error.isEmpty() || snippet.hasPieces())
        return error;
    return snippet.newPages.isEmpty()
               ? QStringLiteral("\"%1\" has no code to put into a page.").arg(snippet.title)
               : QStringLiteral("\"%1\" is a whole page of its own: save it as a new "
                                "page instead.")
                     .arg(snippet.title);
}

// Merges the pieces meant for the <body> tag into it; returns the notes that undo them.
QList<TagNote> mergeBodyAttributes(QString* text, const PageText& pageText,
                                   const PageSnippet& snippet, QStringList* remarks) {
    QList<TagNote> notes;
    const Layout layout = PageScanner::scan(*text);
    for (const PageSnippet::Piece& piece : snippet.pieces) {
        if (piece.place != Place::BodyTag)
            continue;
        if (!layout.bodyStart.found()) {
            remarks->append(QStringLiteral("Your page has no <BODY> tag: add %1 to it by hand.")
                                .arg(piece.code));
            continue;
        }
        const QString raw = pageText.toUnits(piece.code);
        for (const Attribute& wanted : PageScanner::attributeList(raw)) {
            const Layout now = PageScanner::scan(*text);
            const QString rawAttribute = raw.mid(wanted.whole.start, wanted.whole.length());
            const QString value = raw.mid(wanted.value.start, wanted.value.length());
            notes.append(mergeAttribute(text, now.bodyStart, rawAttribute, wanted, value, remarks));
        }
    }
    return notes;
}

// Where each place lands in one page. Each is worked out once, when a piece first needs it,
// so that the remarks about missing tags come in the order the pieces ask.
class Targets {
public:
    Targets(const QString& text, const Layout& layout, QStringList* remarks)
        : m_text(text)
        , m_layout(layout)
        , m_remarks(remarks) {}

    Target head() { return once(&m_head, &Targets::findHead); }
    Target bodyStart() { return once(&m_bodyStart, &Targets::findBodyStart); }
    Target bodyEnd() { return once(&m_bodyEnd, &Targets::findBodyEnd); }
    Target anywhere() { return once(&m_anywhere, &Targets::findAnywhere); }

private:
    Target once(std::optional<Target>* known, Target (Targets::*find)()) {
        if (!*known)
            *known = (this->*find)();
        return **known;
    }
    Target lineStartBefore(const Span& tag) const { return {lineStartIfBlank(m_text, tag.start)}; }
    Target documentEnd(const QString& remark) {
        m_remarks->append(remark);
        return {m_text.size()};
    }

    Target findHead() {
        if (m_layout.headEnd.found())
            return lineStartBefore(m_layout.headEnd);
        if (m_layout.headStart.found() && m_layout.bodyStart.found())
            return lineStartBefore(m_layout.bodyStart);
        if (m_layout.bodyStart.found()) {
            m_remarks->append(QStringLiteral("Your page has no <HEAD> section: one was added "
                                             "before <BODY> for the head code."));
            return {lineStartIfBlank(m_text, m_layout.bodyStart.start), true};
        }
        if (m_layout.htmlStart.found()) {
            m_remarks->append(QStringLiteral("Your page has no <HEAD> section: one was added "
                                             "after <HTML> for the head code."));
            return {m_layout.htmlStart.end, true};
        }
        if (m_layout.headStart.found())
            return {m_layout.headStart.end};
        return documentEnd(
            QStringLiteral("Your page has no </HEAD> tag: the head code was put at the end of "
                           "the document."));
    }
    Target findBodyStart() {
        if (m_layout.bodyStart.found())
            return {m_layout.bodyStart.end};
        return documentEnd(
            QStringLiteral("Your page has no <BODY> tag: the code for the start of the body was "
                           "put at the end of the document."));
    }
    Target findBodyEnd() {
        if (m_layout.bodyEnd.found())
            return lineStartBefore(m_layout.bodyEnd);
        if (m_layout.htmlEnd.found()) {
            m_remarks->append(QStringLiteral("Your page has no </BODY> tag: the body code was put "
                                             "at the end of the document, before </HTML>."));
            return lineStartBefore(m_layout.htmlEnd);
        }
        return documentEnd(
            QStringLiteral("Your page has no </BODY> tag: the body code was put at the end of "
                           "the document."));
    }
    Target findAnywhere() {
        if (m_layout.marker.found())
            return {m_layout.marker.end};
        const Target target = bodyEnd();
        m_remarks->append(QStringLiteral(
            "Your page has no <!-- tagloom --> marker: the code to put where you want it went "
            "before </BODY>. Put the marker where it belongs and insert again to move it."));
        return target;
    }

    const QString& m_text;
    const Layout& m_layout;
    QStringList* m_remarks;
    std::optional<Target> m_head, m_bodyStart, m_bodyEnd, m_anywhere;
};

// The code of the pieces by the position it goes in, each position's in the entry's order.
struct Groups {
    QMap<qsizetype, QStringList> code;
    QSet<qsizetype> needHead; // positions where a <head> section is made around the code
};

// A piece's code in the page's characters and line breaks.
QString codeForPage(const PageText& pageText, const QString& code, const QString& eol) {
    QString units = pageText.codeToUnits(code);
    units.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (eol != QLatin1String("\n"))
        units.replace(QLatin1String("\n"), eol);
    return units;
}

Groups groupPieces(const PageText& pageText, const PageSnippet& snippet, const Layout& layout,
                   const QString& title, const QString& eol, Targets* targets) {
    Groups groups;
    for (const PageSnippet::Piece& piece : snippet.pieces) {
        Target target;
        switch (piece.place) {
        case Place::BodyTag:
            continue;
        case Place::Head:
            target = targets->head();
            break;
        case Place::BodyStart:
            target = targets->bodyStart();
            break;
        case Place::BodyEnd:
            target = targets->bodyEnd();
            break;
        case Place::Anywhere:
            target = targets->anywhere();
            break;
        }
        target.pos = outsideOthers(layout, title, target.pos);
        groups.code[target.pos].append(codeForPage(pageText, piece.code, eol));
        if (target.createHead)
            groups.needHead.insert(target.pos);
    }
    return groups;
}

// One region of title at each position, set off by line breaks.
QList<Edit> regionEdits(const QString& text, const Groups& groups, const QString& title,
                        const QString& eol) {
    QList<Edit> edits;
    for (auto group = groups.code.cbegin(); group != groups.code.cend(); ++group) {
        QString inside = group.value().join(eol);
        if (groups.needHead.contains(group.key()))
            inside = QStringLiteral("<head>") + eol + inside + eol + QStringLiteral("</head>");
        const QString block = PageScanner::regionOpening(title) + eol + inside + eol +
                              PageScanner::regionClosing(title);
        edits.append({group.key(), 0, framed(text, group.key(), block, eol)});
    }
    return edits;
}

} // namespace

bool looksBinary(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    return bytes.left(64 * 1024).contains('\0');
}

bool contains(const QByteArray& page, const QString& title) {
    const PageText text = PageText::decode(page);
    const QString wanted = text.toUnits(markerTitle(title));
    const Layout layout = PageScanner::scan(text.units());
    return std::any_of(layout.regions.cbegin(), layout.regions.cend(),
                       [&](const PageScanner::Region& r) { return r.title == wanted; });
}

PageChange remove(const QByteArray& page, const QString& title) {
    PageChange change;
    change.error = fileError(page);
    if (!change.error.isEmpty())
        return change;
    const PageText text = PageText::decode(page);
    QString units = text.units();
    QStringList remarks;
    if (!takeOut(&units, text.toUnits(markerTitle(title)), &remarks)) {
        change.error = QStringLiteral("\"%1\" is not in this page.").arg(title);
        return change;
    }
    change = finish(page, text, units);
    change.remarks = remarks;
    return change;
}

PageChange insert(const QByteArray& page, const PageSnippet& snippet) {
    PageChange change;
    change.error = insertError(page, snippet);
    if (!change.error.isEmpty())
        return change;
    const PageText pageText = PageText::decode(page);
    const QString eol = pageText.lineEnding();
    const QString title = pageText.toUnits(markerTitle(snippet.title));
    QString text = pageText.units();
    QStringList remarks;
    const bool replaced = takeOut(&text, title, &remarks);
    // Attributes first: the tag changes length, and everything else is placed after that.
    const QList<TagNote> notes = mergeBodyAttributes(&text, pageText, snippet, &remarks);

    const Layout layout = PageScanner::scan(text);
    Targets targets(text, layout, &remarks);
    Groups groups = groupPieces(pageText, snippet, layout, title, eol, &targets);
    if (!notes.isEmpty()) {
        QStringList lines;
        for (const TagNote& note : notes)
            lines.append(writeNote(note));
        groups.code[outsideOthers(layout, title, targets.bodyStart().pos)].prepend(lines.join(eol));
    }
    text = applyEdits(text, regionEdits(text, groups, title, eol));

    change = finish(page, pageText, text);
    change.remarks = remarks;
    change.replacedEarlier = replaced;
    return change;
}

} // namespace PageInsertion

QString PageChange::diff(int context) const {
    const PageText page = PageText::decode(before);
    const PageText changed = PageText::decode(after);
    auto lines = [](const PageText& p) {
        QStringList list = p.toText(p.units()).split(QLatin1Char('\n'));
        for (QString& line : list) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
        return list;
    };
    return LineDiff::unified(lines(page), lines(changed), context);
}
