// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cataloguecommands.h"

#include "cli/cataloguepack.h"
#include "cli/commandline.h"
#include "model/catalogue.h"
#include "model/catalogueindex.h"
#include "model/entrydocument.h"
#include "model/installedtext.h"
#include "model/searchindex.h"

#include <QCoreApplication>
#include <QTextStream>

namespace CommandLine {

namespace {

// The compiled-in search documents; the entry files parsed afresh if the blob cannot be read.
SearchIndex builtInIndex() {
    QList<SearchDocument> documents;
    if (!CataloguePack::readSearch(CataloguePack::compiledSearch(), &documents))
        return SearchIndex::fromCatalogue(builtInCatalogue());
    SearchIndex index;
    for (const SearchDocument& document : std::as_const(documents))
        index.add(document);
    return index;
}

// The catalogue the commands read: a given one (tests), or the compiled-in one.
struct Source {
    const Catalogue* given = nullptr;

    SearchIndex index() const {
        return given ? SearchIndex::fromCatalogue(*given) : builtInIndex();
    }
    // The entry --print shows for a title, or nullptr.
    const ScriptEntry* find(const QString& title) const;
};

QString categoryOf(const QString& window) {
    const CatalogueIndex::Title* title = CatalogueIndex::findWindow(window);
    return title ? CatalogueIndex::category(title->category).caption : QString();
}

int list(const QStringList& arguments, Io& io) {
    if (arguments.size() > 1) {
        io.err << QCoreApplication::translate("CatalogueCommands",
                                              "tagloom: --list takes at most one category\n");
        return BadUsage;
    }
    if (arguments.isEmpty()) {
        for (const CatalogueIndex::Title& title : CatalogueIndex::titles())
            io.out << title.title << '\t' << CatalogueIndex::category(title.category).caption
                   << '\n';
        return Success;
    }
    // A category by its caption or its folder name, in any case.
    const QString wanted = arguments.first().trimmed();
    for (int i = 0; i < CatalogueIndex::catalogueCategoryCount(); ++i) {
        const CatalogueIndex::Category category = CatalogueIndex::category(i);
        if (category.caption.compare(wanted, Qt::CaseInsensitive) != 0 &&
            category.folder.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        for (const QString& title : CatalogueIndex::titlesOf(i))
            io.out << title << '\n';
        return Success;
    }
    io.err << QCoreApplication::translate(
                  "CatalogueCommands", "tagloom: no category called \"%1\". The categories are:\n")
                  .arg(wanted);
    for (int i = 0; i < CatalogueIndex::catalogueCategoryCount(); ++i)
        io.err << "  " << CatalogueIndex::category(i).caption << '\n';
    return NothingFound;
}

int search(const Source& source, const QStringList& arguments, Io& io) {
    const QString query = arguments.join(QLatin1Char(' ')).trimmed();
    if (query.isEmpty()) {
        io.err << QCoreApplication::translate("CatalogueCommands",
                                              "tagloom: --search needs some text to look for\n");
        return BadUsage;
    }
    const SearchIndex index = source.index();
    const auto hits = index.search(query, -1);
    if (hits.isEmpty()) {
        io.err << QCoreApplication::translate("CatalogueCommands",
                                              "tagloom: no script matches \"%1\"\n")
                      .arg(query);
        return NothingFound;
    }
    for (const SearchIndex::Hit& hit : hits) {
        const SearchDocument& document = index.document(hit.document);
        io.out << document.title << '\t' << document.category << '\n';
    }
    return Success;
}

// The first of the titles equal to `title`, else the first equal to it trimmed and in any case;
// -1 if none.
int matchTitle(const QStringList& titles, const QString& title) {
    const int exact = int(titles.indexOf(title));
    if (exact >= 0)
        return exact;
    const QString wanted = title.trimmed();
    for (int i = 0; i < titles.size(); ++i) {
        if (titles.at(i).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const ScriptEntry* Source::find(const QString& title) const {
    if (given) {
        const QList<const ScriptEntry*> entries = given->entries();
        QStringList titles;
        for (const ScriptEntry* entry : entries)
            titles.append(entry->title);
        const int at = matchTitle(titles, title);
        return at < 0 ? nullptr : entries.at(at);
    }
    // The compiled-in entries have exactly the index's titles, in its order (the build checks
    // it), so an unknown title is known as such without reading them.
    QStringList titles;
    for (const CatalogueIndex::Title& indexed : CatalogueIndex::titles())
        titles.append(indexed.title);
    const int at = matchTitle(titles, title);
    return at < 0 ? nullptr : builtInCatalogue().entry(CatalogueIndex::titles().at(at).window);
}

struct PrintRequest {
    QString title;
    int block = 0; // 1-based code box; 0: all
};

// Reads "TITLE [--block N]" in either order; returns Success or, after saying why, BadUsage.
int readPrintArguments(const QStringList& arguments, PrintRequest* request, Io& io) {
    bool titleGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--block")) {
            bool ok = false;
            request->block = arguments.value(i + 1).toInt(&ok);
            if (!ok || request->block < 1 || request->block > 9999) {
                io.err << QCoreApplication::translate(
                    "CatalogueCommands", "tagloom: --block needs a block number from 1\n");
                return BadUsage;
            }
            ++i;
        } else if (!titleGiven) {
            request->title = argument;
            titleGiven = true;
        } else {
            io.err << QCoreApplication::translate(
                "CatalogueCommands",
                "tagloom: --print takes one title (quote it if it has spaces)\n");
            return BadUsage;
        }
    }
    if (!titleGiven || request->title.trimmed().isEmpty()) {
        io.err << QCoreApplication::translate("CatalogueCommands",
                                              "tagloom: --print needs the title of a script\n");
        return BadUsage;
    }
    return Success;
}

int noSuchTitle(const Source& source, const QString& title, Io& io) {
    io.err << QCoreApplication::translate("CatalogueCommands",
                                          "tagloom: no script is called \"%1\"\n")
                  .arg(title);
    const SearchIndex index = source.index();
    const auto hits = index.search(title, 5);
    if (!hits.isEmpty()) {
        io.err << QCoreApplication::translate("CatalogueCommands", "Did you mean:\n");
        for (const SearchIndex::Hit& hit : hits)
            io.err << "  " << index.document(hit.document).title << '\n';
    }
    return NothingFound;
}

int printBlock(const EntryDocument& document, int block, Io& io) {
    const int index = document.blockOfCodeBox(block - 1);
    if (index < 0) {
        io.err << (document.codeBlockCount() == 1
                       ? QCoreApplication::translate("CatalogueCommands",
                                                     "tagloom: \"%1\" has %2 block\n")
                       : QCoreApplication::translate("CatalogueCommands",
                                                     "tagloom: \"%1\" has %2 blocks\n"))
                      .arg(document.title, QString::number(document.codeBlockCount()));
        return NothingFound;
    }
    QString code = document.blocks.at(index).code;
    if (!code.endsWith(QLatin1Char('\n')))
        code += QLatin1Char('\n');
    io.out << code;
    return Success;
}

int print(const Source& source, const Places& places, const QStringList& arguments, Io& io) {
    PrintRequest request;
    if (const int code = readPrintArguments(arguments, &request, io); code != Success)
        return code;
    const ScriptEntry* entry = source.find(request.title);
    if (!entry)
        return noSuchTitle(source, request.title, io);
    // The code exactly as the viewer shows it.
    const EntryDocument document = EntryDocument::fromEntry(
        InstalledText::resolve(*entry, places.siteBase ? places.siteBase() : QString(),
                               places.scriptsFolder ? places.scriptsFolder() : QString()),
        categoryOf(entry->formName));
    if (request.block == 0) {
        io.out << document.allBlocksText();
        return Success;
    }
    return printBlock(document, request.block, io);
}

} // namespace

const Catalogue& builtInCatalogue() {
    static const Catalogue catalogue = [] {
        QList<ScriptEntry> entries;
        if (CataloguePack::readEntries(CataloguePack::compiledEntries(), &entries))
            return Catalogue(std::move(entries));
        return Catalogue();
    }();
    return catalogue;
}

void addCatalogueCommands(Dispatcher& dispatcher, const Places& places,
                          const Catalogue* catalogue) {
    const Source source{catalogue};
    dispatcher.add(
        {QStringLiteral("--list"),
         QCoreApplication::translate("CatalogueCommands", "--list [CATEGORY]"),
         QCoreApplication::translate("CatalogueCommands",
                                     "list every title and its category, or one category's titles"),
         list});
    dispatcher.add(
        {QStringLiteral("--search"),
         QCoreApplication::translate("CatalogueCommands", "--search TEXT"),
         QCoreApplication::translate("CatalogueCommands",
                                     "titles that match, best first, with their category"),
         [source](const QStringList& arguments, Io& io) { return search(source, arguments, io); }});
    dispatcher.add(
        {QStringLiteral("--print"),
         QCoreApplication::translate("CatalogueCommands", "--print TITLE [--block N]"),
         QCoreApplication::translate("CatalogueCommands",
                                     "a script's code: every block under its placement line, or "
                                     "only block N"),
         [source, places](const QStringList& arguments, Io& io) {
             return print(source, places, arguments, io);
         }});
}

} // namespace CommandLine
