// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/previewpane.h"

#include "platform/processterminator.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PreviewPane::PreviewPane(PreviewViewFactory* factory, ProcessTerminator& terminator,
                         const QString& siteFolder, const QString& unavailable, QWidget* parent)
    : QWidget(parent)
    , m_terminator(terminator) {
    setObjectName(QStringLiteral("previewPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (factory)
        m_view.reset(factory->createPreviewView(this, this, siteFolder));
    if (m_view) {
        m_view->widget()->setMinimumSize(320, 240);
        layout->addWidget(m_view->widget(), 1);
    } else {
        auto* missing =
            new QLabel(QCoreApplication::translate("PreviewPane", "The preview cannot be shown: %1")
                           .arg(unavailable),
                       this);
        missing->setObjectName(QStringLiteral("previewUnavailable"));
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        layout->addWidget(missing, 1);
    }

    m_stopRow = new QWidget(this);
    auto* stopLayout = new QHBoxLayout(m_stopRow);
    stopLayout->setContentsMargins(4, 2, 4, 2);
    m_stopNotice = new QLabel(m_stopRow);
    m_stopNotice->setObjectName(QStringLiteral("previewStopNotice"));
    m_stopNotice->setWordWrap(true);
    m_tryAgain =
        new QPushButton(QCoreApplication::translate("PreviewPane", "&Try Again"), m_stopRow);
    m_tryAgain->setObjectName(QStringLiteral("previewTryAgain"));
    connect(m_tryAgain, &QPushButton::clicked, this, &PreviewPane::tryAgain);
    stopLayout->addWidget(m_stopNotice, 1);
    stopLayout->addWidget(m_tryAgain);
    m_stopRow->setStyleSheet(QStringLiteral("background: #fde2e1;"));
    m_stopRow->hide();
    layout->addWidget(m_stopRow);

    m_dialogStrip = new QLabel(this);
    m_dialogStrip->setObjectName(QStringLiteral("previewDialogs"));
    m_dialogStrip->setAccessibleName(
        QCoreApplication::translate("PreviewPane", "Dialogs the page showed"));
    m_dialogStrip->setWordWrap(true);
    m_dialogStrip->setTextFormat(Qt::PlainText);
    m_dialogStrip->setStyleSheet(QStringLiteral("background: #fff6d5; padding: 3px;"));
    m_dialogStrip->hide();
    layout->addWidget(m_dialogStrip);

    auto* heading =
        new QLabel(QCoreApplication::translate(
                       "PreviewPane", "What the page tried (nothing of it was carried out) "
                                      "and its errors:"),
                   this);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    m_messages = new QListWidget(this);
    m_messages->setObjectName(QStringLiteral("previewMessages"));
    m_messages->setAccessibleName(
        QCoreApplication::translate("PreviewPane", "Blocked requests, refused navigations and "
                                                   "script errors"));
    m_messages->setMaximumHeight(110);
    m_messages->setWordWrap(true);
    heading->setBuddy(m_messages);
    layout->addWidget(m_messages);

    m_watchdog.setInterval(500);
    connect(&m_watchdog, &QTimer::timeout, this, &PreviewPane::checkResponsive);
}

PreviewPane::~PreviewPane() {
    m_watchdog.stop();
    m_view.reset();
}

void PreviewPane::showPage(const PreviewPage& page, const QString& baseAddress) {
    m_page = page;
    m_baseAddress = baseAddress;
    m_messages->clear();
    m_dialogStrip->clear();
    m_dialogStrip->hide();
    m_stopRow->hide();
    m_dialogs = 0;
    m_unlisted = 0;
    m_stopped = false;
    m_pingPending = false;
    ++m_pingSerial;
    if (!m_view)
        return;
    m_view->showPage(page.html, baseAddress);
    m_watchdog.start();
}

void PreviewPane::tryAgain() {
    showPage(m_page, m_baseAddress);
}

void PreviewPane::list(const QString& text) {
    // A page that loops over alerts or requests must not bury the program in list rows.
    if (m_messages->count() >= kMaxListed) {
        const QString more =
            QCoreApplication::translate("PreviewPane", "... and %1 more not listed")
                .arg(++m_unlisted);
        if (m_unlisted == 1)
            m_messages->addItem(more);
        else
            m_messages->item(m_messages->count() - 1)->setText(more);
        return;
    }
    m_messages->addItem(text);
}

void PreviewPane::requestBlocked(const QString& address) {
    list(QCoreApplication::translate("PreviewPane", "Blocked: %1").arg(address.left(300)));
}

void PreviewPane::dialogShown(Dialog kind, const QString& text) {
    ++m_dialogs;
    QString shown;
    switch (kind) {
    case Dialog::Alert:
        shown = QCoreApplication::translate("PreviewPane", "Alert: %1").arg(text);
        break;
    case Dialog::Confirm:
        shown = QCoreApplication::translate("PreviewPane", "Confirm (answered OK): %1").arg(text);
        break;
    case Dialog::Prompt:
        shown = QCoreApplication::translate("PreviewPane", "Prompt (answered with its default): %1")
                    .arg(text);
        break;
    }
    shown = shown.left(500);
    if (m_dialogs > 1)
        shown +=
            QCoreApplication::translate("PreviewPane", "   (%1 dialogs so far)").arg(m_dialogs);
    m_dialogStrip->setText(shown);
    m_dialogStrip->show();
}

void PreviewPane::leaveRefused(bool newWindow, const QString& address) {
    const QString where = address.isEmpty()
                              ? QCoreApplication::translate("PreviewPane", "(no address)")
                              : address.left(300);
    list(newWindow ? QCoreApplication::translate("PreviewPane", "Window not opened: %1").arg(where)
                   : QCoreApplication::translate("PreviewPane",
                                                 "Not followed: the page tried to go to %1")
                         .arg(where));
}

void PreviewPane::scriptMessage(Level level, const QString& message, int pageLine) {
    if (level != Level::Error)
        return;
    list(QCoreApplication::translate("PreviewPane", "Error at %1: %2")
             .arg(m_page.locate(pageLine), message.left(500)));
}

void PreviewPane::loadFinished(bool ok) {
    emit pageLoaded(ok);
}

void PreviewPane::renderProcessEnded() {
    m_watchdog.stop();
    m_pingPending = false;
    ++m_pingSerial;
    m_stopped = true;
    m_stopNotice->setText(
        m_endingProcess
            ? QCoreApplication::translate(
                  "PreviewPane", "The page's script did not finish, so the preview stopped it. "
                                 "Change the code or try again.")
            : QCoreApplication::translate("PreviewPane", "The preview stopped unexpectedly."));
    m_endingProcess = false;
    m_stopRow->show();
    m_tryAgain->setFocus();
}

void PreviewPane::checkResponsive() {
    if (!m_view)
        return;
    if (m_pingPending) {
        if (m_pingSent.elapsed() < kUnresponsiveMs || m_endingProcess)
            return;
        const qint64 process = m_view->renderProcessId();
        m_endingProcess = true;
        if (!m_terminator.terminate(process)) {
            m_endingProcess = false;
            renderProcessEnded();
            m_stopNotice->setText(QCoreApplication::translate(
                "PreviewPane", "The page's script does not finish and the preview "
                               "could not stop it."));
        }
        return;
    }
    m_pingPending = true;
    m_pingSent.start();
    const int serial = m_pingSerial;
    QPointer<PreviewPane> self(this);
    m_view->runScript(QStringLiteral("0"), [self, serial](const QVariant&) {
        if (self && self->m_pingSerial == serial)
            self->m_pingPending = false;
    });
}
