// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Modal messages, behind an interface so tests can answer them without a modal loop.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;

    // A message with an OK button only.
    virtual void inform(QWidget* parent, const QString& title, const QString& text,
                        Icon icon = Icon::None) = 0;

    // A Yes/No question; defaultAnswer is the button that Enter presses.
    virtual Answer askYesNo(QWidget* parent, const QString& title, const QString& text,
                            Answer defaultAnswer, Icon icon = Icon::None) = 0;
};

class WidgetMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& title, const QString& text,
                Icon icon = Icon::None) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text,
                    Answer defaultAnswer, Icon icon = Icon::None) override;
};
