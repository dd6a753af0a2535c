// check_assets ASSETS_DIR FRESH_DIR
// Checks the committed pictures: the files and sizes the program expects, that
// they are what drawassets draws today (FRESH_DIR is a new rendering), and
// that text placed over them stays readable.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

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

// Relative luminance as used for contrast ratios (sRGB).
double luminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

struct Expected {
    QString file;
    int w, h;
};

std::vector<Expected> expectedFiles() {
    std::vector<Expected> list = {
        {"logo.png", 149, 50},
        {"skins/skin1.png", 556, 450},
        {"skins/skin2.png", 450, 450},
        {"skins/skin3.png", 450, 450},
        {"skins/skin4.png", 450, 450},
        {"skins/skin5.png", 475, 380},
        {"backgrounds/viewer.png", 556, 408},
        {"backgrounds/viewer-tall.png", 556, 450},
        {"backgrounds/myscripts.png", 556, 450},
        {"backgrounds/help.png", 556, 450},
    };
    for (int s : {16, 32, 48, 64, 128, 256})
        list.push_back({QStringLiteral("icon/tagloom-%1.png").arg(s), s, s});
    // The gallery's preview sizes, item 1 to 46.
    const int sizes[46][2] = {
        {27, 12},  {44, 12}, {51, 12},  {30, 14}, {12, 11}, {14, 10}, {11, 11}, {32, 18},
        {12, 11},  {12, 11}, {16, 16},  {15, 15}, {15, 15}, {43, 35}, {43, 40}, {29, 30},
        {24, 24},  {32, 32}, {20, 14},  {32, 32}, {14, 14}, {14, 14}, {14, 14}, {14, 14},
        {17, 16},  {12, 12}, {12, 12},  {12, 12}, {15, 14}, {20, 20}, {20, 19}, {25, 25},
        {20, 18},  {14, 12}, {16, 14},  {11, 10}, {11, 10}, {11, 10}, {11, 10}, {11, 10},
        {400, 10}, {401, 9}, {401, 18}, {407, 6}, {405, 4}, {405, 4},
    };
    for (int i = 0; i < 46; ++i)
        list.push_back({QStringLiteral("gallery/item%1.png").arg(i + 1, 2, 10, QLatin1Char('0')),
                        sizes[i][0], sizes[i][1]});
    return list;
}

QImage load(const QString& dir, const QString& file) {
    return QImage(dir + QLatin1Char('/') + file).convertToFormat(QImage::Format_ARGB32);
}

// Calls f for each pixel of the rectangle, clipped to the image.
void eachPixel(const QImage& img, QRect r, const std::function<void(QRgb)>& f) {
    r = r.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            f(img.pixel(x, y));
}

void checkInventory(const QString& dir, const QString& fresh) {
    for (const Expected& e : expectedFiles()) {
        const QImage img = load(dir, e.file);
        check(!img.isNull(), e.file + " exists and is a picture");
        if (img.isNull())
            continue;
        check(img.width() == e.w && img.height() == e.h, QStringLiteral("%1 is %2x%3, found %4x%5")
                                                             .arg(e.file)
                                                             .arg(e.w)
                                                             .arg(e.h)
                                                             .arg(img.width())
                                                             .arg(img.height()));
        // Committed output must be what the drawing program makes now.
        check(img == load(fresh, e.file), e.file + " matches a fresh drawing");
    }
    QFile a(dir + "/gallery/README.md"), b(fresh + "/gallery/README.md");
    check(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll(),
          "gallery/README.md matches a fresh drawing");
}

void checkGalleryReadme(const QString& dir) {
    QFile f(dir + "/gallery/README.md");
    check(f.open(QIODevice::ReadOnly | QIODevice::Text), "gallery/README.md readable");
    QTextStream in(&f);
    int items = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QStringList parts = line.split(QLatin1Char(' '));
        bool isNumber = false;
        const int n = parts.value(0).toInt(&isNumber);
        if (!isNumber)
            continue;
        ++items;
        check(n == items, QStringLiteral("README item %1 in order").arg(n));
        const QString file = parts.value(1);
        check(file == QStringLiteral("item%1.png").arg(n, 2, 10, QLatin1Char('0')),
              "README names " + file);
        const QImage img = load(dir + "/gallery", file);
        check(parts.value(2) == QStringLiteral("%1x%2").arg(img.width()).arg(img.height()),
              QStringLiteral("README size of item %1 agrees with its file").arg(n));
        const QString page = n <= 20   ? QStringLiteral("images%1.htm").arg(n)
                             : n <= 40 ? QStringLiteral("bullets%1.htm").arg(n - 20)
                                       : QStringLiteral("dividers%1.htm").arg(n - 40);
        check(parts.value(3) == page,
              QStringLiteral("README page of item %1 is %2").arg(n).arg(page));
        check(parts.size() > 4, QStringLiteral("README item %1 says what it shows").arg(n));
    }
    check(items == 46, QStringLiteral("README lists 46 items, found %1").arg(items));
}

