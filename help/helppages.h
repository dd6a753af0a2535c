// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/helpform.h"

class QLineEdit;
class QTextEdit;

// Help for beginners: how to paste a script into a page.
class frmBegin final : public HelpForm {
    Q_OBJECT
public:
    explicit frmBegin(AppContext& context, QWidget* parent = nullptr);
    static const QString& helpText();
    QTextEdit* Text1() const { return m_text1; }

private:
    QTextEdit* m_text1 = nullptr;
};

// Program overview.
class frmProg final : public HelpForm {
    Q_OBJECT
public:
    explicit frmProg(AppContext& context, QWidget* parent = nullptr);
};

// General help: requirements and where to find help.
class frmHelp final : public HelpForm {
    Q_OBJECT
public:
    explicit frmHelp(AppContext& context, QWidget* parent = nullptr);
    QLineEdit* Text1(int index) const { return index == 0 ? m_text1_0 : m_text1_1; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* m_text1_0 = nullptr;
    QLineEdit* m_text1_1 = nullptr;
};
