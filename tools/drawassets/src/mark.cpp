#include "assets.h"
#include "paint.h"

#include <QLinearGradient>

#include <cmath>

namespace draw {

namespace {

const QColor kTileTop(0x2f, 0x86, 0xad);
const QColor kTileBottom(0x1b, 0x4d, 0x6e);
const QColor kShuttle(0xf5, 0xa6, 0x23);
const QColor kShuttleEdge(0xc2, 0x72, 0x0c);
const QColor kSlot(0x7a, 0x42, 0x0a);

// A weaving shuttle: a pointed lens from a to b, `half` wide at its middle.
QPainterPath shuttle(QPointF a, QPointF b, qreal half) {
    const QPointF mid = (a + b) / 2;
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    QPainterPath path(a);
    // A quadratic's middle reaches halfway to its control point.
    path.quadTo(mid + n * half * 2, b);
    path.quadTo(mid - n * half * 2, a);
    path.closeSubpath();
    return path;
}

} // namespace

void paintMark(QPainter& p, const QRectF& target, int size) {
    // Everything below is laid out on a 256-unit square, as in tagloom.svg.
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / 256.0, target.height() / 256.0);
    p.setRenderHint(QPainter::Antialiasing, true);

    const bool small = size <= 32;
    const QRectF tile = small ? QRectF(4, 4, 248, 248) : QRectF(8, 8, 240, 240);
    QLinearGradient g(0, tile.top(), 0, tile.bottom());
    g.setColorAt(0, kTileTop);
    g.setColorAt(1, kTileBottom);
    QPainterPath tilePath;
    tilePath.addRoundedRect(tile, small ? 40 : 48, small ? 40 : 48);
    p.fillPath(tilePath, g);

    if (!small) {
        // Faint weft threads, so the tile reads as cloth on the loom.
        p.setClipPath(tilePath);
        const QColor thread(255, 255, 255, 20);
        for (int y = 28; y < 248; y += 20)
            p.fillRect(QRectF(tile.left(), y, tile.width(), 6), thread);
        p.setClipping(false);
    }

    const qreal stroke = small ? 34 : 28;
    QPen pen(Qt::white, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal in = small ? 84 : 88;
    const qreal out = small ? 36 : 42;
    p.drawPolyline(QPolygonF({QPointF(in, 80), QPointF(out, 128), QPointF(in, 176)}));
    p.drawPolyline(
        QPolygonF({QPointF(256 - in, 80), QPointF(256 - out, 128), QPointF(256 - in, 176)}));

    const QPainterPath s = shuttle(QPointF(150, 52), QPointF(106, 204), small ? 20 : 17);
    p.setPen(small ? Qt::NoPen : QPen(kShuttleEdge, 4));
    p.setBrush(kShuttle);
    p.drawPath(s);
    if (!small) {
        // The bobbin slot in the middle of the shuttle.
        p.setPen(QPen(kSlot, 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(134, 106), QPointF(122, 150));
    }
    p.restore();
}

QImage icon(int size) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    paintMark(p, QRectF(0, 0, size, size), size);
    return image;
}

QImage logo() {
    QImage image = canvas(149, 50);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintMark(p, QRectF(3, 5, 40, 40), 40);

    // "Tag" in the tile's blue, "loom" in the shuttle's colour, darkened so
    // it stays strong on the pale skins.
    QPainterPath tag = textPath(QStringLiteral("Tag"), 27, true);
    QPainterPath loom = textPath(QStringLiteral("loom"), 27, true);
    if (tag.isEmpty() || loom.isEmpty())
        return QImage(); // no font: refuse rather than ship a logo without its name
    const qreal tagWidth = tag.boundingRect().right() + 1;
    loom.translate(tagWidth, 0);
    QPainterPath whole = tag;
    whole.addPath(loom);
    const QRectF box = whole.boundingRect();
    const qreal room = 149 - 48 - 2;
    const qreal k = box.width() > room ? room / box.width() : 1.0;
    p.translate(48 - box.left() * k, 34.5); // baseline: capitals centred on the mark
    p.scale(k, k);
    p.fillPath(tag, kTileBottom);
    p.fillPath(loom, QColor(0xc8, 0x6e, 0x0a));
    return image;
}

} // namespace draw
