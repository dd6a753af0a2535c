// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webtools/webwindowfactory.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

// The quick browser: an address box, "Go", "<<", ">>", "Stop" and an embedded web view.
class frmBrowser final : public QWidget, private WebViewEvents {
    Q_OBJECT
public:
    explicit frmBrowser(WebWindowFactory& web, QWidget* parent = nullptr);
    ~frmBrowser() override;

    static QSize designedClientSize();
    static QString initialCaption();

    WebViewControl* WebBrowser1() const { return m_view; }
    QLineEdit* txtURL() const { return m_txtURL; }
    QPushButton* cmdgo() const { return m_cmdgo; }
    QPushButton* cmdback() const { return m_cmdback; }
    QPushButton* cmdForward() const { return m_cmdForward; }
    QPushButton* cmdstop() const { return m_cmdstop; }

    // Shows the window and hands the focus from the address box to "Go", which loads the
    // address the box starts with.
    void Form_Load();

    void txtURL_LostFocus();
    void cmdgo_Click();
    void cmdback_Click();
    void cmdForward_Click();
    void cmdstop_Click();
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void titleChanged(const QString& title) override;
    void documentComplete(const QString& address) override;
    QPushButton* addButton(const char* name, const QString& caption, int left, int width);

    WebViewControl* m_view = nullptr;
    QLineEdit* m_txtURL = nullptr;
    QPushButton* m_cmdgo = nullptr;
    QPushButton* m_cmdback = nullptr;
    QPushButton* m_cmdForward = nullptr;
    QPushButton* m_cmdstop = nullptr;
    int m_addressFocusLosses = 0;
};
