// SPDX-License-Identifier: GPL-3.0-or-later
// Entries that point at pages of the bundled site or at the scripts folder say where those
// really are.
#include "model/catalogue.h"
#include "model/installedtext.h"
#include "model/scriptentry.h"

#include <QtTest>

class TestInstalledText : public QObject {
    Q_OBJECT
private slots:
    void resolveText_data();
    void resolveText();
    void everyPointerEntryShowsFullAddresses();
};

void TestInstalledText::resolveText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString site = QStringLiteral("file:///usr/share/tagloom/site");
    QTest::newRow("site page") << "tagloom/samples/TextEffects/asciigen.htm"
                               << site + "/tagloom/samples/TextEffects/asciigen.htm";
    QTest::newRow("page among other lines")
        << "Open this page:\n  tagloom/samples/Menus/popups.htm\n"
        << "Open this page:\n" + site + "/tagloom/samples/Menus/popups.htm\n";
    QTest::newRow("code mentioning the path is left alone")
        << "<a href=\"tagloom/samples/x.htm\">x</a>"
        << "<a href=\"tagloom/samples/x.htm\">x</a>";
    QTest::newRow("scripts folder")
        << "Upload a.png from the scripts folder into your folder."
        << "Upload a.png from the scripts folder (/opt/t/scripts) into your folder.";
    QTest::newRow("scripts folder of the installation")
        << "from the scripts folder of your Tagloom installation in"
        << "from the scripts folder of your Tagloom installation (/opt/t/scripts) in";
    QTest::newRow("scripts folder aside") << "Put a.svg (scripts folder) beside your page."
                                          << "Put a.svg (scripts folder: /opt/t/scripts) beside "
                                             "your page.";
    QTest::newRow("nothing to do") << "<b>bold</b>"
                                   << "<b>bold</b>";
}

void TestInstalledText::resolveText() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(InstalledText::resolveText(text, QStringLiteral("file:///usr/share/tagloom/site"),
                                        QStringLiteral("/opt/t/scripts")),
             expected);
}

void TestInstalledText::everyPointerEntryShowsFullAddresses() {
    const Catalogue catalogue;
    int pointers = 0;
    for (const ScriptEntry* entry : catalogue.entries()) {
        const ScriptEntry shown = InstalledText::resolve(*entry, QStringLiteral("http://site.test"),
                                                         QStringLiteral("/opt/t/scripts"));
        for (const EntryBlock& block : shown.blocks) {
            for (const QString& line : block.code.split(QLatin1Char('\n'))) {
                QVERIFY2(!line.trimmed().startsWith(QLatin1String("tagloom/")),
                         qPrintable(entry->formName));
                pointers += line.startsWith(QLatin1String("http://site.test/tagloom/"));
            }
            const QString text = block.instruction + block.code + shown.description;
            if (text.contains(QLatin1String("scripts folder")))
                QVERIFY2(text.contains(QLatin1String("/opt/t/scripts")),
                         qPrintable(entry->formName));
        }
    }
    QVERIFY(pointers >= 8);
}

QTEST_GUILESS_MAIN(TestInstalledText)
#include "tst_installedtext.moc"
