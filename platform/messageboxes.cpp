// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messageboxes.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void WidgetMessageBoxes::inform(QWidget* parent, const QString& title, const QString& text,
                                Icon icon) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageBoxes::Answer WidgetMessageBoxes::askYesNo(QWidget* parent, const QString& title,
                                                  const QString& text, Answer defaultAnswer,
                                                  Icon icon) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::No ? Answer::No : Answer::Yes;
}
