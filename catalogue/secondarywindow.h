// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class Catalogue;
struct SecondaryWindowDesign;

// The text windows that three entries' extra buttons open: further instructions for
// the entry, independent of the viewer that opened them.
class SecondaryWindow final : public QWidget {
    Q_OBJECT
public:
    // The texts come from the catalogue.
    SecondaryWindow(const SecondaryWindowDesign& design, const QString& text, const QString& note,
                    QWidget* parent = nullptr);

    static QStringList names();
    // nullptr for names that are not secondary windows.
    static SecondaryWindow* create(const QString& name, const Catalogue& catalogue);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
};
