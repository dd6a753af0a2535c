// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/largeview.h"

#include "platform/settingsstore.h"

#include "kit/appcontext.h"
#include "kit/entryview.h"
#include "kit/windowplacement.h"
#include "widgets/codebox.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("LargeView");
const QString kSizeKey = QStringLiteral("Size");

QSize parseSize(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return {};
    bool okWidth = false;
    bool okHeight = false;
    const QSize size(parts.at(0).toInt(&okWidth), parts.at(1).toInt(&okHeight));
    if (!okWidth || !okHeight || size.width() < 200 || size.height() < 150 ||
        size.width() > 10000 || size.height() > 10000)
        return {};
    return size;
}

// A box as tall as its text: no vertical scrolling, long lines scroll sideways.
void fitToText(CodeBox* box) {
    const QFontMetrics metrics(box->font());
    const int lines = std::max(1, box->document()->blockCount());
    const int margins = int(box->document()->documentMargin() * 2) + box->frameWidth() * 2;
    const int scrollBar = box->horizontalScrollBar()->sizeHint().height();
    box->setFixedHeight(lines * metrics.lineSpacing() + margins + scrollBar + 2);
}

} // namespace

LargeView::LargeView(const EntryDocument& document, AppContext* context, const EntryRef& entry,
                     QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context) {
    setObjectName(QStringLiteral("LargeView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document.title);
    setAccessibleName(document.title);

    m_commands = new EntryViewCommands(
        this, context, entry, [document] { return document; }, false);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollContent"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);
    column->setSpacing(6);

    auto* title = new QLabel(document.title, content);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    column->addWidget(title);

    auto* description = new QLabel(document.description, content);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(description);

    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setStyleHint(QFont::Monospace);
    mono.setFixedPitch(true);
    for (int i = 0; i < document.blocks.size(); ++i) {
        const EntryDocument::Block& block = document.blocks.at(i);
        if (!block.placement.isEmpty()) {
            auto* placement = new QLabel(block.placement, content);
            placement->setObjectName(QStringLiteral("lblPlacement_%1").arg(i));
            placement->setTextFormat(Qt::PlainText);
            placement->setWordWrap(true);
            QFont bold = placement->font();
            bold.setBold(true);
            placement->setFont(bold);
            column->addSpacing(6);
            column->addWidget(placement);
        }
        if (!block.hasCode)
            continue;
        auto* box = new CodeBox(content);
        box->setObjectName(QStringLiteral("txtCode_%1").arg(m_codeBoxes.size()));
        box->setAccessibleName(block.placement.isEmpty()
                                   ? QCoreApplication::translate("LargeView", "Code")
                                   : block.placement);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFont(mono);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        box->setPlainText(block.code);
        fitToText(box);
        m_commands->addCodeBox(box, i);
        m_codeBoxes.append(box);
        column->addWidget(box);
    }
    column->addStretch(1);
    scroll->setWidget(content);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    QSize size = defaultSize();
    if (m_context) {
        const QSize saved = parseSize(m_context->store->read(kSection, kSizeKey));
        if (saved.isValid())
            size = saved;
    }
    resize(size);
    WindowPlacement::centreOnScreen(this);

    // Remember the size once a resize has settled, not at every step of a drag.
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(600);
    connect(&m_saveTimer, &QTimer::timeout, this, &LargeView::saveSize);
    if (!m_codeBoxes.isEmpty())
        m_codeBoxes.first()->setFocus(Qt::OtherFocusReason);
}

void LargeView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible())
        m_saveTimer.start();
}

void LargeView::closeEvent(QCloseEvent* event) {
    if (m_saveTimer.isActive()) {
        m_saveTimer.stop();
        saveSize();
    }
    QWidget::closeEvent(event);
}

void LargeView::saveSize() {
    // A maximised window's size says nothing about the size the user chose.
    if (!m_context || isMaximized() || isFullScreen())
        return;
    const QString value = QStringLiteral("%1x%2").arg(width()).arg(height());
    if (m_context->store->read(kSection, kSizeKey) != value)
        m_context->store->write(kSection, kSizeKey, value);
}
