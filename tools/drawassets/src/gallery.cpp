// The web elements gallery: small page graphics in the manner of classic
// hand-made home pages. Backgrounds are transparent except where the graphic
// is itself a rectangle (badges, buttons, bars).
#include "assets.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace draw {

namespace {

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points = 5) {
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = -M_PI / 2 + M_PI * i / points;
        const qreal r = (i % 2) ? inner : outer;
        poly << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// A rounded badge with a top-lit gradient, a darker rim and pixel letters.
void badge(QPainter& p, int w, int h, const QColor& fill, const QColor& textColor,
           const QString& text, int scale = 1) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, fill.lighter(135));
    g.setColorAt(0.5, fill);
    g.setColorAt(1, fill.darker(120));
    p.setPen(QPen(fill.darker(150), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);
    const int tw = pixelTextWidth(text, scale);
    pixelText(p, (w - tw + 1) / 2, (h - 5 * scale + 1) / 2, text, textColor, scale);
}

// A glossy sphere lit from the top-left.
void ball(QPainter& p, const QRectF& r, const QColor& color) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.7);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.25, color.lighter(130));
    g.setColorAt(1, color.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
}

void arrow(QPainter& p, const QRectF& r, bool right, const QColor& color) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal shaft = r.height() * 0.36;
    const qreal headLen = r.width() * 0.5;
    QPolygonF poly;
    const qreal cy = r.center().y();
    poly << QPointF(0, cy - shaft / 2) << QPointF(r.width() - headLen, cy - shaft / 2)
         << QPointF(r.width() - headLen, r.top()) << QPointF(r.width(), cy)
         << QPointF(r.width() - headLen, r.bottom()) << QPointF(r.width() - headLen, cy + shaft / 2)
         << QPointF(0, cy + shaft / 2);
    if (!right)
        for (QPointF& pt : poly)
            pt.setX(r.width() - pt.x());
    poly.translate(r.left(), 0);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, color.lighter(140));
    g.setColorAt(1, color.darker(125));
    p.setPen(QPen(color.darker(170), 1));
    p.setBrush(g);
    p.drawPolygon(poly);
}

void envelope(QPainter& p, const QRectF& r, const QColor& paper, const QColor& line) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(line);
    p.setBrush(paper);
    p.drawRect(r);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawLine(r.topLeft(), QPointF(r.center().x(), r.top() + r.height() * 0.6));
    p.drawLine(r.topRight(), QPointF(r.center().x() + 0.5, r.top() + r.height() * 0.6));
}

void house(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor wall(0xf6, 0xe7, 0xc1), roof(0xc0, 0x39, 0x2b), door(0x7a, 0x4a, 0x24);
    const qreal roofH = r.height() * 0.48;
    const QRectF body(r.left() + r.width() * 0.16, r.top() + roofH, r.width() * 0.68,
                      r.height() - roofH);
    p.setPen(QColor(0x6a, 0x4a, 0x2a));
    p.setBrush(wall);
    p.drawRect(body.adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(roof.darker(140), 1));
    p.setBrush(roof);
    p.drawPolygon(
        QPolygonF({QPointF(r.left(), r.top() + roofH + 0.5), QPointF(r.center().x(), r.top() + 0.5),
                   QPointF(r.right(), r.top() + roofH + 0.5)}));
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal dw = std::max<qreal>(2, body.width() * 0.3);
    p.fillRect(QRectF(body.center().x() - dw / 2, body.bottom() - body.height() * 0.6, dw,
                      body.height() * 0.6),
               door);
}

// The pictures in gallery order, one function each; every one starts with antialiasing on.

void newBadge(QPainter& p, int w, int h) {
    badge(p, w, h, QColor(0xd6, 0x22, 0x22), Qt::white, QStringLiteral("NEW!"));
}

void updatedBadge(QPainter& p, int w, int h) {
    badge(p, w, h, QColor(0xf5, 0xc4, 0x1f), QColor(0x40, 0x20, 0x00), QStringLiteral("UPDATED"));
}

void clickHereButton(QPainter& p, int w, int h) {
    badge(p, w, h, QColor(0x1f, 0x5f, 0xc8), Qt::white, QStringLiteral("CLICK HERE"));
}

void hotBadge(QPainter& p, int w, int h) {
    badge(p, w, h, QColor(0xf0, 0x6a, 0x10), QColor(0xff, 0xf6, 0xb0), QStringLiteral("HOT"), 2);
}

