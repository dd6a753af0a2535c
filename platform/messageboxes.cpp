// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messageboxes.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

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

void WidgetMessageBoxes::report(QWidget* parent, const QString& title, const QString& text,
                                const QString& details, Icon icon) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    box.exec();
}

MessageBoxes::Answer WidgetMessageBoxes::askYesNoWithDetails(QWidget* parent, const QString& title,
                                                             const QString& text,
                                                             const QString& details,
                                                             Answer defaultAnswer, Icon icon) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDetailedText(details);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::No ? Answer::No : Answer::Yes;
}

int WidgetMessageBoxes::choose(QWidget* parent, const QString& title, const QString& text,
                               const QStringList& items) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    auto* list = new QListWidget(&dialog);
    list->addItems(items);
    list->setCurrentRow(0);
    list->setAccessibleName(text);
    label->setBuddy(list);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 40);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    list->setFocus();
    return dialog.exec() == QDialog::Accepted ? list->currentRow() : -1;
}

QString WidgetMessageBoxes::chooseFileToSave(QWidget* parent, const QString& title,
                                             const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString WidgetMessageBoxes::chooseFileToOpen(QWidget* parent, const QString& title,
                                             const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString WidgetMessageBoxes::chooseFolder(QWidget* parent, const QString& title,
                                         const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, title, folder);
}
