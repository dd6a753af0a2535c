// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmskins.h"

#include "widgets/bundledpicture.h"

#include <QLabel>
#include <QShowEvent>

frmSkins::frmSkins(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool) {
    setObjectName(QStringLiteral("frmSkins"));
    setAttribute(Qt::WA_DontShowOnScreen);
    // Design order: Picture5 first, Picture1 last.
    for (int skin = SkinCount; skin >= 1; --skin) {
        auto* box = new QLabel(this);
        box->setObjectName(QStringLiteral("Picture%1").arg(skin));
        m_pictures[skin - 1] = box;
    }
}

QString frmSkins::picturePath(int skin) {
    return QStringLiteral(":/assets/skins/skin%1.png").arg(skin);
}

QPixmap frmSkins::picture(int skin) const {
    if (skin < 1 || skin > SkinCount)
        return {};
    // Decoded when first asked for: start-up needs only the current skin.
    QLabel* box = m_pictures[skin - 1];
    if (!m_loaded[skin - 1]) {
        m_loaded[skin - 1] = true;
        box->setPixmap(Widgets::bundledPicture(picturePath(skin)));
        box->adjustSize();
    }
    return box->pixmap();
}

void frmSkins::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    hide();
}
