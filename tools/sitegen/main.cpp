// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every catalogue entry's sample page into the offline site, and fails on any
// malformed entry file so that such a file never reaches the program.
#include "model/catalogue.h"
#include "model/catalogueindex.h"
#include "model/entrysettings.h"
#include "model/samplepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

// One page listing every sample page by category, so the offline site can be browsed.
QString samplesIndex(const Catalogue& catalogue) {
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Tagloom sample pages</title>\n"
        "<link rel=\"stylesheet\" href=\"../../orv/orv.css\">\n</head>\n<body>\n"
        "<header><h1>Tagloom sample pages</h1><p>Every script of the catalogue, running.</p>"
        "</header>\n<nav><a href=\"../../index.html\">Home</a> "
        "<a href=\"../../orv/tagloom.htm\">Tagloom</a> "
        "<a href=\"../icons/index.html\">Web elements</a> "
        "<a href=\"../tools/password-generator.htm\">Password generator</a> "
        "<a href=\"../tools/encoder.htm\">Text encoder</a></nav>\n<main>\n");
    for (int category = 0; category < CatalogueIndex::catalogueCategoryCount(); ++category) {
        html += QStringLiteral("<div class=\"box\">\n<h2>%1</h2>\n<ul>\n")
                    .arg(CatalogueIndex::category(category).caption.toHtmlEscaped());
        for (const CatalogueIndex::Title& title : CatalogueIndex::titles()) {
            if (title.category != category)
                continue;
            const ScriptEntry* entry = catalogue.entry(title.window);
            if (entry && entry->hasSample())
                html += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                            .arg(entry->samplePage.toHtmlEscaped(), title.title.toHtmlEscaped());
            else
                html += QStringLiteral("<li>%1 <small>(no sample page)</small></li>\n")
                            .arg(title.title.toHtmlEscaped());
        }
        html += QStringLiteral("</ul>\n</div>\n");
    }
    html += QStringLiteral("</main>\n</body>\n</html>\n");
    return html;
}

bool writeFile(const QString& path, const QString& text, QTextStream& err) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0 ||
        !file.flush()) {
        err << path << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

// Whether a page names a support file, literally or as a numbered series whose names a
// script puts together ("clocks-digit" + n + ".svg").
bool namesFile(const QString& text, const QFileInfo& support) {
    if (text.contains(support.fileName()))
        return true;
    QString family = support.completeBaseName();
    while (!family.isEmpty() && family.back().isDigit())
        family.chop(1);
    return family.size() < support.completeBaseName().size() && family.size() >= 4 &&
           text.contains(family) && text.contains(QLatin1Char('.') + support.suffix());
}

// The support files that pages use (pictures, sounds, helper scripts, stand-in pages for demo
// links) are kept once, most in the scripts folder that users take them from; each page that
// names one gets a copy beside it.
bool copySupportFiles(const QString& site, const QString& scripts, QTextStream& err, int* copied) {
    const QFileInfoList supportFiles = QDir(scripts).entryInfoList(QDir::Files);
    QDirIterator pages(site,
                       {QStringLiteral("*.htm"), QStringLiteral("*.html"), QStringLiteral("*.css"),
                        QStringLiteral("*.js")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QFileInfo page(pages.next());
        QFile file(page.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            err << page.absoluteFilePath() << ": " << file.errorString() << '\n';
            return false;
        }
        const QString text = QString::fromUtf8(file.readAll());
        for (const QFileInfo& support : supportFiles) {
            const QString target = page.dir().filePath(support.fileName());
            if (!namesFile(text, support) || QFileInfo::exists(target))
                continue;
            if (!QFile::copy(support.absoluteFilePath(), target)) {
                err << target << ": cannot copy from the scripts folder\n";
                return false;
            }
            ++*copied;
        }
    }
    return true;
}

// The settings form reads every entry's settings section; one it cannot read stops the build.
bool settingsReadable(const QString& contentDir, QTextStream& err) {
    QStringList problems;
    QDirIterator entryFiles(contentDir, {QStringLiteral("*.txt")}, QDir::Files,
                            QDirIterator::Subdirectories);
    while (entryFiles.hasNext()) {
        const QString path = entryFiles.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            problems += EntrySettings::checkEntryFile(QString::fromUtf8(file.readAll()), path);
    }
    for (const QString& problem : std::as_const(problems))
        err << problem << '\n';
    return problems.isEmpty();
}

struct Written {
    int pages = 0;
};

bool writeSamplePages(const Catalogue& catalogue, const QString& samples, QTextStream& err,
                      Written* written) {
    for (const ScriptEntry* entry : catalogue.entries()) {
        if (!entry->hasSample())
            continue;
        const QString page = SamplePage::generate(*entry);
        // The parser refuses such paths already; nothing is ever written outside the site.
        const QString target = QDir::cleanPath(samples + entry->samplePage);
        if (!target.startsWith(QDir::cleanPath(samples) + QLatin1Char('/'))) {
            err << entry->formName << ": sample page outside the samples folder\n";
            return false;
        }
        if (!writeFile(target, page, err))
            return false;
        ++written->pages;
    }
    return writeFile(samples + QStringLiteral("index.html"), samplesIndex(catalogue), err);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        err << "usage: tagloom_sitegen <content folder> <site folder> <support folder>...\n";
        return 2;
    }
    const Catalogue catalogue(args.at(1));
    const QString samples = args.at(2) + QStringLiteral("/tagloom/samples/");

    const QStringList errors = catalogue.errors();
    for (const QString& error : errors)
        err << error << '\n';
    if (!errors.isEmpty() || !settingsReadable(args.at(1), err))
        return 1;

    Written written;
    if (!writeSamplePages(catalogue, samples, err, &written))
        return 1;
    int copied = 0;
    for (const QString& supportFolder : args.mid(3)) {
        if (!copySupportFiles(args.at(2), supportFolder, err, &copied))
            return 1;
    }
    QTextStream(stdout) << "support files copied beside their pages: " << copied << '\n';
    QTextStream(stdout) << "sample pages written: " << written.pages << '\n';
    return 0;
}
