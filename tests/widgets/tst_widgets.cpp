// SPDX-License-Identifier: GPL-3.0-or-later
// The shared controls on their own: the one link, the one label factory and the pictures the
// program ships.
#include "platform/uifonts.h"

#include "widgets/bundledpicture.h"
#include "widgets/formparts.h"
#include "widgets/linklabel.h"

#include <QSignalSpy>
#include <QtTest>

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UiFonts::install(); }
    void linkOwnsItsLook();
    void linkActsOnAClickThatEndsOnIt();
    void labelsShowTextAsWritten();
    void bundledPicturesAreReadAsPngOnly();
    void unpackedPicturesKeepEveryPixelAndRefuseDamage();
};

void TestWidgets::linkOwnsItsLook() {
    QWidget window;
    LinkLabel normal(QStringLiteral("<b>not bold</b>"), &window);
    LinkLabel large(QStringLiteral("click"), &window, LinkLabel::Size::Large);
    for (const LinkLabel* link : {&normal, &large}) {
        QCOMPARE(link->textFormat(), Qt::PlainText);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->font().bold());
        QCOMPARE(link->focusPolicy(), Qt::NoFocus);
        QVERIFY(link->testAttribute(Qt::WA_TranslucentBackground));
    }
    QCOMPARE(normal.font(), UiFonts::bold());
    QCOMPARE(large.font(), UiFonts::link());
}

void TestWidgets::linkActsOnAClickThatEndsOnIt() {
    LinkLabel link(QStringLiteral("a link"));
    link.resize(100, 20);
    QSignalSpy clicks(&link, &LinkLabel::clicked);
    const QPoint inside(10, 10);
    QTest::mouseClick(&link, Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.size(), 1);
    // Pressed on the link, released elsewhere: no click, as with a button.
    QTest::mousePress(&link, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(150, 10));
    QCOMPARE(clicks.size(), 1);
    // A release without a press on the link, or another button: nothing.
    QTest::mouseRelease(&link, Qt::LeftButton, {}, inside);
    QTest::mouseClick(&link, Qt::RightButton, {}, inside);
    QCOMPARE(clicks.size(), 1);
}

void TestWidgets::labelsShowTextAsWritten() {
    QWidget window;
    QLabel* label = Widgets::makeLabel(
        &window, QStringLiteral("Label4_0"), QStringLiteral("between <BODY> and </BODY>"),
        QRect(1, 2, 300, 40), UiFonts::bold(), QColor(0, 0, 192), true);
    QCOMPARE(label->parentWidget(), &window);
    QCOMPARE(label->objectName(), QStringLiteral("Label4_0"));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), QStringLiteral("between <BODY> and </BODY>"));
    QCOMPARE(label->geometry(), QRect(1, 2, 300, 40));
    QCOMPARE(label->font(), UiFonts::bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

namespace {

bool imagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

} // namespace

// The pixels Qt's general reader gives, with no image plugin loaded on the way (what reading
// them this way saves at start-up); nothing for a picture that is missing or not a PNG.
void TestWidgets::bundledPicturesAreReadAsPngOnly() {
    const QString opaquePath = QFINDTESTDATA("../../assets/skins/skin1.png");
    const QString translucentPath = QFINDTESTDATA("../../assets/icon/tagloom-16.png");
    QVERIFY(!opaquePath.isEmpty() && !translucentPath.isEmpty());
    QVERIFY(!imagePluginLoaded());

    const QPixmap translucent = Widgets::bundledPicture(translucentPath);
    const QPixmap read = Widgets::bundledPicture(opaquePath);
    QCOMPARE(Widgets::bundledPicture(opaquePath).cacheKey(), read.cacheKey());
    QVERIFY(!imagePluginLoaded());

    // Qt's general reader, which may load plugins, is the reference.
    QCOMPARE(read.toImage().convertToFormat(QImage::Format_RGB32),
             QImage(opaquePath).convertToFormat(QImage::Format_RGB32));
    // Pixmaps keep translucent pictures premultiplied.
    QCOMPARE(translucent.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             QImage(translucentPath).convertToFormat(QImage::Format_ARGB32_Premultiplied));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString jpegPath = dir.filePath(QStringLiteral("jpeg-inside.png"));
    QFile jpeg(jpegPath);
    QVERIFY(jpeg.open(QIODevice::WriteOnly));
    // The start of a JPEG, whatever its name says.
    jpeg.write(QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000ffd9"));
    jpeg.close();
    QVERIFY(Widgets::bundledPicture(jpegPath).isNull());
    QVERIFY(Widgets::bundledPicture(dir.filePath(QStringLiteral("missing.png"))).isNull());
}

void TestWidgets::unpackedPicturesKeepEveryPixelAndRefuseDamage() {
    // An odd width, and translucent pixels that must stay premultiplied exactly.
    QImage translucent(37, 5, QImage::Format_ARGB32);
    for (int y = 0; y < translucent.height(); ++y)
        for (int x = 0; x < translucent.width(); ++x)
            translucent.setPixel(x, y, qRgba(x * 7, y * 50, (x * y) % 256, x * 6));
    const QImage opaque = translucent.convertToFormat(QImage::Format_RGB32);
    for (const QImage& original : {translucent, opaque}) {
        const QByteArray bytes = Widgets::unpackedPicture(original);
        const QImage back = Widgets::fromUnpackedPicture(
            reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
        QCOMPARE(back, original.convertToFormat(original.hasAlphaChannel()
                                                    ? QImage::Format_ARGB32_Premultiplied
                                                    : QImage::Format_RGB32));
    }

    const QByteArray bytes = Widgets::unpackedPicture(opaque);
    const auto read = [](const QByteArray& copy) {
        return Widgets::fromUnpackedPicture(reinterpret_cast<const uchar*>(copy.constData()),
                                            copy.size());
    };
    const auto damaged = [&](int at, char value) {
        QByteArray copy = bytes;
        copy[at] = value;
        return read(copy);
    };
    QVERIFY(Widgets::fromUnpackedPicture(nullptr, 0).isNull());
    QVERIFY(read(bytes.left(bytes.size() - 1)).isNull()); // cut short
    QVERIFY(read(bytes + "x").isNull());
    QVERIFY(damaged(0, 'X').isNull());     // not the form
    QVERIFY(damaged(8, 0).isNull());       // no width
    QVERIFY(damaged(11, '\x7f').isNull()); // a width no picture has
    QVERIFY(damaged(15, '\xff').isNull()); // a height no picture has
    QVERIFY(damaged(16, 5).isNull());      // a pixel format of another size
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