void smallEnvelope(QPainter& p, int w, int h) {
    envelope(p, QRectF(0, 1, w - 1, h - 3), QColor(0xff, 0xfd, 0xf0), QColor(0x55, 0x55, 0x70));
}

void rightArrow(QPainter& p, int w, int h) {
    arrow(p, QRectF(0.5, 0.5, w - 1, h - 1), true, QColor(0x2e, 0xa0, 0x3a));
}

void yellowStar(QPainter& p, int w, int h) {
    p.setPen(QPen(QColor(0xb0, 0x78, 0x00), 0.8));
    p.setBrush(QColor(0xff, 0xd2, 0x1f));
    p.drawPath(starPath(QPointF(w / 2.0, h / 2.0 + 0.6), w / 2.0, w / 4.6));
}

void topButton(QPainter& p, int w, int h) {
    // Up triangle and "TOP", centred together.
    badge(p, w, h, QColor(0x5a, 0x6c, 0x80), Qt::white, QString());
    p.setRenderHint(QPainter::Antialiasing, false);
    const int left = (w - (7 + 3 + pixelTextWidth(QStringLiteral("TOP")))) / 2;
    const int top = (h - 5) / 2;
    for (int row = 0; row < 4; ++row)
        p.fillRect(left + 3 - row, top + 1 + row, 1 + 2 * row, 1, Qt::white);
    pixelText(p, left + 10, top, QStringLiteral("TOP"), Qt::white);
}

void smallHouse(QPainter& p, int w, int h) {
    house(p, QRectF(0, 0, w, h));
}

void backArrow(QPainter& p, int w, int h) {
    arrow(p, QRectF(0.5, 0.5, w - 1, h - 1), false, QColor(0x2a, 0x6c, 0xc8));
}

void helpButton(QPainter& p, int w, int h) {
    p.setPen(QPen(QColor(0x12, 0x3c, 0x8a), 1));
    QRadialGradient g(5, 4, 12);
    g.setColorAt(0, QColor(0x8c, 0xb8, 0xff));
    g.setColorAt(1, QColor(0x1f, 0x55, 0xc0));
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, w - 1, h - 1));
    pixelText(p, 5, 3, QStringLiteral("?"), Qt::white, 2);
}

void magnifyingGlass(QPainter& p, int, int) {
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x1a), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(13, 13));
    p.setPen(QPen(QColor(0x33, 0x33, 0x44), 1.6));
    p.setBrush(QColor(0xcf, 0xe8, 0xff));
    p.drawEllipse(QPointF(6, 6), 4.6, 4.6);
    p.setPen(QPen(Qt::white, 1));
    p.drawArc(QRectF(3, 3, 5, 5), 90 * 16, 70 * 16);
}

void tickInABox(QPainter& p, int w, int h) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x1d, 0x6b, 0x2a));
    p.setBrush(QColor(0xe9, 0xf8, 0xe6));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0x1e, 0x9a, 0x35), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3.5, 7.5), QPointF(6.5, 10.5), QPointF(11.5, 3.5)}));
}

void computer(QPainter& p, int, int) {
    // A desktop computer: monitor on a small stand.
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(QColor(0xd8, 0xd4, 0xc8));
    p.drawRoundedRect(QRectF(4.5, 0.5, 34, 26), 2, 2);
    QLinearGradient screen(0, 3, 0, 22);
    screen.setColorAt(0, QColor(0x3f, 0x8f, 0xd8));
    screen.setColorAt(1, QColor(0x16, 0x3f, 0x7a));
    p.setBrush(screen);
    p.drawRect(QRectF(7.5, 3.5, 28, 19));
    pixelText(p, 11, 9, QStringLiteral("WWW"), QColor(0xe8, 0xf4, 0xff));
    p.setBrush(QColor(0xc8, 0xc4, 0xb8));
    p.drawRect(QRectF(17.5, 26.5, 8, 4));
    p.drawRoundedRect(QRectF(9.5, 30.5, 24, 4), 1.5, 1.5);
}

