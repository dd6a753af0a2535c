// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
struct AppContext;

// The frame: a fixed-size multiple-document window whose client area hosts frmMain
// and the other child windows. It has no menus of its own; it shows frmMain's menu bar
// while frmMain is the active child.
class MDIFormMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIFormMain(AppContext& context, QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdiArea; }

    // The client area, 5340 x 5925 twips.
    static QSize designedClientSize();

    // Top-left corner that centres a window of the given outer size on a screen of the
    // given size, unclamped: a window larger than the screen gets a negative position.
    static QPoint centredPosition(const QSize& screen, const QSize& outer);

    void MDIForm_Load();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onSubWindowActivated(QMdiSubWindow* sub);

    AppContext& m_context;
    QMdiArea* m_mdiArea = nullptr;
};
