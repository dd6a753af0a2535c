// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every catalogue entry's sample page into the offline site, and fails on any
// malformed entry file so that such a file never reaches the program.
#include "catalogue/catalogue.h"
#include "catalogue/catalogueindex.h"
#include "catalogue/samplepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "usage: tagloom_sitegen <content folder> <site folder>\n";
        return 2;
    }
    const Catalogue catalogue(args.at(1));
    const QString samples = args.at(2) + QStringLiteral("/tagloom/samples/");

    const QStringList errors = catalogue.errors();
    for (const QString& error : errors)
        err << error << '\n';
    if (!errors.isEmpty())
        return 1;

    int written = 0;
    int placeholders = 0;
    for (const ScriptEntry* entry : catalogue.entries()) {
        if (!entry->hasSample())
            continue;
        const QString path = samples + entry->samplePage;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            err << path << ": " << file.errorString() << '\n';
            return 1;
        }
        const QString page =
            entry->todo ? SamplePage::placeholder(*entry) : SamplePage::generate(*entry);
        if (file.write(page.toUtf8()) < 0 || !file.flush()) {
            err << path << ": " << file.errorString() << '\n';
            return 1;
        }
        ++written;
        if (entry->todo)
            ++placeholders;
    }
    QTextStream(stdout) << "sample pages written: " << written << " (" << placeholders
                        << " still placeholders)\n";
    return 0;
}
