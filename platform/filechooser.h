// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Choosing a file to open or a name to save under, behind an interface so tests can answer
// without a dialog. An empty result means the user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                             const QString& filter) = 0;
    // Never asks about replacing an existing file itself: the caller does, in its own words.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& suggested,
                             const QString& filter) = 0;
};

class DialogFileChooser final : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filter) override;
};
