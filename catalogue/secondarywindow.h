// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class Catalogue;
struct AppContext;
class QPlainTextEdit;

// The text windows that three entries' extra buttons open: further instructions for
// the entry, independent of the viewer that opened them.
class SecondaryWindow final : public QWidget {
    Q_OBJECT
public:
    // One of names(); the text comes from the catalogue.
    // With a context, the text box offers the copy commands and the large view.
    SecondaryWindow(const QString& name, const QString& text, AppContext* context = nullptr,
                    QWidget* parent = nullptr);

    static QStringList names();
    // nullptr for names that are not secondary windows.
    static SecondaryWindow* create(const QString& name, const Catalogue* catalogue,
                                   AppContext* context = nullptr);

    QPlainTextEdit* textBox() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
    QPlainTextEdit* m_text = nullptr;
};
