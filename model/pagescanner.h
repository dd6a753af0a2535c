// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Where things are in an HTML page, found by a forgiving left-to-right scan that knows
// comments, the raw contents of <script> and <style> (and the text of <title> and
// <textarea>), quoted attribute values and either letter case. Positions are offsets into
// the scanned text; the page is never rebuilt from what is found, only cut at these places.
namespace PageScanner {

struct Span {
    qsizetype start = -1;
    qsizetype end = -1; // one past the last character
    bool found() const { return start >= 0; }
    qsizetype length() const { return end - start; }
};

struct Attribute {
    QString name; // lower case
    Span whole;   // from the blank before the name to the end of the value
    Span value;   // inside the quotes; empty span when the attribute has no value
    QChar quote;  // '"', '\'' or null for an unquoted or missing value
    bool hasValue = false;
};

// A "<!-- Tagloom: TITLE -->" ... "<!-- /Tagloom: TITLE -->" pair.
struct Region {
    QString title;
    Span opening;
    Span closing;
    Span whole() const { return {opening.start, closing.end}; }
};

// The contents of a <script> or <style> element (between its start and end tags).
struct RawText {
    QString element; // "script" or "style"
    Span contents;
};

struct Layout {
    Span htmlStart;
    Span headStart;
    Span headEnd;    // the first </head>
    Span bodyStart;  // the first <body ...>
    Span bodyEnd;    // the last </body>
    Span htmlEnd;    // the last </html>
    Span marker;     // the first "<!-- tagloom -->"
    QString charset; // from <meta charset> or <meta http-equiv content="...charset=...">
    QList<Region> regions;
    QList<Span> comments; // every comment, for finding the notes inside regions
    QList<RawText> code;  // every script and style element's contents
};

Layout scan(const QString& text);

// The attributes of the start tag at tag (from '<' to past '>').
QList<Attribute> attributes(const QString& text, Span tag);

// Attributes written on their own, as in "onload=\"start()\" onunload=\"stop()\"".
QList<Attribute> attributeList(const QString& text);

QString regionOpening(const QString& title);
QString regionClosing(const QString& title);

} // namespace PageScanner