void openedLetter(QPainter& p, int, int) {
    // An opened letter with a card showing "@".
    const QRectF body(1.5, 16.5, 40, 22);
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x3a), 1));
    p.setBrush(QColor(0xe8, 0xd6, 0xa8));
    p.drawPolygon(QPolygonF({body.topLeft(), QPointF(21.5, 1.5), body.topRight()}));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRect(QRectF(7.5, 6.5, 28, 22));
    p.fillPath(textPath(QStringLiteral("@"), 16, true).translated(13, 22),
               QColor(0x1f, 0x5f, 0xc8));
    p.setBrush(QColor(0xf4, 0xe4, 0xb8));
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x3a), 1));
    QPainterPath front;
    front.moveTo(body.topLeft());
    front.lineTo(21.5, 28.5);
    front.lineTo(body.topRight());
    front.lineTo(body.bottomRight());
    front.lineTo(body.bottomLeft());
    front.closeSubpath();
    p.drawPath(front);
}

void globe(QPainter& p, int, int) {
    // A globe with meridians and parallels.
    const QRectF g(1, 1.5, 27, 27);
    QRadialGradient sea(9, 9, 22);
    sea.setColorAt(0, QColor(0x9f, 0xd4, 0xff));
    sea.setColorAt(1, QColor(0x1e, 0x5c, 0xb0));
    p.setPen(QPen(QColor(0x12, 0x3c, 0x7a), 1));
    p.setBrush(sea);
    p.drawEllipse(g);
    p.save();
    QPainterPath clip;
    clip.addEllipse(g);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3f, 0xa0, 0x4a));
    Rng rng(16);
    p.drawPath(blob(QPointF(9, 11), 6, 7, 0.3, rng));
    p.drawPath(blob(QPointF(19, 20), 5, 7, 0.3, rng));
    p.drawPath(blob(QPointF(21, 7), 3, 6, 0.3, rng));
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(8, 1.5, 13, 27));
    p.drawLine(QPointF(14.5, 1), QPointF(14.5, 29));
    p.drawLine(QPointF(1, 15), QPointF(28, 15));
    p.drawLine(QPointF(3, 8), QPointF(26, 8));
    p.drawLine(QPointF(3, 22), QPointF(26, 22));
    p.restore();
}

void floppyDisk(QPainter& p, int, int) {
    // A floppy disk: the "save" sign.
    p.setPen(QPen(QColor(0x1a, 0x2a, 0x48), 1));
    p.setBrush(QColor(0x2f, 0x4f, 0x8a));
    p.drawPolygon(QPolygonF({QPointF(0.5, 0.5), QPointF(20.5, 0.5), QPointF(23.5, 3.5),
                             QPointF(23.5, 23.5), QPointF(0.5, 23.5)}));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(5, 1, 13, 8), QColor(0xc8, 0xcc, 0xd4));
    p.fillRect(QRect(13, 2, 3, 6), QColor(0x2f, 0x4f, 0x8a));
    p.fillRect(QRect(4, 13, 16, 10), QColor(0xfa, 0xfa, 0xf4));
    for (int y = 15; y < 22; y += 2)
        p.fillRect(QRect(6, y, 12, 1), QColor(0xb8, 0xc0, 0xd0));
}

void lightBulb(QPainter& p, int, int) {
    // A light bulb: tips and ideas.
    QRadialGradient glass(13, 10, 15);
    glass.setColorAt(0, QColor(0xff, 0xff, 0xe8));
    glass.setColorAt(0.6, QColor(0xff, 0xe8, 0x6a));
    glass.setColorAt(1, QColor(0xf0, 0xb8, 0x20));
    p.setPen(QPen(QColor(0xa0, 0x78, 0x10), 1));
    p.setBrush(glass);
    QPainterPath bulb;
    bulb.moveTo(11.5, 22);
    bulb.cubicTo(11, 18, 5, 16, 5.5, 10.5);
    bulb.cubicTo(6, 4, 11, 1.5, 16, 1.5);
    bulb.cubicTo(21, 1.5, 26, 4, 26.5, 10.5);
    bulb.cubicTo(27, 16, 21, 18, 20.5, 22);
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.setPen(QPen(QColor(0xc0, 0x80, 0x10), 1));
    p.drawPolyline(QPolygonF({QPointF(13, 21), QPointF(13, 14), QPointF(15, 12), QPointF(17, 14),
                              QPointF(19, 12), QPointF(19, 21)}));
    p.setPen(QPen(QColor(0x60, 0x60, 0x68), 1));
    p.setBrush(QColor(0xb8, 0xbc, 0xc4));
    p.drawRoundedRect(QRectF(11.5, 22.5, 9, 6), 1, 1);
    p.drawLine(QPointF(11.5, 24.5), QPointF(20.5, 24.5));
    p.drawLine(QPointF(11.5, 26.5), QPointF(20.5, 26.5));
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawRoundedRect(QRectF(13.5, 28.5, 5, 3), 1, 1);
}

