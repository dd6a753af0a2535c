#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QVector>

#include <cstdint>

namespace draw {

// xorshift32: the same seed gives the same picture with any compiler or
// library, which std:: distributions do not promise.
class Rng {
public:
    explicit Rng(std::uint32_t seed)
        : state_(seed ? seed : 1u) {}
    std::uint32_t next();
    double uniform(); // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint32_t state_;
};

// A transparent (or filled) 32-bit canvas.
QImage canvas(int w, int h, const QColor& fill = Qt::transparent);

// Saves as PNG, dropping the alpha channel when the picture is fully opaque.
// Creates missing folders. Returns false with a message on stderr on failure.
bool savePng(const QImage& image, const QString& path);

QColor mix(const QColor& a, const QColor& b, qreal t);

// Lays a translucent white veil over everything drawn so far: the way the
// scenic skins are kept pale enough for text on top.
void veil(QPainter& p, const QRectF& area, qreal strength);

// Smooth closed outline through the given points (Catmull-Rom turned into
// cubic Beziers).
QPainterPath smoothClosed(const QVector<QPointF>& points);

// An irregular round shape: camouflage patches, clouds, bushes.
QPainterPath blob(QPointF centre, qreal radius, int corners, qreal jitter, Rng& rng);

// Text as an outline from a font file of Debian's fonts-dejavu-core, so the
// result does not depend on the machine's font configuration.
QPainterPath textPath(const QString& text, qreal pixelSize, bool bold);

// Tiny 3x5 capital letters for small web badges, drawn pixel by pixel.
int pixelTextWidth(const QString& text, int scale = 1);
void pixelText(QPainter& p, int x, int y, const QString& text, const QColor& color, int scale = 1);

} // namespace draw
