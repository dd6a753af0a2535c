// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helpform.h"

#include "platform/twips.h"
#include "platform/uifonts.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/windowregistry.h"

#include <QMouseEvent>
#include <QPainter>

namespace Help {

const QColor kBlue(0, 0, 255);
const QColor kDarkBlue(0, 0, 192);
const QColor kFormColour(224, 224, 224);

const QString kMaker = QStringLiteral("Orv Programs");
const QString kAuthor = QStringLiteral("Rowan Orvell");
const QString kAuthorAge = QStringLiteral("17");
const QString kTester = QStringLiteral("Mika Lindqvist");
const QString kSupportEmail = QStringLiteral("help@orv.example");
const QString kSecondEmail = QStringLiteral("orv.support@mail.example");
const QString kOtherProgram = QStringLiteral("Hexmixer");

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QString fitAddress(const QString& address, const QFont& font, int width) {
    return QFontMetrics(font).elidedText(address, Qt::ElideMiddle, width);
}

void showMain(AppContext& context) {
    if (context.windows)
        context.windows->show(QStringLiteral("frmMain"));
    else if (context.main)
        WindowRegistry::raiseWindow(context.main);
}

} // namespace Help

HelpForm::HelpForm(AppContext& context, const QString& name, const QString& picture,
                   QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_picture(picture.isEmpty() ? QPixmap() : QPixmap(picture)) {
    setObjectName(name);
    setFixedSize(designedClientSize());
    setFont(UiFonts::normal());
    setAutoFillBackground(false);
}

QSize HelpForm::designedClientSize() {
    return Twips::size(5415, 5955);
}

void HelpForm::Form_Load() {
    // The registry puts the frame child's wrapper at the frame's top-left corner.
    move(0, 0);
}

LinkLabel* HelpForm::makeBackLabel(const QString& name) {
    auto* label = new LinkLabel(QStringLiteral("<< Back"), this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(Twips::rect(120, 5640, 795, 195));
    label->setFont(UiFonts::bold());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setCursor(Qt::PointingHandCursor);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Help::kBlue);
    label->setPalette(palette);
    connect(label, &LinkLabel::clicked, this, &HelpForm::backClicked);
    return label;
}

void HelpForm::backClicked() {
    WindowRegistry::hideWindow(this);
    Help::showMain(m_context);
}

void HelpForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Help::kFormColour);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}