void speechBubble(QPainter& p, int, int) {
    // A speech bubble: guest books and chat.
    p.setPen(QPen(QColor(0x2a, 0x5a, 0x9a), 1));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(0.5, 0.5, 19, 9.5), 3, 3);
    QPainterPath tail;
    tail.addPolygon(QPolygonF({QPointF(4, 8), QPointF(4, 13.5), QPointF(9, 8)}));
    p.drawPath(bubble.united(tail));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x5a, 0x9a));
    for (int x : {6, 10, 14})
        p.drawEllipse(QPointF(x, 5.3), 1.1, 1.1);
}

void underConstruction(QPainter& p, int, int) {
    // "Under construction": a yellow warning sign with a man digging.
    const QColor ink(0x20, 0x20, 0x20);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(0xff, 0xcc, 0x00));
    p.drawPolygon(QPolygonF({QPointF(16, 1), QPointF(31, 16), QPointF(16, 31), QPointF(1, 16)}));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(13, 9.5), 2, 2);        // head
    p.drawPie(QRectF(17, 19, 9, 8), 0, 180 * 16); // heap of earth
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(13, 12), QPointF(14.5, 18)); // body
    p.drawPolyline(QPolygonF({QPointF(10.5, 23.5), QPointF(14.5, 18), QPointF(17, 23.5)}));
    p.drawPolyline(QPolygonF({QPointF(13.2, 13.5), QPointF(17, 16), QPointF(18.5, 13.5)}));
    p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 11), QPointF(21.5, 20)); // shovel handle
    p.setPen(Qt::NoPen);
    p.drawPolygon(
        QPolygonF({QPointF(20, 19.5), QPointF(23.5, 18), QPointF(23.5, 22), QPointF(21, 22.5)}));
}

void redBall(QPainter& p, int w, int h) {
    ball(p, QRectF(0.5, 0.5, w - 1, h - 1), QColor(0xd8, 0x20, 0x20));
}

void blueBall(QPainter& p, int w, int h) {
    ball(p, QRectF(0.5, 0.5, w - 1, h - 1), QColor(0x20, 0x5c, 0xd8));
}

void greenBall(QPainter& p, int w, int h) {
    ball(p, QRectF(0.5, 0.5, w - 1, h - 1), QColor(0x1e, 0x9a, 0x35));
}

void goldBall(QPainter& p, int w, int h) {
    ball(p, QRectF(0.5, 0.5, w - 1, h - 1), QColor(0xe0, 0xa8, 0x10));
}

void goldStar(QPainter& p, int, int) {
    QRadialGradient g(7, 6, 10);
    g.setColorAt(0, QColor(0xff, 0xf6, 0xb0));
    g.setColorAt(1, QColor(0xf0, 0xa8, 0x00));
    p.setPen(QPen(QColor(0xa8, 0x60, 0x00), 1));
    p.setBrush(g);
    p.drawPath(starPath(QPointF(8.5, 8.7), 8, 3.4));
}

void raisedSquare(QPainter& p, int w, int h) {
    // A raised square.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(0, 0, w, h, QColor(0x20, 0x50, 0xa8));
    p.fillRect(0, 0, w - 1, h - 1, QColor(0x9c, 0xc0, 0xff));
    p.fillRect(1, 1, w - 2, h - 2, QColor(0x3a, 0x72, 0xd8));
    p.fillRect(2, 2, w - 4, h - 4, QColor(0x4a, 0x86, 0xe8));
}

void purpleDiamond(QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(0xd8, 0x9c, 0xff));
    g.setColorAt(1, QColor(0x6a, 0x1f, 0xa8));
    p.setPen(QPen(QColor(0x4a, 0x10, 0x78), 1));
    p.setBrush(g);
    p.drawPolygon(
        QPolygonF({QPointF(6, 0.5), QPointF(11.5, 6), QPointF(6, 11.5), QPointF(0.5, 6)}));
}

void wovenSquare(QPainter& p, int w, int h) {
    // A tiny woven square: two colours over and under.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor a(0x2f, 0x86, 0xad), b(0xf5, 0xa6, 0x23);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            p.fillRect(x, y, 1, 1, (((x / 3) + (y / 3)) % 2) ? a : b);
    p.setPen(QColor(0x1b, 0x4d, 0x6e));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
}

