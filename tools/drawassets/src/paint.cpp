#include "paint.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRawFont>

#include <cmath>
#include <cstdio>
#include <map>

namespace draw {

std::uint32_t Rng::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() {
    return next() / 4294967296.0;
}

QImage canvas(int w, int h, const QColor& fill) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

bool savePng(const QImage& image, const QString& path) {
    if (image.isNull()) {
        std::fprintf(stderr, "drawassets: nothing drawn for %s\n", qPrintable(path));
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    bool opaque = true;
    for (int y = 0; y < out.height() && opaque; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(out.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(row[x]) != 255) {
                opaque = false;
                break;
            }
        }
    }
    if (opaque)
        out = out.convertToFormat(QImage::Format_RGB32);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "drawassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void veil(QPainter& p, const QRectF& area, qreal strength) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QColor white(255, 255, 255);
    white.setAlphaF(strength);
    p.fillRect(area, white);
    p.restore();
}

QPainterPath smoothClosed(const QVector<QPointF>& pts) {
    QPainterPath path;
    const int n = pts.size();
    if (n < 3)
        return path;
    path.moveTo(pts[0]);
    for (int i = 0; i < n; ++i) {
        const QPointF& p0 = pts[(i + n - 1) % n];
        const QPointF& p1 = pts[i];
        const QPointF& p2 = pts[(i + 1) % n];
        const QPointF& p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath blob(QPointF centre, qreal radius, int corners, qreal jitter, Rng& rng) {
    QVector<QPointF> pts;
    const qreal start = rng.range(0, 2 * M_PI);
    for (int i = 0; i < corners; ++i) {
        const qreal a = start + 2 * M_PI * i / corners;
        const qreal r = radius * (1.0 + rng.range(-jitter, jitter));
        pts.append(centre + QPointF(std::cos(a) * r, std::sin(a) * r));
    }
    return smoothClosed(pts);
}

QPainterPath textPath(const QString& text, qreal pixelSize, bool bold) {
    const QString file =
        bold ? QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf")
             : QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    QRawFont font(file, pixelSize, QFont::PreferNoHinting);
    QPainterPath path;
    if (!font.isValid()) {
        std::fprintf(stderr, "drawassets: font %s missing (package fonts-dejavu-core)\n",
                     qPrintable(file));
        return path;
    }
    const QVector<quint32> glyphs = font.glyphIndexesForString(text);
    const QVector<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPointF pen(0, 0);
    for (int i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return path;
}

namespace {

// Each glyph is five rows of three columns, '#' for ink.
const std::map<QChar, const char*>& glyphs() {
    static const std::map<QChar, const char*> table = {
        {'A', ".#. #.# ### #.# #.#"}, {'B', "##. #.# ##. #.# ##."}, {'C', ".## #.. #.. #.. .##"},
        {'D', "##. #.# #.# #.# ##."}, {'E', "### #.. ##. #.. ###"}, {'F', "### #.. ##. #.. #.."},
        {'G', ".## #.. #.# #.# .##"}, {'H', "#.# #.# ### #.# #.#"}, {'I', "### .#. .#. .#. ###"},
        {'J', "..# ..# ..# #.# .#."}, {'K', "#.# #.# ##. #.# #.#"}, {'L', "#.. #.. #.. #.. ###"},
        {'M', "#.# ### #.# #.# #.#"}, {'N', "#.# ### ### #.# #.#"}, {'O', ".#. #.# #.# #.# .#."},
        {'P', "##. #.# ##. #.. #.."}, {'Q', ".#. #.# #.# ##. .##"}, {'R', "##. #.# ##. #.# #.#"},
        {'S', ".## #.. .#. ..# ##."}, {'T', "### .#. .#. .#. .#."}, {'U', "#.# #.# #.# #.# ###"},
        {'V', "#.# #.# #.# #.# .#."}, {'W', "#.# #.# ### ### #.#"}, {'X', "#.# #.# .#. #.# #.#"},
        {'Y', "#.# #.# .#. .#. .#."}, {'Z', "### ..# .#. #.. ###"}, {'!', ".#. .#. .#. ... .#."},
        {'0', "### #.# #.# #.# ###"}, {'1', ".#. ##. .#. .#. ###"}, {'2', "##. ..# .#. #.. ###"},
        {'3', "##. ..# .#. ..# ##."}, {'.', "... ... ... ... .#."}, {' ', "... ... ... ... ..."},
        {'?', "##. ..# .#. ... .#."}, {'>', "#.. .#. ..# .#. #.."}, {'<', "..# .#. #.. .#. ..#"},
        {'/', "..# ..# .#. #.. #.."},
    };
    return table;
}

} // namespace

int pixelTextWidth(const QString& text, int scale) {
    return text.isEmpty() ? 0 : (int(text.size()) * 4 - 1) * scale;
}

void pixelText(QPainter& p, int x, int y, const QString& text, const QColor& color, int scale) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < text.size(); ++i) {
        const auto it = glyphs().find(text[i].toUpper());
        if (it == glyphs().end())
            continue;
        // Rows are written "abc abc abc abc abc": four characters apart.
        const char* bits = it->second;
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (bits[row * 4 + col] == '#')
                    p.fillRect(x + (i * 4 + col) * scale, y + row * scale, scale, scale, color);
    }
    p.restore();
}

} // namespace draw
