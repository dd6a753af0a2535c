// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filechooser.h"

#include <QFileDialog>

QString DialogFileChooser::openFile(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString DialogFileChooser::saveFile(QWidget* parent, const QString& caption,
                                    const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}
