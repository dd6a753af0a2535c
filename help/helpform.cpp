// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helpform.h"

#include "platform/twips.h"
#include "platform/uifonts.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/windowregistry.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace Help {

const QColor kDarkBlue(0, 0, 192);
const QColor kFormColour(224, 224, 224);

const QString kMaker = QStringLiteral("Orv Programs");
const QString kAuthor = QStringLiteral("Rowan Orvell");
const QString kAuthorAge = QStringLiteral("17");
const QString kTester = QStringLiteral("Mika Lindqvist");
const QString kSupportEmail = QStringLiteral("help@orv.example");
const QString kSecondEmail = QStringLiteral("orv.support@mail.example");
const QString kOtherProgram = QStringLiteral("Hexmixer");

QString fitAddress(const QString& address, const QFont& font, int width) {
    return QFontMetrics(font).elidedText(address, Qt::ElideMiddle, width);
}

void showMain(AppContext& context) {
    context.windows->show(QStringLiteral("frmMain"));
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
    auto* label = new LinkLabel(QCoreApplication::translate("HelpForm", "<< Back"), this);
    label->setObjectName(name);
    label->setGeometry(Twips::rect(120, 5640, 795, 195));
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
