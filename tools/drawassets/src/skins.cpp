// Skins of the start window. The window is 359 x 379 and shows the top-left
// of the picture; its logo (100,16 149x50), list box, combo and buttons cover
// the middle from y=76 to y=312 and a grey "v2.0" label sits at (4,360). So
// the pictures keep their detail in the margins and bottom strip, and stay
// plain and pale behind the logo and the label.
#include "assets.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace draw {

namespace {

void verticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// A small "</>" drawn with strokes, for watermarks.
void tagGlyph(QPainter& p, QPointF centre, qreal size, const QColor& color, qreal width) {
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal h = size / 2;
    const qreal cx = centre.x(), cy = centre.y();
    p.drawPolyline(QPolygonF({QPointF(cx - h * 0.35, cy - h * 0.6), QPointF(cx - h, cy),
                              QPointF(cx - h * 0.35, cy + h * 0.6)}));
    p.drawPolyline(QPolygonF({QPointF(cx + h * 0.35, cy - h * 0.6), QPointF(cx + h, cy),
                              QPointF(cx + h * 0.35, cy + h * 0.6)}));
    p.drawLine(QPointF(cx + h * 0.15, cy - h * 0.75), QPointF(cx - h * 0.15, cy + h * 0.75));
    p.restore();
}

void cloud(QPainter& p, QPointF at, qreal scale, const QColor& color) {
    QPainterPath c;
    c.addEllipse(at + QPointF(0, 0) * scale, 18 * scale, 9 * scale);
    c.addEllipse(at + QPointF(-14, 3) * scale, 12 * scale, 7 * scale);
    c.addEllipse(at + QPointF(15, 3) * scale, 13 * scale, 7 * scale);
    c.addEllipse(at + QPointF(3, -6) * scale, 11 * scale, 8 * scale);
    c.setFillRule(Qt::WindingFill);
    p.fillPath(c.simplified(), color);
}

} // namespace

QImage skinDefault() {
    QImage image = canvas(556, 450);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    verticalGradient(p, image.rect(), QColor(0xf8, 0xfa, 0xfc), QColor(0xe4, 0xea, 0xf0));

    // A faint woven ribbon across the bottom strip, below the buttons: two
    // threads passing over and under each other.
    const QColor warp(0xcf, 0xdc, 0xe8), weft(0xef, 0xdc, 0xc4);
    QPainterPath a, b;
    for (int x = 0; x <= 556; x += 2) {
        const qreal s = 4.5 * std::sin(2 * M_PI * x / 36.0);
        const QPointF pa(x, 336 + s), pb(x, 336 - s);
        if (x == 0) {
            a.moveTo(pa);
            b.moveTo(pb);
        } else {
            a.lineTo(pa);
            b.lineTo(pb);
        }
    }
    p.strokePath(b, QPen(weft, 3));
    p.strokePath(a, QPen(warp, 3));
    for (int x = 18 + 18; x < 556; x += 36) {
        p.save();
        p.setClipRect(QRectF(x - 4, 320, 8, 32));
        p.strokePath(b, QPen(weft, 3));
        p.restore();
    }

    // Accent line along the top, fading to the right.
    QLinearGradient accent(0, 0, 556, 0);
    accent.setColorAt(0, QColor(0x2f, 0x86, 0xad));
    accent.setColorAt(0.7, QColor(0xa9, 0xc9, 0xdc));
    accent.setColorAt(1, QColor(0xe4, 0xea, 0xf0));
    p.fillRect(QRectF(0, 0, 556, 3), accent);

    // Faint watermark in the bottom-right of the window.
    tagGlyph(p, QPointF(330, 362), 30, QColor(0xd2, 0xdb, 0xe5), 5);
    return image;
}

