// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cataloguepack.h"

#include "model/catalogue.h"

#include <QDataStream>
#include <QIODevice>
#include <QResource>

// Stream operators at file scope: QList's own operators find them by argument-dependent lookup.
static QDataStream& operator<<(QDataStream& stream, const EntryBlock& block) {
    return stream << qint32(block.kind) << block.instruction << block.code;
}

static QDataStream& operator>>(QDataStream& stream, EntryBlock& block) {
    qint32 kind = 0;
    stream >> kind >> block.instruction >> block.code;
    block.kind = EntryBlock::Kind(kind);
    return stream;
}

static QDataStream& operator<<(QDataStream& stream, const ScriptEntry& entry) {
    const ViewerQuirks& quirks = entry.quirks;
    return stream << entry.formName << entry.title << entry.caption << entry.description
                  << entry.samplePage << qint32(entry.height) << entry.extraWindow << entry.blocks
                  << quirks.codeHeading << quirks.reverseTabOrder << quirks.separateBrowser
                  << quirks.tallBackground << quirks.addressBoxName << entry.probe << entry.demo
                  << entry.demoHead << entry.pageTemplate;
}

static QDataStream& operator>>(QDataStream& stream, ScriptEntry& entry) {
    ViewerQuirks& quirks = entry.quirks;
    qint32 height = 0;
    stream >> entry.formName >> entry.title >> entry.caption >> entry.description >>
        entry.samplePage >> height >> entry.extraWindow >> entry.blocks >> quirks.codeHeading >>
        quirks.reverseTabOrder >> quirks.separateBrowser >> quirks.tallBackground >>
        quirks.addressBoxName >> entry.probe >> entry.demo >> entry.demoHead >> entry.pageTemplate;
    entry.height = height;
    return stream;
}

static QDataStream& operator<<(QDataStream& stream, const SearchDocument& document) {
    return stream << qint32(document.source) << document.key << document.title << document.category
                  << document.description << document.placements << document.code;
}

static QDataStream& operator>>(QDataStream& stream, SearchDocument& document) {
    qint32 source = 0;
    stream >> source >> document.key >> document.title >> document.category >>
        document.description >> document.placements >> document.code;
    document.source = SearchDocument::Source(source);
    return stream;
}

namespace CataloguePack {

namespace {

// Bump when the layout below changes; a blob of another layout is refused, never misread.
constexpr quint32 kMagic = 0x544c4350; // "TLCP"
constexpr quint32 kEntriesLayout = 2;
constexpr quint32 kSearchLayout = 1;

// Little-endian, the machine's own order: strings are read without swapping bytes.
void prepare(QDataStream& stream) {
    stream.setVersion(QDataStream::Qt_6_4);
    stream.setByteOrder(QDataStream::LittleEndian);
}

template <typename T> QByteArray write(quint32 layout, const QList<T>& items) {
    QByteArray blob;
    QDataStream stream(&blob, QIODevice::WriteOnly);
    prepare(stream);
    stream << kMagic << layout << items;
    return blob;
}

template <typename T> bool read(const QByteArray& blob, quint32 layout, QList<T>* items) {
    QDataStream stream(blob);
    prepare(stream);
    quint32 magic = 0;
    quint32 version = 0;
    stream >> magic >> version;
    if (magic != kMagic || version != layout)
        return false;
    stream >> *items;
    if (stream.status() == QDataStream::Ok && stream.atEnd())
        return true;
    items->clear();
    return false;
}

QByteArray compiled(const QString& path) {
    // Stored uncompressed, so this wraps the program's own bytes instead of copying them.
    const QResource resource(path);
    return resource.isValid() ? resource.uncompressedData() : QByteArray();
}

} // namespace

QByteArray entriesBlob(const Catalogue& catalogue) {
    QList<ScriptEntry> entries;
    for (const ScriptEntry* entry : catalogue.entries())
        entries.append(*entry);
    return write(kEntriesLayout, entries);
}

QByteArray searchBlob(const Catalogue& catalogue) {
    const SearchIndex index = SearchIndex::fromCatalogue(catalogue);
    QList<SearchDocument> documents;
    for (int i = 0; i < index.size(); ++i) {
        SearchDocument document = index.document(i);
        document.description = document.description.toLower();
        for (QString& placement : document.placements)
            placement = placement.toLower();
        document.code = document.code.toLower();
        documents.append(document);
    }
    return write(kSearchLayout, documents);
}

bool readEntries(const QByteArray& blob, QList<ScriptEntry>* entries) {
    return read(blob, kEntriesLayout, entries);
}

bool readSearch(const QByteArray& blob, QList<SearchDocument>* documents) {
    return read(blob, kSearchLayout, documents);
}

QByteArray compiledEntries() {
    return compiled(QStringLiteral(":/cli/entries.pack"));
}

QByteArray compiledSearch() {
    return compiled(QStringLiteral(":/cli/search.pack"));
}

} // namespace CataloguePack
