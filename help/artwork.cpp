// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/artwork.h"

#include "platform/uifonts.h"

#include "help/helpform.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace HelpArtwork {

QPixmap banner() {
    QPixmap picture(250, 50);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 250, 50);
    sky.setColorAt(0, QColor(28, 44, 84));
    sky.setColorAt(1, QColor(52, 92, 150));
    p.fillRect(picture.rect(), sky);

    // A fan of colour swatches on the left, the mixer's mark.
    const QColor swatches[] = {QColor(230, 57, 70), QColor(244, 162, 97), QColor(233, 196, 106),
                               QColor(42, 157, 143), QColor(69, 123, 157)};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(26, 44);
        p.rotate(-60 + i * 24);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.setBrush(swatches[i]);
        p.drawRoundedRect(QRectF(-4, -36, 8, 32), 3, 3);
        p.restore();
    }

    p.setPen(Qt::white);
    p.setFont(UiFonts::font(13.5, true));
    p.drawText(QRect(58, 5, 190, 22), Qt::AlignLeft | Qt::AlignVCenter, Help::kOtherProgram);
    p.setPen(QColor(210, 225, 245));
    p.setFont(UiFonts::font(7.5));
    p.drawText(QRect(58, 26, 190, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("HelpArtwork", "Mix web colours, copy the #code"));
    p.setPen(QColor(255, 255, 255, 60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

QCursor linkCursor() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // The globe, lower right.
    const QRectF globe(12, 12, 18, 18);
    p.setPen(QPen(QColor(0, 0, 128), 1.2));
    p.setBrush(QColor(120, 180, 240));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globe.adjusted(5, 0, -5, 0));
    p.drawLine(QPointF(globe.left(), globe.center().y()),
               QPointF(globe.right(), globe.center().y()));
    // The pointer, hot spot at its tip (1, 1).
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13);
    arrow.lineTo(8, 20);
    arrow.lineTo(10.5, 19);
    arrow.lineTo(7.5, 12);
    arrow.lineTo(13, 12);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.end();
    return QCursor(picture, 1, 1);
}

} // namespace HelpArtwork