QImage skinLightWave() {
    QImage image = canvas(450, 450);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    verticalGradient(p, image.rect(), QColor(0xf6, 0xf9, 0xfd), QColor(0xec, 0xf1, 0xf9));

    struct Wave {
        qreal base, amp, period, phase, thick;
        QColor color;
    };
    const Wave waves[] = {
        {70, 18, 420, 0.0, 46, QColor(0xc9, 0xc3, 0xee, 70)},
        {150, 24, 520, 1.3, 60, QColor(0xb6, 0xe0, 0xea, 80)},
        {250, 20, 460, 2.6, 54, QColor(0xc5, 0xea, 0xd6, 70)},
        {335, 26, 500, 4.0, 70, QColor(0xb9, 0xd3, 0xf1, 80)},
        {420, 16, 380, 5.1, 50, QColor(0xd8, 0xc8, 0xee, 70)},
    };
    for (const Wave& w : waves) {
        QPainterPath band;
        QPainterPath crest;
        // Upper edge left to right, then the lower edge back, slightly out of
        // phase so each band swells and thins.
        for (int x = -10; x <= 460; x += 5) {
            const qreal y = w.base + w.amp * std::sin(2 * M_PI * x / w.period + w.phase);
            if (x == -10) {
                band.moveTo(x, y);
                crest.moveTo(x, y);
            } else {
                band.lineTo(x, y);
                crest.lineTo(x, y);
            }
        }
        for (int x = 460; x >= -10; x -= 5) {
            const qreal y =
                w.base + w.thick + w.amp * 0.7 * std::sin(2 * M_PI * x / w.period + w.phase + 0.8);
            band.lineTo(x, y);
        }
        band.closeSubpath();
        p.fillPath(band, w.color);
        p.strokePath(crest, QPen(QColor(255, 255, 255, 170), 1.5));
    }
    return image;
}

QImage skinHorizonBlue() {
    QImage image = canvas(450, 450);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal horizon = 300;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0xb4, 0xd6, 0xf3));
    sky.setColorAt(0.6, QColor(0xd6, 0xe9, 0xf8));
    sky.setColorAt(1, QColor(0xf2, 0xf8, 0xfd));
    p.fillRect(QRectF(0, 0, 450, horizon), sky);

    // Soft glow of a low sun on the right, above the horizon.
    QRadialGradient glow(QPointF(345, horizon - 6), 120);
    glow.setColorAt(0, QColor(255, 250, 232, 210));
    glow.setColorAt(1, QColor(255, 250, 232, 0));
    p.fillRect(QRectF(0, 0, 450, horizon), glow);

    QLinearGradient sea(0, horizon, 0, 450);
    sea.setColorAt(0, QColor(0xc4, 0xdd, 0xf0));
    sea.setColorAt(1, QColor(0xdd, 0xec, 0xf8));
    p.fillRect(QRectF(0, horizon, 450, 150), sea);
    p.fillRect(QRectF(0, horizon, 450, 1), QColor(0xa8, 0xc9, 0xe4));

    // Glints on the water, thinning towards the horizon.
    Rng rng(3);
    for (int i = 0; i < 70; ++i) {
        const qreal t = rng.uniform();
        const qreal y = horizon + 4 + t * t * 145;
        const qreal len = 6 + t * 26;
        const qreal x = rng.range(-10, 450);
        p.fillRect(QRectF(x, y, len, 1 + t), QColor(255, 255, 255, 110));
    }

    const QColor white(255, 255, 255, 200);
    cloud(p, QPointF(46, 40), 1.4, white);
    cloud(p, QPointF(312, 34), 1.1, white);
    cloud(p, QPointF(24, 190), 0.9, QColor(255, 255, 255, 160));
    cloud(p, QPointF(404, 140), 1.6, white);
    cloud(p, QPointF(336, 240), 0.8, QColor(255, 255, 255, 150));
    return image;
}

namespace {

void sheep(QPainter& p, QPointF at) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x55, 0x55, 0x55));
    p.drawRect(QRectF(at.x() - 8, at.y() + 4, 2.5, 8));
    p.drawRect(QRectF(at.x() + 5, at.y() + 4, 2.5, 8));
    QPainterPath wool;
    for (int i = 0; i < 5; ++i)
        wool.addEllipse(at + QPointF(-9 + i * 4.5, (i % 2) ? -4 : -1), 6, 6);
    wool.addEllipse(at + QPointF(0, 2), 11, 6);
    wool.setFillRule(Qt::WindingFill);
    p.setBrush(QColor(0xfb, 0xfb, 0xf6));
    p.setPen(QPen(QColor(0x9a, 0x9a, 0x90), 1));
    p.drawPath(wool.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x44, 0x44, 0x44));
    p.drawEllipse(at + QPointF(13, -2), 4.5, 3.5);
}

