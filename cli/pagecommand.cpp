// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pagecommand.h"

#include "cli/cataloguecommands.h"
#include "cli/commandline.h"
#include "model/catalogue.h"
#include "model/pageeditor.h"

#include <QCoreApplication>
#include <QTextStream>

namespace PageCommand {

namespace {

const QString kInsert = QStringLiteral("--insert");
const QString kRemove = QStringLiteral("--remove");
const QString kDryRun = QStringLiteral("--dry-run");

void usage(QTextStream& err) {
    err << QCoreApplication::translate("PageCommand",
                                       "usage: tagloom --insert TITLE FILE [--dry-run]\n"
                                       "       tagloom --remove TITLE FILE [--dry-run]\n");
}

void printList(QTextStream& out, const QString& heading, const QStringList& items) {
    if (items.isEmpty())
        return;
    out << heading << '\n';
    for (const QString& item : items)
        out << "  - " << item << '\n';
}

} // namespace

void addTo(CommandLine::Dispatcher& dispatcher, const CommandLine::Places& places) {
    for (const QString& option : {kInsert, kRemove}) {
        const bool inserting = option == kInsert;
        dispatcher.add(
            {option, option + QCoreApplication::translate("PageCommand", " TITLE FILE [--dry-run]"),
             inserting
                 ? QCoreApplication::translate("PageCommand",
                                               "put an entry into a page (--dry-run: show "
                                               "the change only)")
                 : QCoreApplication::translate("PageCommand", "take an entry out of a page again"),
             [option, places](const QStringList& arguments, CommandLine::Io& io) {
                 if (!places.pageFiles) {
                     io.err << QCoreApplication::translate(
                         "PageCommand", "tagloom: pages cannot be changed here.\n");
                     return int(CommandLine::NothingFound);
                 }
                 return run(QStringList{option} + arguments, CommandLine::builtInCatalogue(),
                            *places.pageFiles,
                            places.scriptsFolder ? places.scriptsFolder() : QString(), io.out,
                            io.err);
             }});
    }
}

const ScriptEntry* findEntry(const Catalogue& catalogue, const QString& title) {
    const QList<const ScriptEntry*> entries = catalogue.entries();
    for (const ScriptEntry* entry : entries) {
        if (entry->title == title)
            return entry;
    }
    for (const ScriptEntry* entry : entries) {
        if (entry->title.compare(title, Qt::CaseInsensitive) == 0 ||
            entry->title.chopped(entry->title.endsWith(QLatin1String(" *")) ? 2 : 0)
                    .compare(title, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return catalogue.entry(title);
}

int run(const QStringList& arguments, const Catalogue& catalogue, PageFileAccess& files,
        const QString& scriptsFolder, QTextStream& out, QTextStream& err) {
    QStringList rest = arguments;
    const bool dryRun = rest.removeAll(kDryRun) > 0;
    if (rest.size() != 3 || (rest.at(0) != kInsert && rest.at(0) != kRemove) ||
        rest.count(kInsert) + rest.count(kRemove) != 1 || rest.at(1).isEmpty() ||
        rest.at(2).isEmpty()) {
        usage(err);
        return 2;
    }
    const bool removing = rest.at(0) == kRemove;
    const QString& title = rest.at(1);
    const QString& path = rest.at(2);

    const PageEditor editor(files, scriptsFolder);
    PageEditor::Preview preview;
    if (removing) {
        const ScriptEntry* entry = findEntry(catalogue, title);
        preview = editor.previewRemove(path, entry ? entry->title : title);
    } else {
        const ScriptEntry* entry = findEntry(catalogue, title);
        if (!entry) {
            err << QCoreApplication::translate("PageCommand",
                                               "tagloom: no catalogue entry is called \"%1\".\n")
                       .arg(title);
            return 1;
        }
        preview = editor.previewInsert(path, PageSnippet::fromEntry(*entry));
    }
    if (!preview.ok()) {
        err << "tagloom: " << preview.error << '\n';
        return 1;
    }
    if (dryRun)
        out << preview.change.diff();
    else {
        const PageEditor::Outcome outcome = editor.apply(preview);
        if (!outcome.ok) {
            err << "tagloom: " << outcome.message << '\n';
            return 1;
        }
        out << outcome.message << '\n';
    }
    printList(out, QCoreApplication::translate("PageCommand", "Note:"), preview.change.remarks);
    printList(out, QCoreApplication::translate("PageCommand", "Still to do by hand:"),
              preview.byHand);
    printList(out,
              QCoreApplication::translate(
                  "PageCommand", "Support files to put beside the page (from the scripts folder):"),
              preview.supportFiles);
    return 0;
}

} // namespace PageCommand
