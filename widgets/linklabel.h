// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The program's one link: blue bold plain text over the window's picture, with a pointing
// hand, that acts on a single click of the left button, pressed and released on the label.
// Used for the sample links, the gallery's "Download" labels, the web-site label and every
// "<< Back" label. A window that lets it take the focus gets Enter and Space to open it, as
// with a button.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    enum class Size {
        Normal, // the 8.25 pt bold of the labels around it
        Large   // the 9.75 pt bold of the sample page links
    };

    explicit LinkLabel(const QString& text = QString(), QWidget* parent = nullptr,
                       Size size = Size::Normal);

    static QColor colour();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};