void cow(QPainter& p, QPointF at) {
    const QColor dark(0x3a, 0x34, 0x30);
    p.setPen(QPen(dark, 1));
    p.setBrush(QColor(0xfa, 0xf8, 0xf2));
    for (qreal dx : {-12.0, -7.0, 8.0, 13.0})
        p.drawRect(QRectF(at.x() + dx, at.y() + 6, 3, 10));
    p.drawRoundedRect(QRectF(at.x() - 15, at.y() - 8, 32, 17), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(at + QPointF(-6, -3), 5, 4);
    p.drawEllipse(at + QPointF(8, 2), 4, 3);
    // Head with a pink muzzle.
    p.setPen(QPen(dark, 1));
    p.setBrush(QColor(0xfa, 0xf8, 0xf2));
    p.drawRoundedRect(QRectF(at.x() + 15, at.y() - 14, 10, 12), 3, 3);
    p.setBrush(QColor(0xf0, 0xb8, 0xb8));
    p.drawRoundedRect(QRectF(at.x() + 15, at.y() - 6, 10, 6), 2, 2);
    p.setPen(QPen(dark, 1.5));
    p.drawLine(at + QPointF(16, -14), at + QPointF(14, -17));
    p.drawLine(at + QPointF(24, -14), at + QPointF(26, -17));
    p.drawLine(at + QPointF(-15, -5), at + QPointF(-19, 4));
}

void pig(QPainter& p, QPointF at) {
    const QColor pink(0xf4, 0xb6, 0xc2), edge(0xc9, 0x7f, 0x8e);
    p.setPen(QPen(edge, 1));
    p.setBrush(pink);
    for (qreal dx : {-8.0, -3.0, 4.0, 8.0})
        p.drawRect(QRectF(at.x() + dx, at.y() + 4, 2.5, 6));
    p.drawEllipse(at, 12, 8);
    p.drawEllipse(at + QPointF(12, -2), 6, 5.5);
    p.setBrush(QColor(0xe9, 0x9a, 0xaa));
    p.drawEllipse(at + QPointF(17, -1), 2.5, 2.5);
    p.drawPolygon(QPolygonF({at + QPointF(9, -7), at + QPointF(11, -11), at + QPointF(13, -6)}));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(at.x() - 17, at.y() - 6, 6, 6), 0, 270 * 16);
}

void hen(QPainter& p, QPointF at) {
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x3a), 1));
    p.setBrush(QColor(0xe6, 0xc1, 0x8a));
    p.drawEllipse(at, 6, 5);
    p.drawEllipse(at + QPointF(5, -5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0x3a, 0x2a));
    p.drawEllipse(at + QPointF(5, -8.5), 1.8, 1.5);
    p.setBrush(QColor(0xf0, 0xa0, 0x20));
    p.drawPolygon(QPolygonF({at + QPointF(8, -5), at + QPointF(11, -4), at + QPointF(8, -3)}));
    p.setPen(QPen(QColor(0xf0, 0xa0, 0x20), 1));
    p.drawLine(at + QPointF(-1, 5), at + QPointF(-1, 8));
    p.drawLine(at + QPointF(2, 5), at + QPointF(2, 8));
}

void barn(QPainter& p, const QRectF& walls) {
    const QColor red(0xc0, 0x44, 0x38), trim(0xfa, 0xf4, 0xea), roof(0x6e, 0x4a, 0x3c);
    const qreal peak = walls.top() - walls.width() * 0.45;
    p.setPen(Qt::NoPen);
    p.setBrush(roof);
    p.drawPolygon(QPolygonF({QPointF(walls.left() - 4, walls.top() + 2),
                             QPointF(walls.center().x(), peak - 3),
                             QPointF(walls.right() + 4, walls.top() + 2)}));
    p.setBrush(red);
    p.drawPolygon(
        QPolygonF({walls.bottomLeft(), walls.topLeft(), QPointF(walls.center().x(), peak + 2),
                   walls.topRight(), walls.bottomRight()}));
    // Hay-loft window and the big cross-braced door.
    p.setBrush(trim);
    const QRectF loft(walls.center().x() - 5, walls.top() - 6, 10, 9);
    p.drawRect(loft);
    const QRectF door(walls.center().x() - walls.width() * 0.3,
                      walls.bottom() - walls.height() * 0.6, walls.width() * 0.6,
                      walls.height() * 0.6);
    p.setPen(QPen(trim, 2));
    p.setBrush(red.darker(115));
    p.drawRect(door);
    p.drawLine(door.topLeft(), door.bottomRight());
    p.drawLine(door.topRight(), door.bottomLeft());
}

