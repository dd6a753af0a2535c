// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct ScriptEntry;

// What goes into a page for one catalogue entry or saved script, and where: the code of
// each block with its place, what the user must still do by hand, and whole pages that are
// never merged into an existing one.
struct PageSnippet {
    enum class Place {
        Head,      // before </head>
        BodyStart, // right after the <body> start tag
        BodyEnd,   // before </body>
        Anywhere,  // at the page's marker comment, else before </body>
        BodyTag    // attributes merged into the <body> start tag
    };
    struct Piece {
        Place place;
        QString code;
    };
    struct NewPage {
        QString fileName; // suggested name; empty when the user chooses one
        QString code;
    };

    QString title;
    QList<Piece> pieces;
    QStringList byHand; // the entry's notes and the steps no insertion can do
    QList<NewPage> newPages;
    // Text in which the names of support files are looked for (notes, instructions, code).
    QString mentions;

    bool hasPieces() const { return !pieces.isEmpty(); }

    // withDemo adds the scaffolding that only the sample page needs (for tests and samples).
    static PageSnippet fromEntry(const ScriptEntry& entry, bool withDemo = false);
    static PageSnippet fromMyScript(const QString& title, const QString& head, const QString& body);
    // Where a block with its own instruction belongs, read from the instruction's words.
    static Place placeForInstruction(const QString& instruction, bool* newPage = nullptr,
                                     QString* fileName = nullptr);
};
