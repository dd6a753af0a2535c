// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// A window drawn over the My Scripts background picture.
class PictureForm : public QWidget {
    Q_OBJECT
public:
    explicit PictureForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
