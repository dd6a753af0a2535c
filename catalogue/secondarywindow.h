// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class Catalogue;
struct AppContext;
struct SecondaryWindowDesign;

// The text windows that three entries' extra buttons open: further instructions for
// the entry, independent of the viewer that opened them.
class SecondaryWindow final : public QWidget {
    Q_OBJECT
public:
    // The texts come from the catalogue. With a context, the text box offers the copy
    // commands and the large view.
    SecondaryWindow(const SecondaryWindowDesign& design, const QString& text, const QString& note,
                    AppContext* context = nullptr, QWidget* parent = nullptr);

    static QStringList names();
    // nullptr for names that are not secondary windows.
    static SecondaryWindow* create(const QString& name, const Catalogue& catalogue,
                                   AppContext* context = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
};
