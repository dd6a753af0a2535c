// SPDX-License-Identifier: GPL-3.0-or-later
// Every local link and file reference in the bundled site and the scripts folder, and every
// page a pointer entry names, must resolve to a file that ships: the program works offline.
#include "model/catalogue.h"
#include "model/catalogueindex.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QtTest>

namespace {

const QString kSite = QStringLiteral(TAGLOOM_TEST_DATA_DIR "/site");
const QString kScripts = QStringLiteral(TAGLOOM_TEST_DATA_DIR "/scripts");

bool isExternal(const QString& ref) {
    static const QRegularExpression scheme(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]*:"));
    return ref.isEmpty() || ref.startsWith(QLatin1Char('#')) || scheme.match(ref).hasMatch() ||
           ref.startsWith(QLatin1String("//"));
}

// Attribute values built by script at run time are not plain references.
bool isComputed(const QString& ref) {
    static const QRegularExpression computed(QStringLiteral("[+'\"`${}<>\\s]|^\\.\\.\\.$"));
    return computed.match(ref).hasMatch();
}

QStringList htmlFiles(const QString& root) {
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace

class TestSiteLinks : public QObject {
    Q_OBJECT
private slots:
    void siteIsThere();
    void pointerEntriesNameShippedPages();
    void localReferencesResolve();
};

void TestSiteLinks::siteIsThere() {
    QVERIFY(QFileInfo::exists(kSite + QStringLiteral("/index.html")));
    QVERIFY(QFileInfo(kScripts).isDir());
}

void TestSiteLinks::pointerEntriesNameShippedPages() {
    // A pointer's code box names a page of the bundled site or a file of the scripts folder.
    static const QRegularExpression sitePath(QStringLiteral("tagloom/[\\w./-]+\\.html?"));
    const Catalogue catalogue;
    QStringList missing;
    for (const ScriptEntry* entry : catalogue.entries()) {
        if (entry->hasSample())
            continue;
        for (const EntryBlock& block : entry->blocks) {
            auto it = sitePath.globalMatch(block.code);
            while (it.hasNext()) {
                const QString path = it.next().captured(0);
                if (!QFileInfo::exists(kSite + QLatin1Char('/') + path))
                    missing.append(entry->formName + QStringLiteral(": ") + path);
            }
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void TestSiteLinks::localReferencesResolve() {
    static const QRegularExpression attribute(
        QStringLiteral("\\s(?:href|src|action|poster|data)\\s*=\\s*[\"']([^\"']*)[\"']"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList broken;
    int checked = 0;
    const QStringList files = htmlFiles(kSite) + htmlFiles(kScripts);
    QVERIFY(files.size() > 192);
    for (const QString& path : files) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        auto it = attribute.globalMatch(html);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            // Code shown as text on a page (&lt;a href=...&gt;) is an example, not a link.
            const qsizetype start = match.capturedStart(0);
            if (html.lastIndexOf(QLatin1String("&lt;"), start) >
                html.lastIndexOf(QLatin1Char('<'), start))
                continue;
            QString ref = match.captured(1).trimmed();
            if (isExternal(ref) || isComputed(ref))
                continue;
            ref = ref.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('?'), 0, 0);
            if (ref.isEmpty())
                continue;
            ++checked;
            const QString target = QUrl::fromPercentEncoding(ref.toUtf8());
            const QString resolved = QFileInfo(path).dir().filePath(target);
            if (!QFileInfo::exists(resolved))
                broken.append(QDir(TAGLOOM_TEST_DATA_DIR).relativeFilePath(path) +
                              QStringLiteral(": ") + ref);
        }
    }
    qInfo("local references checked: %d", checked);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestSiteLinks)
#include "tst_sitelinks.moc"
