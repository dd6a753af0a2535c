// SPDX-License-Identifier: GPL-3.0-or-later
// Translations are found by the system locale in the data folder, and the build's message
// catalogue holds the program's texts.
#include "platform/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QTranslator>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (QTranslator* t : std::as_const(m_installed)) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        m_installed.clear();
    }

    void loadsTheFileOfTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << "de_DE" << true << "&Haupt";
        QTest::newRow("Austrian German falls back to German") << "de_AT" << true << "&Haupt";
        QTest::newRow("French: no file, own texts") << "fr_FR" << false << "&Main";
        QTest::newRow("English source") << "en_GB" << false << "&Main";
    }
    void loadsTheFileOfTheLocale() {
        QFETCH(QString, locale);
        QFETCH(bool, found);
        QFETCH(QString, text);
        QTranslator* installed = Translations::install(QLocale(locale), QStringLiteral(TEST_QM_DIR));
        if (installed)
            m_installed.append(installed);
        QCOMPARE(installed != nullptr, found);
        QCOMPARE(QCoreApplication::translate("frmMain", "&Main"), text);
    }

    void missingFolderIsHarmless() {
        QCOMPARE(Translations::install(QLocale(QStringLiteral("de_DE")), QStringLiteral("/nonexistent")),
                 nullptr);
        QCOMPARE(QCoreApplication::translate("frmMain", "&Main"), QStringLiteral("&Main"));
    }

    // The catalogue for translators is made from the sources by the build: it must hold the
    // menu texts of the script browser, so a translator sees them.
    void buildCatalogueHoldsTheProgramsTexts() {
        QFile ts(QStringLiteral(BUILD_TS_FILE));
        if (!ts.exists())
            QSKIP("the Qt Linguist tools are not installed: no catalogue was built");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QByteArray text = ts.readAll();
        QVERIFY(text.contains("<source>&amp;Find Script...</source>"));
        QVERIFY(text.contains("<source>&amp;Clear All Entries</source>"));
        QVERIFY(text.count("<message>") > 100);
    }

private:
    QList<QTranslator*> m_installed;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