void orangeTriangle(QPainter& p, int, int h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0xff, 0x9a, 0x5a));
    g.setColorAt(1, QColor(0xc8, 0x3a, 0x00));
    p.setPen(QPen(QColor(0x8a, 0x28, 0x00), 1));
    p.setBrush(g);
    p.drawPolygon(QPolygonF({QPointF(1.5, 0.5), QPointF(14, 7), QPointF(1.5, 13.5)}));
}

void target(QPainter& p, int, int) {
    // A target: red and white rings.
    const QColor red(0xd0, 0x20, 0x20);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const qreal r = 9.5 - i * 2.5;
        p.setBrush((i % 2) ? QColor(Qt::white) : red);
        p.drawEllipse(QPointF(10, 10), r, r);
    }
}

void heart(QPainter& p, int, int) {
    QPainterPath heart;
    heart.moveTo(10, 18);
    heart.cubicTo(3, 12.5, 0.5, 9, 0.8, 5.5);
    heart.cubicTo(1.2, 1.5, 7.5, 0, 10, 4.8);
    heart.cubicTo(12.5, 0, 18.8, 1.5, 19.2, 5.5);
    heart.cubicTo(19.5, 9, 17, 12.5, 10, 18);
    QRadialGradient g(6, 5, 12);
    g.setColorAt(0, QColor(0xff, 0x9a, 0xb0));
    g.setColorAt(1, QColor(0xc8, 0x10, 0x3a));
    p.setPen(QPen(QColor(0x90, 0x08, 0x28), 1));
    p.setBrush(g);
    p.drawPath(heart);
}

void daisy(QPainter& p, int, int) {
    // A daisy.
    p.setPen(QPen(QColor(0xc0, 0x9a, 0x30), 0.8));
    p.setBrush(Qt::white);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(12.5, 12.5);
        p.rotate(i * 45);
        p.drawEllipse(QRectF(-3, -12, 6, 10));
        p.restore();
    }
    QRadialGradient g(11, 11, 6);
    g.setColorAt(0, QColor(0xff, 0xe0, 0x40));
    g.setColorAt(1, QColor(0xe0, 0x90, 0x00));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(12.5, 12.5), 4.5, 4.5);
}

void doubleChevron(QPainter& p, int, int) {
    // A double chevron ">>".
    p.setPen(QPen(QColor(0x1b, 0x4d, 0x6e), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3, 2.5), QPointF(9, 9), QPointF(3, 15.5)}));
    p.setPen(QPen(QColor(0x2f, 0x86, 0xad), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(11, 2.5), QPointF(17, 9), QPointF(11, 15.5)}));
}

void greenTick(QPainter& p, int, int) {
    p.setPen(QPen(QColor(0x1e, 0x8a, 0x30), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(1.5, 6.5), QPointF(5, 10), QPointF(12.5, 1.5)}));
}

void arrowButton(QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0x9a, 0xd8, 0x7a));
    g.setColorAt(1, QColor(0x3a, 0x8a, 0x2a));
    p.setPen(QPen(QColor(0x2a, 0x6a, 0x1a), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(6, 3.5), QPointF(11, 7), QPointF(6, 10.5)}));
}

void dot(QPainter& p, int, int) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1b, 0x4d, 0x6e));
    p.drawEllipse(QPointF(5.5, 5), 3.5, 3.5);
}

void smallDiamond(QPainter& p, int, int) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0x3a, 0x00));
    p.drawPolygon(QPolygonF({QPointF(5.5, 0.5), QPointF(10, 5), QPointF(5.5, 9.5), QPointF(1, 5)}));
}

void smallTriangle(QPainter& p, int, int) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x8a, 0x30));
    p.drawPolygon(QPolygonF({QPointF(2, 1), QPointF(9.5, 5), QPointF(2, 9)}));
}

void smallSquare(QPainter& p, int, int) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(2, 2, 7, 6, QColor(0x6a, 0x1f, 0xa8));
    p.fillRect(3, 3, 2, 2, QColor(0xc8, 0x9c, 0xf0));
}

