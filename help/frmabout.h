// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/systemregistry.h"

#include "help/helpform.h"

class QLineEdit;
class QPushButton;

// The About box: title, credits, contacts, the web-site link and the system information tool.
class frmAbout final : public HelpForm {
    Q_OBJECT
public:
    explicit frmAbout(AppContext& context, QWidget* parent = nullptr);

    void StartSysInfo();
    bool GetKeyValue(SystemRegistry::Root root, const QString& keyPath, const QString& valueName,
                     QString& text);

    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdSysInfo() const { return m_cmdSysInfo; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void addHeader(const QString& base);
    void addContacts(const QString& base);
    void addButtons();
    // The thanks, the banner and the address of the other programs (returned: the last stop
    // of the tab chain).
    QWidget* addThanks(const QString& base);
    void cmdOK_Click();
    void Label10_Click();

    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};
