// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// What the other windows may ask of the main window (the list of scripts by category). The
// shell provides it; the subsystems see only this, so none of them depends on the shell.
class HubWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The text of the list's current row, or an empty string.
    virtual QString selectedRowText() const = 0;
    virtual void appendRow(const QString& text) = 0;
    // Shows the "My Scripts!" category with its list read afresh from the store.
    virtual void reloadMyScripts() = 0;
    // Selects the last row whose text is exactly `text`; false when there is none.
    virtual bool selectRow(const QString& text) {
        Q_UNUSED(text)
        return false;
    }
    // The background picture (the current skin).
    virtual void setSkinPicture(const QPixmap& picture) = 0;
};
