// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"
#include "model/searchindex.h"

#include <QByteArray>
#include <QList>

class Catalogue;

// The catalogue as the command line reads it: the entries parsed and checked when the program
// is built, in two blobs compiled into it. Parsing the 208 entry files and folding their code to
// lower case for the search index took most of a command's time; reading the blobs takes well
// under a millisecond. The build writes them from the same content files as the compiled-in
// catalogue, and a test compares the two.
namespace CataloguePack {

// Every entry, as the parser gives it.
QByteArray entriesBlob(const Catalogue& catalogue);
// The search documents of SearchIndex::fromCatalogue, their description, placements and code
// already in lower case: the search compares only the folded text of those, so the index gives
// the same hits without folding half a megabyte of code on every run.
QByteArray searchBlob(const Catalogue& catalogue);

// False when the blob is not one written by this program (entries/documents are then empty).
bool readEntries(const QByteArray& blob, QList<ScriptEntry>* entries);
bool readSearch(const QByteArray& blob, QList<SearchDocument>* documents);

// The blobs compiled into the program; empty if they are missing.
QByteArray compiledEntries();
QByteArray compiledSearch();

} // namespace CataloguePack
