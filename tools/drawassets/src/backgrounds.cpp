// Window backgrounds. Labels, text boxes and code boxes sit anywhere on these,
// so they stay very light and put their only detail at an edge or corner.
#include "assets.h"
#include "paint.h"

#include <QLinearGradient>

namespace draw {

QImage viewerBackground(int height) {
    QImage image = canvas(556, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(0xfc, 0xfd, 0xfe));
    g.setColorAt(1, QColor(0xee, 0xf2, 0xf7));
    p.fillRect(image.rect(), g);

    // A column of faint tags along the right edge; every 42 pixels, so the
    // taller picture simply carries on the same pattern.
    const QColor ink(0xdc, 0xe4, 0xee);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; 14 + i * 42 < height; ++i) {
        const qreal cy = 21 + i * 42;
        const qreal cx = (i % 2) ? 540 : 530;
        p.drawPolyline(
            QPolygonF({QPointF(cx - 4, cy - 6), QPointF(cx - 10, cy), QPointF(cx - 4, cy + 6)}));
        p.drawPolyline(
            QPolygonF({QPointF(cx + 4, cy - 6), QPointF(cx + 10, cy), QPointF(cx + 4, cy + 6)}));
        p.drawLine(QPointF(cx + 2, cy - 8), QPointF(cx - 2, cy + 8));
    }
    p.fillRect(QRectF(519, 0, 1, height), QColor(0xe3, 0xe9, 0xf0));
    return image;
}

QImage myScriptsBackground() {
    // A notebook page in exactly four colours: paper, ruling, margin line and
    // binding strip. No antialiasing, so no in-between colours appear.
    const QColor paper(0xfd, 0xfc, 0xf6);
    const QColor rule(0xe2, 0xea, 0xf3);
    const QColor margin(0xf1, 0xd6, 0xd6);
    const QColor binding(0xea, 0xef, 0xf5);
    QImage image = canvas(556, 450, paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 36; y < 450; y += 18)
        p.fillRect(QRect(0, y, 556, 1), rule);
    p.fillRect(QRect(0, 0, 556, 24), binding);
    p.fillRect(QRect(0, 0, 14, 450), binding);
    // Punched holes down the binding strip, in paper colour.
    for (int y = 40; y < 450; y += 60)
        p.fillRect(QRect(4, y, 6, 6), paper);
    p.fillRect(QRect(40, 24, 1, 426), margin);
    p.fillRect(QRect(42, 24, 1, 426), margin);
    return image;
}

QImage helpBackground() {
    QImage image = canvas(556, 450);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 556, 450);
    g.setColorAt(0, QColor(0xfb, 0xfd, 0xfb));
    g.setColorAt(1, QColor(0xe9, 0xf3, 0xee));
    p.fillRect(image.rect(), g);

    // Quiet ripples spreading from the bottom-right corner.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const qreal r = 60 + i * 34;
        p.setPen(QPen(QColor(0xd6, 0xe8, 0xdf, 200 - i * 28), 2));
        p.drawEllipse(QPointF(556, 450), r, r);
    }
    return image;
}

} // namespace draw
