// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled font: both faces are real, though the bold one is registered only when needed.
#include "platform/uifonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

class TestUiFonts : public QObject {
    Q_OBJECT
private slots:
    void boldFaceArrivesWithTheFirstBoldFont();
};

void TestUiFonts::boldFaceArrivesWithTheFirstBoldFont() {
    UiFonts::install();
    QCOMPARE(QFontInfo(QApplication::font()).family(), UiFonts::family());
    QVERIFY(!QFontDatabase::styles(UiFonts::family()).contains(QLatin1String("Bold")));

    const QFont bold = UiFonts::bold();
    QVERIFY(QFontDatabase::styles(UiFonts::family()).contains(QLatin1String("Bold")));
    const QFontInfo info(bold);
    QCOMPARE(info.family(), UiFonts::family());
    QCOMPARE(info.styleName(), QStringLiteral("Bold"));
    // The real face, not the regular one made heavier: its own, wider advances.
    const QString text = QStringLiteral("Description: See Demo Page");
    QVERIFY(QFontMetrics(bold).horizontalAdvance(text) >
            QFontMetrics(UiFonts::normal()).horizontalAdvance(text));
}

QTEST_MAIN(TestUiFonts)
#include "tst_uifonts.moc"
