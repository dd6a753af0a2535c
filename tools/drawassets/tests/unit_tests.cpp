// Checks of the drawing helpers whose faults would not show as a wrong size:
// garbled badge letters, a blank gallery picture, a failed write reported as
// success.
#include "assets.h"
#include "paint.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const QString& what) {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAIL: %s\n", qPrintable(what));
    }
}

// Bounding box of the pixels that are not fully transparent.
QRect inkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

void pixelLetters() {
    // Every letter the badges may use inks inside its own 3x5 cell and
    // nowhere else; a mistyped glyph row spills into the next cell.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123!?.<>/");
    for (const QChar ch : letters) {
        QImage img = draw::canvas(12, 9);
        QPainter p(&img);
        draw::pixelText(p, 2, 2, QString(ch), Qt::black);
        p.end();
        const QRect box = inkBox(img);
        check(!box.isEmpty(), QStringLiteral("glyph '%1' draws something").arg(ch));
        check(QRect(2, 2, 3, 5).contains(box),
              QStringLiteral("glyph '%1' stays in its 3x5 cell").arg(ch));
    }
    // The advance is four pixels, the last column of the text is its edge.
    QImage img = draw::canvas(40, 12);
    QPainter p(&img);
    draw::pixelText(p, 0, 0, QStringLiteral("HOT"), Qt::black, 2);
    p.end();
    check(inkBox(img).right() + 1 == draw::pixelTextWidth(QStringLiteral("HOT"), 2),
          "pixelTextWidth matches the drawn width");
    check(draw::pixelTextWidth(QString()) == 0, "empty text is zero wide");
}

void lettering() {
    const QPainterPath tag = draw::textPath(QStringLiteral("Tag"), 27, true);
    const QPainterPath word = draw::textPath(QStringLiteral("Tagloom"), 27, true);
    check(!tag.isEmpty(), "the logo font is found");
    check(word.boundingRect().width() > tag.boundingRect().width() * 2,
          "letters are laid side by side");
    check(!draw::logo().isNull(), "the logo is drawn with its name");
}

void saving() {
    QTemporaryDir tmp;
    const QString dir = tmp.path();

    QImage opaque = draw::canvas(4, 4, Qt::white);
    check(draw::savePng(opaque, dir + "/a/b/opaque.png"), "saving creates missing folders");
    check(!QImage(dir + "/a/b/opaque.png").hasAlphaChannel(), "an opaque picture loses alpha");

    QImage clear = draw::canvas(4, 4);
    check(draw::savePng(clear, dir + "/clear.png"), "a transparent picture is saved");
    const QImage back = QImage(dir + "/clear.png");
    check(back.hasAlphaChannel() && qAlpha(back.pixel(1, 1)) == 0,
          "a transparent picture keeps its alpha");

    // Failures must be reported, not passed over.
    check(!draw::savePng(QImage(), dir + "/null.png"), "an empty picture is refused");
    check(!QFile::exists(dir + "/null.png"), "an empty picture leaves no file");
    QFile blocker(dir + "/file");
    blocker.open(QIODevice::WriteOnly);
    blocker.close();
    check(!draw::savePng(opaque, dir + "/file/x.png"), "an unwritable path is reported");
    check(!draw::writeAll(dir + "/file"), "writeAll reports a folder it cannot write");
}

void galleryPictures() {
    // A missing drawing case would leave a blank preview of the right size.
    int numbered = 0;
    for (const draw::GalleryItem& item : draw::galleryItems()) {
        ++numbered;
        check(item.number == numbered, QStringLiteral("gallery item %1 in order").arg(numbered));
        const QImage img = draw::galleryPicture(item);
        check(img.width() == item.width && img.height() == item.height,
              QStringLiteral("item %1 is drawn at its size").arg(item.number));
        int ink = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ink += qAlpha(img.pixel(x, y)) > 128;
        check(ink * 10 >= img.width() * img.height() / (item.number > 40 ? 4 : 1),
              QStringLiteral("item %1 is not blank (%2 inked pixels)").arg(item.number).arg(ink));
    }
    check(numbered == 46, "46 gallery items");
}

void randomness() {
    // Pictures must come out the same on every run.
    draw::Rng a(7), b(7), c(8);
    bool same = true, differs = false, inRange = true;
    for (int i = 0; i < 1000; ++i) {
        const double x = a.uniform();
        same &= x == b.uniform();
        differs |= x != c.uniform();
        inRange &= x >= 0 && x < 1;
    }
    check(same && differs && inRange, "Rng is seeded, repeatable and within [0, 1)");
    check(draw::Rng(0).next() != 0, "a zero seed does not stick at zero");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    pixelLetters();
    lettering();
    saving();
    galleryPictures();
    randomness();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
