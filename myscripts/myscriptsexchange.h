// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "myscripts/slotstore.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The file formats My Scripts entries travel in, and the rules for taking them in. QtCore
// only, so that a program without windows can use them too.
namespace MyScriptsExchange {

// The entries of the slots that are in use (their Name is not empty).
QList<MyScriptSlot> usedOnly(const QList<MyScriptSlot>& entries);

// Every slot (used or not) with its six values, exactly as stored.
QByteArray toTagloomFile(const QList<MyScriptSlot>& entries);

// One snippet per used entry for code editors that read ".code-snippets" files. The body is
// the head code followed by the body code, one string per line, with "$" and "\" escaped so
// that the editor inserts them literally.
QByteArray toCodeSnippets(const QList<MyScriptSlot>& entries);

// A standalone page per entry: head code in the head, body code in the body.
QString toHtmlPage(const MyScriptSlot& entry);
QString htmlFileName(const MyScriptSlot& entry);
// A page linking to every entry's page.
QString htmlIndexPage(const QList<MyScriptSlot>& entries);

struct ParsedFile {
    bool ok = false;
    QString error;               // in plain words, when !ok
    QString details;             // the parser's own words
    QList<MyScriptSlot> entries; // named entries only; numbers as found (0 when none)
};

// Reads a Tagloom file or a ".code-snippets" file, whichever it is.
ParsedFile parse(const QByteArray& data);

struct ImportPlan {
    QList<MyScriptSlot> placed;             // numbered with the free slot each goes into
    QList<QPair<QString, QString>> renamed; // from, to
    QStringList skipped;                    // no free slot left
    QStringList present;                    // the very same entry is in the store already
};

// Where an incoming entry goes: the lowest free slot (a file taken in), or its own slot while
// that is free (the user's own entries coming back).
enum class Placement { LowestFree, OwnSlotFirst };

// Puts incoming entries into the free entries of `current` (all 30), in order. An entry the
// store already holds with the same six values is not taken in again. A name already present,
// in the store or among the entries placed before it, becomes "Name (2)", "Name (3)", ...
ImportPlan planImport(const QList<MyScriptSlot>& current, const QList<MyScriptSlot>& incoming,
                      Placement placement = Placement::LowestFree);

// The import report in plain words.
QString describe(const ImportPlan& plan);
// Its list of renamed entries (empty when none was renamed).
QString describeRenames(const ImportPlan& plan);

} // namespace MyScriptsExchange
