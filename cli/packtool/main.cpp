// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the command line's catalogue blobs from the content folder, and fails on any malformed
// entry file, so that the program never carries a blob of a catalogue it would not accept.
// usage: tagloom_catalogue_pack <content folder> <output folder>
#include "cli/cataloguepack.h"
#include "model/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool save(const QString& path, const QByteArray& bytes, QTextStream& err) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    err << path << ": " << file.errorString() << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        err << "usage: tagloom_catalogue_pack <content folder> <output folder>\n";
        return 2;
    }
    const Catalogue catalogue(arguments.at(1));
    const QStringList errors = catalogue.errors();
    for (const QString& error : errors)
        err << error << '\n';
    if (!errors.isEmpty())
        return 1;
    const QDir out(arguments.at(2));
    if (!out.mkpath(QStringLiteral("."))) {
        err << out.path() << ": cannot make the folder\n";
        return 1;
    }
    return save(out.filePath(QStringLiteral("entries.pack")), CataloguePack::entriesBlob(catalogue),
                err) &&
                   save(out.filePath(QStringLiteral("search.pack")),
                        CataloguePack::searchBlob(catalogue), err)
               ? 0
               : 1;
}
