// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/secondarywindow.h"

#include "platform/twips.h"
#include "platform/uifonts.h"

#include "kit/entryview.h"
#include "model/catalogue.h"
#include "model/secondarywindows.h"
#include "widgets/bundledpicture.h"
#include "widgets/codebox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>

QStringList SecondaryWindow::names() {
    QStringList names;
    for (const SecondaryWindowDesign& design : SecondaryWindows::all())
        names.append(design.name);
    return names;
}

SecondaryWindow* SecondaryWindow::create(const QString& name, const Catalogue& catalogue,
                                         AppContext* context) {
    const SecondaryWindowDesign* design = SecondaryWindows::find(name);
    if (!design)
        return nullptr;
    return new SecondaryWindow(*design, catalogue.secondaryText(name),
                               catalogue.secondaryNote(name), context);
}

SecondaryWindow::SecondaryWindow(const SecondaryWindowDesign& design, const QString& text,
                                 const QString& note, AppContext* context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(design.name);
    const QString caption = QCoreApplication::translate("SecondaryWindow", design.caption);
    setWindowTitle(caption);
    setFont(UiFonts::normal());
    setFixedSize(Twips::size(design.client.width(), design.client.height()));
    if (design.picture)
        m_background = Widgets::bundledPicture(QStringLiteral(":/assets/backgrounds/viewer.png"));

    if (!design.note.isNull()) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label1"));
        label->setTextFormat(Qt::PlainText);
        label->setText(note);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(UiFonts::normal());
        label->setGeometry(Twips::rect(design.note.x(), design.note.y(), design.note.width(),
                                       design.note.height()));
    }

    auto* box = new CodeBox(this);
    box->setObjectName(QStringLiteral("Text1"));
    box->setFont(UiFonts::normal());
    box->setGeometry(
        Twips::rect(design.text.x(), design.text.y(), design.text.width(), design.text.height()));
    box->setVerticalScrollBarPolicy(design.scrollBar ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    box->setPlainText(text);
    box->setAccessibleName(caption);
    box->setFocus(Qt::OtherFocusReason);

    EntryDocument document;
    document.title = caption;
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