void checkBackgrounds(const QString& dir) {
    for (const char* file : {"backgrounds/viewer.png", "backgrounds/viewer-tall.png",
                             "backgrounds/myscripts.png", "backgrounds/help.png"}) {
        const QImage img = load(dir, file);
        double darkest = 1;
        int seeThrough = 0;
        eachPixel(img, img.rect(), [&](QRgb c) {
            darkest = std::min(darkest, luminance(c));
            seeThrough += qAlpha(c) != 255;
        });
        check(seeThrough == 0, QString(file) + " is opaque");
        // Black text anywhere on it keeps a contrast of at least 12:1.
        check(contrast(darkest, 0) >= 12,
              QStringLiteral("%1 light everywhere (darkest luminance %2)").arg(file).arg(darkest));
    }
    const QImage notes = load(dir, "backgrounds/myscripts.png");
    QSet<QRgb> colours;
    eachPixel(notes, notes.rect(), [&](QRgb c) { colours.insert(c); });
    check(colours.size() == 4,
          QStringLiteral("myscripts.png has exactly four colours, found %1").arg(colours.size()));
}

void checkSkins(const QString& dir) {
    const QRgb grey = qRgb(128, 128, 128);
    const QImage logo = load(dir, "logo.png");
    for (int i = 1; i <= 5; ++i) {
        const QString file = QStringLiteral("skins/skin%1.png").arg(i);
        const QImage skin = load(dir, file);
        // What the start window shows of it: the top-left 359x379.
        double sum = 0;
        int count = 0;
        eachPixel(skin, QRect(0, 0, 359, 379), [&](QRgb c) {
            sum += luminance(c);
            ++count;
        });
        check(sum / count >= 0.65,
              QStringLiteral("%1 is pale (mean luminance %2)").arg(file).arg(sum / count));
        // The grey version label at (4,360) stays legible.
        double worst = 100;
        eachPixel(skin, QRect(4, 358, 22, 16), [&](QRgb c) {
            worst = std::min(worst, contrast(luminance(c), luminance(grey)));
        });
        check(worst >= 2.5, QStringLiteral("%1: version label contrast %2").arg(file).arg(worst));
        // The logo's dark lettering stays clear of the picture behind it.
        double darkest = 1;
        eachPixel(skin, QRect(100, 16, 149, 50),
                  [&](QRgb c) { darkest = std::min(darkest, luminance(c)); });
        check(darkest >= 0.4,
              QStringLiteral("%1: light behind the logo (%2)").arg(file).arg(darkest));
    }
    // The logo lies on the skins: its background must let them show through.
    check(qAlpha(logo.pixel(0, 0)) == 0 && qAlpha(logo.pixel(148, 49)) == 0,
          "logo.png has a transparent background");
    // ...and carries the program's name beside the mark, in solid letters.
    int lettering = 0;
    eachPixel(logo, QRect(48, 0, 101, 50),
              [&](QRgb c) { lettering += qAlpha(c) == 255 && luminance(c) < 0.3; });
    check(lettering >= 200, QStringLiteral("logo.png shows its name (%1 pixels)").arg(lettering));
}

void checkIcon(const QString& dir) {
    for (int s : {16, 32, 48, 64, 128, 256}) {
        const QImage img = load(dir, QStringLiteral("icon/tagloom-%1.png").arg(s));
        // At every size the white brackets must stand out from the tile.
        int white = 0, tile = 0;
        eachPixel(img, img.rect(), [&](QRgb c) {
            if (qAlpha(c) == 255 && luminance(c) > 0.8)
                ++white;
            else if (qAlpha(c) == 255 && luminance(c) < 0.2)
                ++tile;
        });
        check(white >= s * s / 20 && tile >= s * s / 4,
              QStringLiteral("icon %1 keeps bold brackets on the tile").arg(s));
    }
    QFile svg(dir + "/icon/tagloom.svg");
    check(svg.open(QIODevice::ReadOnly), "icon/tagloom.svg exists");
    QXmlStreamReader xml(&svg);
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg"))
            viewBox = xml.attributes().value("viewBox").toString();
    }
    check(!xml.hasError(), "tagloom.svg is well-formed XML: " + xml.errorString());
    check(viewBox == "0 0 256 256", "tagloom.svg has a square 256 viewBox");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: check_assets ASSETS_DIR FRESH_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString fresh = QString::fromLocal8Bit(argv[2]);
    checkInventory(dir, fresh);
    checkGalleryReadme(dir);
    checkBackgrounds(dir);
    checkSkins(dir);
    checkIcon(dir);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