void smallPlus(QPainter& p, int, int) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(4, 1, 3, 8, QColor(0xd0, 0x20, 0x20));
    p.fillRect(1, 4, 9, 2, QColor(0xd0, 0x20, 0x20));
    p.fillRect(4, 4, 3, 2, QColor(0xd0, 0x20, 0x20));
}

void fadingBar(QPainter& p, int w, int) {
    // A blue bar that fades out at both ends.
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(0x2f, 0x86, 0xad, 0));
    g.setColorAt(0.5, QColor(0x2f, 0x86, 0xad, 255));
    g.setColorAt(1, QColor(0x2f, 0x86, 0xad, 0));
    p.fillRect(QRect(0, 3, w, 4), g);
    QLinearGradient shine(0, 0, w, 0);
    shine.setColorAt(0, QColor(255, 255, 255, 0));
    shine.setColorAt(0.5, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 4, w, 1), shine);
}

void doubleRule(QPainter& p, int w, int) {
    // Thin double rules meeting at a diamond in the middle.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink(0x6a, 0x4a, 0x2a);
    p.fillRect(QRect(0, 3, w / 2 - 8, 1), ink);
    p.fillRect(QRect(0, 5, w / 2 - 8, 1), ink);
    p.fillRect(QRect(w / 2 + 9, 3, w - w / 2 - 9, 1), ink);
    p.fillRect(QRect(w / 2 + 9, 5, w - w / 2 - 9, 1), ink);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb0, 0x30, 0x20));
    const qreal c = w / 2.0;
    p.drawPolygon(
        QPolygonF({QPointF(c, 0), QPointF(c + 5, 4.5), QPointF(c, 9), QPointF(c - 5, 4.5)}));
    p.setBrush(ink);
    p.drawEllipse(QPointF(c - 8.5, 4.5), 1.5, 1.5);
    p.drawEllipse(QPointF(c + 8.5, 4.5), 1.5, 1.5);
}

void wovenBand(QPainter& p, int w, int h) {
    // A woven band: two threads passing over and under each other.
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor a(0x2f, 0x86, 0xad), b(0xf5, 0xa6, 0x23);
    QPainterPath up, down;
    for (int x = 0; x <= w; ++x) {
        const qreal y1 = 9 + 5.5 * std::sin(2 * M_PI * x / 40.0);
        const qreal y2 = 9 - 5.5 * std::sin(2 * M_PI * x / 40.0);
        if (x == 0) {
            up.moveTo(x, y1);
            down.moveTo(x, y2);
        } else {
            up.lineTo(x, y1);
            down.lineTo(x, y2);
        }
    }
    p.strokePath(down, QPen(b, 3));
    p.strokePath(up, QPen(a, 3));
    // Every other crossing the orange thread goes over instead.
    p.save();
    for (int x = 20; x < w; x += 40) {
        p.setClipRect(QRectF(x + 20 - 4, 0, 8, h));
        p.strokePath(down, QPen(b, 3));
    }
    p.restore();
}

void rainbowBar(QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, w, 0);
    const QColor rainbow[] = {QColor(0xe0, 0x20, 0x20), QColor(0xf0, 0x90, 0x10),
                              QColor(0xf0, 0xd8, 0x10), QColor(0x30, 0xb0, 0x30),
                              QColor(0x20, 0x70, 0xe0), QColor(0x70, 0x30, 0xc0)};
    for (int i = 0; i < 6; ++i)
        g.setColorAt(i / 5.0, rainbow[i]);
    p.fillRect(QRect(0, 0, w, h), g);
    p.fillRect(QRect(0, 1, w, 1), QColor(255, 255, 255, 90));
    p.fillRect(QRect(0, h - 1, w, 1), QColor(0, 0, 0, 50));
}

void dottedLine(QPainter& p, int w, int) {
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x = 0; x + 3 <= w; x += 6) {
        p.fillRect(x, 1, 3, 2, QColor(0x1b, 0x4d, 0x6e));
    }
}

void engravedRule(QPainter& p, int w, int) {
    // An engraved rule: dark line over a light one, fading at the ends.
    QLinearGradient dark(0, 0, w, 0), light(0, 0, w, 0);
    dark.setColorAt(0, QColor(0x70, 0x70, 0x70, 0));
    dark.setColorAt(0.15, QColor(0x70, 0x70, 0x70, 255));
    dark.setColorAt(0.85, QColor(0x70, 0x70, 0x70, 255));
    dark.setColorAt(1, QColor(0x70, 0x70, 0x70, 0));
    light.setColorAt(0, QColor(0xff, 0xff, 0xff, 0));
    light.setColorAt(0.15, QColor(0xff, 0xff, 0xff, 255));
    light.setColorAt(0.85, QColor(0xff, 0xff, 0xff, 255));
    light.setColorAt(1, QColor(0xff, 0xff, 0xff, 0));
    p.fillRect(QRect(0, 1, w, 1), dark);
    p.fillRect(QRect(0, 2, w, 1), light);
}

} // namespace

