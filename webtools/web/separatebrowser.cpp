// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/web/separatebrowser.h"

#include "webtools/web/quickview.h"

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineView>

SeparateBrowser::SeparateBrowser(QWidget* owner)
    : QMainWindow(owner, Qt::Window) {
    setObjectName(QStringLiteral("SeparateBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("view"));
    m_view->setPage(new ReportingPage(m_view));
    setCentralWidget(m_view);

    auto* tools = addToolBar(QStringLiteral("Navigation"));
    tools->setObjectName(QStringLiteral("toolBar"));
    tools->setMovable(false);
    tools->addAction(m_view->pageAction(QWebEnginePage::Back));
    tools->addAction(m_view->pageAction(QWebEnginePage::Forward));
    tools->addAction(m_view->pageAction(QWebEnginePage::Reload));
    m_address = new QLineEdit(tools);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setClearButtonEnabled(true);
    tools->addWidget(m_address);
    connect(m_address, &QLineEdit::returnPressed, this, [this] { navigate(m_address->text()); });

    statusBar()->setObjectName(QStringLiteral("statusBar"));
    connect(m_view, &QWebEngineView::urlChanged, this,
            [this](const QUrl& url) { m_address->setText(url.toString()); });
    connect(m_view, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_view, &QWebEngineView::loadStarted, this,
            [this] { statusBar()->showMessage(QStringLiteral("Opening page...")); });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        statusBar()->showMessage(ok ? QStringLiteral("Done")
                                    : QStringLiteral("The page could not be loaded"));
    });
    connect(m_view->page(), &QWebEnginePage::linkHovered, this, [this](const QString& link) {
        if (link.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(link);
    });
}

void SeparateBrowser::navigate(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (url.isValid())
        m_view->load(url);
}

QWebEnginePage* SeparateBrowser::page() const {
    return m_view->page();
}
