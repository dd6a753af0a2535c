// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The rules every text file of the catalogue keeps (entry files and secondary window texts):
// UTF-8 on disk, LF line breaks, no NUL, and only characters that code page 1252 can hold, so
// that what users copy from a viewer pastes unchanged into pages saved in that code page.
namespace TextRules {

// Decodes bytes into text. On a broken rule returns false and sets error to
// "<file>:<line>: <message>" for the first offending line; text is then unspecified.
bool decode(const QByteArray& bytes, const QString& fileName, QString* text, QString* error);

// The same checks for text that is already decoded (all but the UTF-8 one).
bool check(const QString& text, const QString& fileName, QString* error);

bool inCodePage1252(char32_t character);

} // namespace TextRules
