// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/frmbrowser.h"

#include "platform/appfolder.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kViewLeft = 60;
constexpr int kViewTop = 540;
constexpr int kRowTop = 180;
constexpr int kRowHeight = 315;

} // namespace

frmBrowser::frmBrowser(WebWindowFactory& web, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(initialCaption());
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon/tagloom-256.png")));
    setFont(UiFonts::normal());
    resize(designedClientSize());

    m_view = web.createWebView(this, this);
    m_view->widget()->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->widget()->setGeometry(Twips::rect(kViewLeft, kViewTop, 8415, 6795));

    m_txtURL = new QLineEdit(this);
    m_txtURL->setObjectName(QStringLiteral("txtURL"));
    m_txtURL->setText(AppFolder::sampleBaseUrl() + QStringLiteral("/index.html"));
    m_txtURL->setGeometry(Twips::rect(60, kRowTop, 5475, kRowHeight));
    m_txtURL->installEventFilter(this);
    m_txtURL->setAccessibleName(QCoreApplication::translate("frmBrowser", "Address"));

    m_cmdgo = addButton("cmdgo", QCoreApplication::translate("frmBrowser", "Go"), 5640, 495);
    m_cmdgo->setDefault(true);
    m_cmdback = addButton("cmdback", QStringLiteral("<<"), 6240, 615);
    m_cmdForward = addButton("cmdForward", QStringLiteral(">>"), 6960, 675);
    m_cmdstop = addButton("cmdstop", QCoreApplication::translate("frmBrowser", "Stop"), 7740, 615);
    // The arrows say nothing to a screen reader.
    m_cmdback->setAccessibleName(QCoreApplication::translate("frmBrowser", "Back"));
    m_cmdForward->setAccessibleName(QCoreApplication::translate("frmBrowser", "Forward"));
    connect(m_cmdgo, &QPushButton::clicked, this, &frmBrowser::cmdgo_Click);
    connect(m_cmdback, &QPushButton::clicked, this, &frmBrowser::cmdback_Click);
    connect(m_cmdForward, &QPushButton::clicked, this, &frmBrowser::cmdForward_Click);
    connect(m_cmdstop, &QPushButton::clicked, this, &frmBrowser::cmdstop_Click);

    setTabOrder(m_view->widget(), m_txtURL);
    setTabOrder(m_txtURL, m_cmdgo);
    setTabOrder(m_cmdgo, m_cmdback);
    setTabOrder(m_cmdback, m_cmdForward);
    setTabOrder(m_cmdForward, m_cmdstop);
}

frmBrowser::~frmBrowser() {
    // The view reports to this window, so it must go while the window is still whole.
    m_txtURL->removeEventFilter(this);
    delete m_view->widget();
    m_view = nullptr;
}

QSize frmBrowser::designedClientSize() {
    return Twips::size(8535, 7410);
}

QString frmBrowser::initialCaption() {
    return QCoreApplication::translate("frmBrowser", "Tagloom Quick Browser");
}

QPushButton* frmBrowser::addButton(const char* name, const QString& caption, int left, int width) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(Twips::rect(left, kRowTop, width, kRowHeight));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void frmBrowser::Form_Load() {
    show();
    const int lossesBefore = m_addressFocusLosses;
    m_txtURL->setFocus(Qt::OtherFocusReason);
    m_cmdgo->setFocus(Qt::OtherFocusReason);
    // A window that is not active yet gets no focus events; the box is left all the same.
    if (m_addressFocusLosses == lossesBefore)
        txtURL_LostFocus();
}

void frmBrowser::txtURL_LostFocus() {
    ++m_addressFocusLosses;
    if (!m_txtURL->text().isEmpty())
        m_view->navigate(m_txtURL->text());
}

void frmBrowser::cmdgo_Click() {
    if (!m_txtURL->text().isEmpty())
        m_view->navigate(m_txtURL->text());
}

void frmBrowser::cmdback_Click() {
    m_view->goBack(); // nothing to go back to is not worth a word
}

void frmBrowser::cmdForward_Click() {
    m_view->goForward();
}

void frmBrowser::cmdstop_Click() {
    m_view->stop();
}

void frmBrowser::Form_Resize() {
    // The view keeps its left offset but takes the whole client width, so its right edge is
    // clipped; a window shorter than the view's top keeps the view's last height.
    QWidget* view = m_view->widget();
    const int top = Twips::toPixels(kViewTop);
    const int height = this->height() - top;
    view->setGeometry(view->x(), top, width(), height >= 0 ? height : view->height());
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmBrowser::keyPressEvent(QKeyEvent* event) {
    // "Go" is the default button: Enter presses it, or the button that has the focus.
    // Keys the page did not want are not ours to take.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    const bool inView =
        focus && (focus == m_view->widget() || m_view->widget()->isAncestorOf(focus));
    const bool modified = (event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != 0;
    if (!enter || inView || modified) {
        QWidget::keyPressEvent(event);
        return;
    }
    auto* button = qobject_cast<QPushButton*>(focus);
    if (button && button->parentWidget() == this)
        button->click();
    else
        m_cmdgo->click();
    event->accept();
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtURL && event->type() == QEvent::FocusOut) {
        // Only focus moving within the window counts: not switching to another program,
        // and not the box's own context menu.
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            break;
        default:
            txtURL_LostFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowser::titleChanged(const QString& title) {
    setWindowTitle(title);
}

void frmBrowser::documentComplete(const QString& address) {
    m_txtURL->setText(address);
}
