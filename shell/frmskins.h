// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// The hidden holder of the five skin pictures. It is never shown.
class frmSkins final : public QWidget {
    Q_OBJECT
public:
    static constexpr int SkinCount = 5;

    explicit frmSkins(QWidget* parent = nullptr);

    // The picture of skin 1 to 5 (Picture1 to Picture5), loaded into its box on the first
    // call; a null picture when it could not be loaded or the number is out of range.
    QPixmap picture(int skin) const;

    static QString picturePath(int skin);

protected:
    // Whoever asks, the holder stays out of sight.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_pictures[SkinCount] = {};
    mutable bool m_loaded[SkinCount] = {};
};
