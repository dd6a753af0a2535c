// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A page's bytes as text that can be cut and joined without changing a byte outside the cuts.
// For the byte-oriented encodings (UTF-8, Windows-1252 and the like) every byte becomes one
// character of "units", so any byte sequence, even an invalid one, survives unchanged; a
// UTF-16 page (recognised by its byte order mark) is decoded and written back with its mark.
class PageText {
public:
    enum class Encoding { Utf8, Windows1252, OtherSingleByte, Utf16LE, Utf16BE };

    static PageText decode(const QByteArray& bytes);

    Encoding encoding() const { return m_encoding; }
    QString encodingName() const;
    // The byte-identical round trip of units back to the file's bytes.
    QByteArray encode(const QString& units) const;
    // New text in the page's encoding; characters it cannot hold become numeric entities.
    QString toUnits(const QString& text) const;
    // New markup in the page's encoding. Inside its <script> and <style> elements, where an
    // entity would be read as plain text, characters the page cannot hold become JavaScript
    // or CSS escapes instead, so the code means what it meant.
    QString codeToUnits(const QString& code) const;
    // Units back to readable text, for showing what changes.
    QString toText(const QString& units) const;

    const QString& units() const { return m_units; }
    // "\r\n" when the page mostly ends its lines so, else "\n".
    const QString& lineEnding() const { return m_lineEnding; }

private:
    QString toUnits(const QString& text, QString (*escape)(char32_t)) const;

    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_bom;
    QString m_units;
    QString m_lineEnding = QStringLiteral("\n");
};
