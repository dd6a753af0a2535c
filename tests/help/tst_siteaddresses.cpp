// SPDX-License-Identifier: GPL-3.0-or-later
// Every address the program can open under the web site's base address must name a file of
// the bundled offline site, and the maker's pages must link only within it.
#include "platform/appfolder.h"
#include "platform/uifonts.h"

#include "help/frmabout.h"
#include "help/helppages.h"
#include "shell/application.h"
#include "webtools/galleryitems.h"

#include "kit/windowregistry.h"
#include "model/catalogue.h"
#include "support/guitest.h"
#include "support/testprogram.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QUrl>
#include <QtTest>

namespace {

const QString kSiteDir = QStringLiteral(TAGLOOM_TEST_SITE_DIR);

// The file an address names: a folder stands for its index page.
QString fileFor(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile())
        return info.absoluteFilePath();
    if (info.isDir()) {
        for (const char* index : {"index.html", "index.htm"}) {
            const QFileInfo page(QDir(path).filePath(QString::fromLatin1(index)));
            if (page.isFile())
                return page.absoluteFilePath();
        }
    }
    return QString();
}

QString withoutQueryAndFragment(const QString& address, QString* fragment = nullptr) {
    QString rest = address;
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    if (fragment)
        *fragment = hash < 0 ? QString() : rest.mid(hash + 1);
    if (hash >= 0)
        rest.truncate(hash);
    const qsizetype query = rest.indexOf(QLatin1Char('?'));
    if (query >= 0)
        rest.truncate(query);
    return QUrl::fromPercentEncoding(rest.toUtf8());
}

bool hasAnchor(const QString& file, const QString& id) {
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(page.readAll());
    return text.contains(QStringLiteral("id=\"%1\"").arg(id)) ||
           text.contains(QStringLiteral("name=\"%1\"").arg(id));
}

} // namespace

class TestSiteAddresses : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyAddressNamesABundledFile();
    void makersPagesLinkWithinTheSite();
};

void TestSiteAddresses::initTestCase() {
    UiFonts::install();
    if (!QStringLiteral(TAGLOOM_SAMPLE_BASE_URL_FOR_TESTS).isEmpty())
        QSKIP("the program is built to open an online web site");
    QVERIFY2(QFileInfo(kSiteDir).isDir(), qPrintable(kSiteDir));
    QCOMPARE(AppFolder::sampleBaseUrl(), QUrl::fromLocalFile(kSiteDir).toString());
}

void TestSiteAddresses::everyAddressNamesABundledFile() {
    const QString base = AppFolder::sampleBaseUrl();
    QStringList addresses;

    // What the help pages and the About box show or open.
    TestProgram program;
    Application& app = *program.app;
    const RecordingShellOpener& shell = program.shell;
    auto* help = qobject_cast<frmHelp*>(app.context().windows->show(QStringLiteral("frmHelp")));
    QVERIFY(help);
    addresses << help->Text1(0)->text() << help->Text1(1)->text();
    QWidget* about = app.context().windows->show(QStringLiteral("frmAbout"));
    QVERIFY(about);
    addresses << about->findChild<QLineEdit*>(QStringLiteral("Text1"))->text();
    auto* link = about->findChild<QLabel*>(QStringLiteral("Label10"));
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(shell.opened.size(), 1);
    addresses << shell.opened;                  // also the quick browser's start page
    addresses << base + QStringLiteral("/orv"); // the software page in the About box
    addresses << base + QStringLiteral("/index.html");

    // Sample pages and gallery pages.
    Catalogue catalogue;
    QVERIFY(catalogue.errors().isEmpty());
    int samples = 0;
    const auto entries = catalogue.entries();
    for (const ScriptEntry* entry : entries) {
        const QString address = entry->sampleUrl(base);
        if (!address.isEmpty()) {
            addresses << address;
            ++samples;
        }
    }
    QVERIFY(samples > 150);
    for (const GalleryItem& item : Gallery::items())
        addresses << item.address(base);
    QCOMPARE(Gallery::items().size(), 46);

    QStringList broken;
    for (const QString& address : std::as_const(addresses)) {
        if (!address.startsWith(base + QLatin1Char('/')) && address != base) {
            broken << address + QStringLiteral(" (outside the site)");
            continue;
        }
        const QString path = kSiteDir + withoutQueryAndFragment(address.mid(base.size()));
        if (fileFor(path).isEmpty())
            broken << address;
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

void TestSiteAddresses::makersPagesLinkWithinTheSite() {
    QStringList pages{QDir(kSiteDir).filePath(QStringLiteral("index.html"))};
    QDirIterator it(QDir(kSiteDir).filePath(QStringLiteral("orv")), {QStringLiteral("*.htm")});
    while (it.hasNext())
        pages << it.next();
    QVERIFY(pages.size() >= 5);

    static const QRegularExpression reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList broken;
    for (const QString& page : std::as_const(pages)) {
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(!text.contains(QStringLiteral("://")),
                 qPrintable(page + QStringLiteral(": absolute address")));
        auto matches = reference.globalMatch(text);
        while (matches.hasNext()) {
            const QString target = matches.next().captured(1);
            if (target.startsWith(QLatin1String("mailto:")))
                continue;
            QString fragment;
            const QString relative = withoutQueryAndFragment(target, &fragment);
            const QString file =
                relative.isEmpty() ? page : fileFor(QFileInfo(page).dir().filePath(relative));
            const QString where = QFileInfo(page).fileName() + QStringLiteral(": ") + target;
            if (file.isEmpty())
                broken << where;
            else if (!fragment.isEmpty() && !hasAnchor(file, fragment))
                broken << where + QStringLiteral(" (no such anchor)");
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestSiteAddresses)
#include "tst_siteaddresses.moc"