const QVector<GalleryItem>& galleryItems() {
    struct Row {
        int w, h;
        const char* what;
        void (*paint)(QPainter& p, int w, int h);
    };
    static const Row rows[] = {
        {27, 12, "red \"NEW!\" badge", newBadge},
        {44, 12, "yellow \"UPDATED\" badge", updatedBadge},
        {51, 12, "blue \"CLICK HERE\" button", clickHereButton},
        {30, 14, "orange \"HOT\" badge", hotBadge},
        {12, 11, "small envelope (mail)", smallEnvelope},
        {14, 10, "green arrow pointing right", rightArrow},
        {11, 11, "yellow star", yellowStar},
        {32, 18, "grey \"TOP\" button with an up triangle", topButton},
        {12, 11, "small house (home)", smallHouse},
        {12, 11, "blue arrow pointing left (back)", backArrow},
        {16, 16, "blue round question mark (help)", helpButton},
        {15, 15, "magnifying glass (search)", magnifyingGlass},
        {15, 15, "green tick in a box", tickInABox},
        {43, 35, "computer monitor showing \"WWW\"", computer},
        {43, 40, "opened envelope with an \"@\" letter", openedLetter},
        {29, 30, "globe", globe},
        {24, 24, "floppy disk (save)", floppyDisk},
        {32, 32, "light bulb (tips)", lightBulb},
        {20, 14, "speech bubble", speechBubble},
        {32, 32, "yellow \"under construction\" sign", underConstruction},
        {14, 14, "red ball", redBall},
        {14, 14, "blue ball", blueBall},
        {14, 14, "green ball", greenBall},
        {14, 14, "gold ball", goldBall},
        {17, 16, "gold star", goldStar},
        {12, 12, "raised blue square", raisedSquare},
        {12, 12, "purple diamond", purpleDiamond},
        {12, 12, "woven blue and orange square", wovenSquare},
        {15, 14, "orange triangle pointing right", orangeTriangle},
        {20, 20, "red and white target", target},
        {20, 19, "red heart", heart},
        {25, 25, "daisy", daisy},
        {20, 18, "double chevron \">>\"", doubleChevron},
        {14, 12, "green tick", greenTick},
        {16, 14, "green button with a white arrow", arrowButton},
        {11, 10, "dark blue dot", dot},
        {11, 10, "small red diamond", smallDiamond},
        {11, 10, "small green triangle", smallTriangle},
        {11, 10, "small purple square", smallSquare},
        {11, 10, "small red plus", smallPlus},
        {400, 10, "blue bar fading out at both ends", fadingBar},
        {401, 9, "brown double rule with a red diamond in the middle", doubleRule},
        {401, 18, "woven band: blue and orange threads over and under", wovenBand},
        {407, 6, "rainbow bar", rainbowBar},
        {405, 4, "dotted blue line", dottedLine},
        {405, 4, "engraved grey rule", engravedRule},
    };
    static const QVector<GalleryItem> items = [] {
        QVector<GalleryItem> list;
        for (int i = 0; i < int(std::size(rows)); ++i) {
            const int n = i + 1;
            QString page;
            if (n <= 20)
                page = QStringLiteral("images%1.htm").arg(n);
            else if (n <= 40)
                page = QStringLiteral("bullets%1.htm").arg(n - 20);
            else
                page = QStringLiteral("dividers%1.htm").arg(n - 40);
            list.append({n, rows[i].w, rows[i].h, page, QString::fromUtf8(rows[i].what),
                         [paint = rows[i].paint](QPainter& p, int w, int h) {
                             p.setRenderHint(QPainter::Antialiasing, true);
                             paint(p, w, h);
                         }});
        }
        return list;
    }();
    return items;
}

QImage galleryPicture(const GalleryItem& item) {
    QImage image = canvas(item.width, item.height);
    QPainter p(&image);
    item.paint(p, item.width, item.height);
    return image;
}

} // namespace draw
