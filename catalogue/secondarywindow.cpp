// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/secondarywindow.h"

#include "platform/twips.h"
#include "platform/uifonts.h"

#include "kit/entryview.h"
#include "model/catalogue.h"
#include "widgets/codebox.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {

const QString kAdditional = QStringLiteral("frmAdditionalImage6");
const QString kInstructions = QStringLiteral("frmImage7instructions");
const QString kTextover = QStringLiteral("frmTextover");

const QString kTextoverNote = QStringLiteral(
    "You can change the 2nd line to reflect the link's initial state.  The line after that "
    "(Hover) tells your browser to change the decoration of the text and its color!");

struct Design {
    QString caption;
    QSize client;
    bool picture = false;
    QRect text;
    bool scrollBar = true;
};

Design designOf(const QString& name) {
    if (name == kAdditional)
        return {QStringLiteral("Additonal Instructions..."), QSize(6810, 4590), false,
                QRect(180, 180, 6495, 4215), true};
    if (name == kInstructions)
        return {QStringLiteral("Additional Instructions"), QSize(6450, 4890), true,
                QRect(120, 180, 6195, 4575), true};
    return {QStringLiteral("Text MouseOver"), QSize(4635, 2415), true, QRect(180, 1020, 4275, 1155),
            false};
}

} // namespace

QStringList SecondaryWindow::names() {
    return {kAdditional, kInstructions, kTextover};
}

SecondaryWindow* SecondaryWindow::create(const QString& name, const Catalogue* catalogue,
                                         AppContext* context) {
    if (!names().contains(name))
        return nullptr;
    return new SecondaryWindow(name, catalogue ? catalogue->secondaryText(name) : QString(),
                               context);
}

SecondaryWindow::SecondaryWindow(const QString& name, const QString& text, AppContext* context,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    const Design design = designOf(name);
    setObjectName(name);
    setWindowTitle(design.caption);
    setFont(UiFonts::normal());
    setFixedSize(Twips::size(design.client.width(), design.client.height()));
    if (design.picture)
        m_background = QPixmap(QStringLiteral(":/assets/backgrounds/viewer.png"));

    if (name == kTextover) {
        auto* note = new QLabel(this);
        note->setObjectName(QStringLiteral("Label1"));
        note->setTextFormat(Qt::PlainText);
        note->setText(kTextoverNote);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        note->setFont(UiFonts::normal());
        note->setGeometry(Twips::rect(180, 360, 4215, 615));
    }

    auto* box = new CodeBox(this);
    m_text = box;
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setFont(UiFonts::normal());
    m_text->setGeometry(
        Twips::rect(design.text.x(), design.text.y(), design.text.width(), design.text.height()));
    m_text->setVerticalScrollBarPolicy(design.scrollBar ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setTabChangesFocus(true);
    m_text->setPlainText(text);
    m_text->setAccessibleName(design.caption);
    m_text->setFocus(Qt::OtherFocusReason);

    EntryDocument document;
    document.title = design.caption;
    document.blocks.append({QString(), text, true});
    auto* commands = new EntryViewCommands(
        this, context, EntryRef(), [document] { return document; }, context != nullptr);
    commands->addCodeBox(box, 0);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escClose"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void SecondaryWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_background.isNull())
        painter.drawPixmap(0, 0, m_background);
}
