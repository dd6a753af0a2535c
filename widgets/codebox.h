// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose Tab key moves the focus and never types a tab, even when
// there is nowhere else for the focus to go.
class CodeBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
