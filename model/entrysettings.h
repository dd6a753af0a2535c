// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The "settings: change these" sections that open most entries' code, read as data so that a
// form can offer each value and write the user's choice back into the code.
//
// A section runs from a start marker line to an end marker line, in the comment form of the
// code around it:  // --- settings: ... ---   /* --- settings: ... --- */   <!-- --- settings
// --- -->  and  // --- end of settings ---  (or the CSS and HTML forms). Inside a script
// section a setting is  const|let|var NAME = LITERAL; // comment  (the literal may span
// lines); inside a style section it is a custom property  --name: value; /* comment */.
namespace EntrySettings {

enum class Type { Number, String, Boolean, Colour, StringList, Other };

struct Setting {
    QString name;    // the variable or custom property ("--menu-bg")
    QString literal; // exactly as written in the code
    Type type = Type::Other;
    QString comment; // the setting's own comment, or the comment lines just above it
    QVariant value;  // the literal's value: double, QString (strings, colours), bool,
                     // QStringList; invalid for Other
    int block = 0;   // index of the entry block the setting lives in
    int line = 0;    // 1-based line of the setting within its block's code
    int start = 0;   // position of the literal within the block's code
    bool css = false;
    QString unit;     // for CSS numbers: the unit after the number ("px", "s")
    int decimals = 0; // for numbers: the digits after the point as written

    // The label a form shows: the comment, else the name in words.
    QString label() const;
};

struct Error {
    int line = 0; // 1-based, within the code that was read
    QString message;
};

struct Result {
    QList<Setting> settings;
    QList<Error> errors;
    int sections = 0;
};

// Reads the settings sections of one block's code. Every setting's block is set to block.
Result read(const QString& code, int block = 0);

// The value of a JavaScript string literal (with its quotes); false when it is not one.
bool readStringLiteral(const QString& literal, QString* value);
// A JavaScript string literal for value, in the given quote, safe inside an HTML <script>
// element (no "</script>" or "<!--" survives) and on a single line.
QString stringLiteral(const QString& value, QChar quote = QLatin1Char('\''));

// The literal to put in place of setting's for value. A value equal to the setting's own is
// written exactly as it stands, so untouched settings keep their author's layout.
QString literalFor(const Setting& setting, const QVariant& value);
bool sameValue(const Setting& setting, const QVariant& value);

// Every settings problem of one entry file, as "<fileName>:<line>: <message>" with the line
// counted in the file (the build reports these and stops).
QStringList checkEntryFile(const QString& text, const QString& fileName);

// code with the literal of each setting (all of this block, ascending start) replaced by the
// matching value.
QString apply(const QString& code, const QList<Setting>& settings, const QList<QVariant>& values);

} // namespace EntrySettings
