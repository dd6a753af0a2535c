// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mdiformmain.h"

#include "platform/twips.h"
#include "platform/windowchrome.h"

#include "shell/frmmain.h"

#include "kit/appcontext.h"
#include "kit/applifecycle.h"
#include "kit/windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>

MDIFormMain::MDIFormMain(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("MDIFormMain"));
    setWindowTitle(QCoreApplication::translate("MDIFormMain", "Tagloom v2.0"));
    // The program's icon comes from the application (tagloomMain), decoded once.

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MDIClient"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_mdiArea->setFrameShape(QFrame::NoFrame);
    m_mdiArea->setFixedSize(designedClientSize());
    // The desktop's colour for active window borders: the window colour of the palette.
    m_mdiArea->setBackground(QApplication::palette().color(QPalette::Active, QPalette::Window));
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MDIFormMain::onSubWindowActivated);
}

QSize MDIFormMain::designedClientSize() {
    return Twips::size(5340, 5925);
}

QPoint MDIFormMain::centredPosition(const QSize& screen, const QSize& outer) {
    return WindowPlacement::centred(screen, outer);
}

void MDIFormMain::MDIForm_Load() {
    WindowChrome::SystemMenuItems items;
    items.size = true;
    WindowChrome::removeSystemMenuItems(this, items);
    layout()->activate();
    adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect frame = frameGeometry();
        move(centredPosition(screen->geometry().size(), frame.size()));
    }
    WindowChrome::clearMaximizeBox(this);
}

void MDIFormMain::onSubWindowActivated(QMdiSubWindow* sub) {
    // Focus moving to a top-level window deactivates every child; keep the menus as they were.
    if (!sub)
        return;
    const bool mainActive = m_context.main && sub->widget() == m_context.main;
    if (QMenuBar* bar = menuWidget() ? menuBar() : nullptr)
        bar->setHidden(!mainActive);
}

void MDIFormMain::closeEvent(QCloseEvent* event) {
    // Children close one by one until frmMain's turn, which ends the program.
    const auto subs = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* sub : subs) {
        if (m_context.main && sub->widget() == m_context.main)
            break;
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    AppLifecycle::endProgram();
}
