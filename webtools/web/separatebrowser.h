// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLineEdit;
class QWebEnginePage;
class QWebEngineView;

// A browser window of its own: back, forward, reload and an address line above the page,
// a status bar below. It deletes itself when closed.
class SeparateBrowser final : public QMainWindow {
    Q_OBJECT
public:
    // With an owner it is still a window of its own, but goes when the owner goes.
    explicit SeparateBrowser(QWidget* owner);

    void navigate(const QString& address);
    QWebEnginePage* page() const;
    QWebEngineView* view() const { return m_view; }

private:
    QWebEngineView* m_view = nullptr;
    QLineEdit* m_address = nullptr;
};