void tree(QPainter& p, QPointF base, qreal height, Rng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x5a, 0x3c));
    p.drawRect(QRectF(base.x() - 3, base.y() - height * 0.45, 6, height * 0.45));
    const QPointF crown = base - QPointF(0, height * 0.65);
    p.setBrush(QColor(0x6f, 0xa8, 0x55));
    p.drawPath(blob(crown, height * 0.33, 9, 0.18, rng));
    p.setBrush(QColor(0x86, 0xbd, 0x68));
    p.drawPath(blob(crown - QPointF(3, 4), height * 0.2, 8, 0.2, rng));
}

} // namespace

QImage skinAnimalFarm() {
    QImage image = canvas(450, 450);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    verticalGradient(p, QRectF(0, 0, 450, 260), QColor(0xbf, 0xdc, 0xf2), QColor(0xe8, 0xf3, 0xfa));

    // Rolling hills behind, the field in front.
    QPainterPath far;
    far.moveTo(0, 250);
    far.cubicTo(90, 205, 200, 235, 260, 222);
    far.cubicTo(330, 206, 400, 230, 450, 215);
    far.lineTo(450, 450);
    far.lineTo(0, 450);
    p.fillPath(far, QColor(0xa9, 0xcf, 0x8a));
    QPainterPath near;
    near.moveTo(0, 300);
    near.cubicTo(120, 278, 260, 300, 450, 282);
    near.lineTo(450, 450);
    near.lineTo(0, 450);
    p.fillPath(near, QColor(0xbd, 0xdc, 0x95));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x7a));
    p.drawEllipse(QPointF(336, 34), 15, 15);
    cloud(p, QPointF(46, 36), 1.2, QColor(255, 255, 255, 230));
    cloud(p, QPointF(290, 62), 0.8, QColor(255, 255, 255, 220));
    cloud(p, QPointF(410, 90), 1.1, QColor(255, 255, 255, 230));

    Rng rng(11);
    tree(p, QPointF(22, 262), 90, rng);
    tree(p, QPointF(338, 250), 62, rng);

    barn(p, QRectF(316, 318, 40, 52));

    // Fence along the front of the field; it starts right of the version label.
    const QColor wood(0xb0, 0x8a, 0x60);
    for (int x = 34; x <= 300; x += 18)
        p.fillRect(QRectF(x, 344, 4, 24), wood);
    p.fillRect(QRectF(32, 349, 272, 3), wood);
    p.fillRect(QRectF(32, 359, 272, 3), wood);

    sheep(p, QPointF(64, 330));
    sheep(p, QPointF(98, 326));
    cow(p, QPointF(160, 326));
    pig(p, QPointF(240, 332));
    hen(p, QPointF(292, 330));
    hen(p, QPointF(300, 372));
    cow(p, QPointF(20, 300));

    veil(p, image.rect(), 0.42);
    return image;
}

QImage skinBattleField() {
    QImage image = canvas(475, 380, QColor(0xe4, 0xdf, 0xc8));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Woodland camouflage in washed-out khaki, olive, sage and sand.
    const QColor tones[] = {QColor(0xd3, 0xcf, 0xad), QColor(0xdb, 0xd0, 0xb0),
                            QColor(0xcb, 0xcf, 0xae), QColor(0xec, 0xe8, 0xd6)};
    Rng rng(1944);
    for (int layer = 0; layer < 4; ++layer) {
        for (int gy = -20; gy < 400; gy += 44) {
            for (int gx = -20; gx < 495; gx += 52) {
                if (rng.uniform() < 0.35)
                    continue;
                const QPointF c(gx + rng.range(0, 52), gy + rng.range(0, 44));
                // Stretched sideways like classic woodland patterns.
                QPainterPath patch = blob(QPointF(0, 0), rng.range(12, 24), 9, 0.35, rng);
                QTransform t;
                t.translate(c.x(), c.y());
                t.rotate(rng.range(-25, 25));
                t.scale(rng.range(1.4, 2.1), 1.0);
                p.fillPath(t.map(patch), tones[layer]);
            }
        }
    }
    // Keep the version label's corner quiet.
    QRadialGradient calm(QPointF(16, 366), 34);
    calm.setColorAt(0, QColor(0xe8, 0xe4, 0xd0, 235));
    calm.setColorAt(1, QColor(0xe8, 0xe4, 0xd0, 0));
    p.fillRect(QRectF(0, 320, 80, 60), calm);
    return image;
}

} // namespace draw
