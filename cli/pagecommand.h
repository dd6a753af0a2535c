// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace CommandLine {
class Dispatcher;
struct Places;
} // namespace CommandLine

class Catalogue;
class PageFileAccess;
class QTextStream;
struct ScriptEntry;

// "tagloom --insert TITLE FILE [--dry-run]" and "tagloom --remove TITLE FILE [--dry-run]":
// the page insertion without a window, through the same PageEditor the window uses.
// Exit codes: 0 done (or previewed), 1 unknown title or a page that cannot be changed, 2 bad
// usage; reasons go to err.
namespace PageCommand {

// Adds --insert and --remove to the command line.
void addTo(CommandLine::Dispatcher& dispatcher, const CommandLine::Places& places);

// arguments start with "--insert" or "--remove".

int run(const QStringList& arguments, const Catalogue& catalogue, PageFileAccess& files,
        const QString& scriptsFolder, QTextStream& out, QTextStream& err);

// The entry a title names: exactly, then ignoring case, then by its viewer window's name.
const ScriptEntry* findEntry(const Catalogue& catalogue, const QString& title);

} // namespace PageCommand
