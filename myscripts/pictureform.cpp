// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/pictureform.h"

#include "platform/uifonts.h"

#include <QPainter>

PictureForm::PictureForm(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_picture(QStringLiteral(":/assets/backgrounds/myscripts.png")) {
    setFont(UiFonts::normal());
    setAutoFillBackground(false);
}

void PictureForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}
