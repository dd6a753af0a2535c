// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmabout.h"

#include "platform/appfolder.h"
#include "platform/shellopen.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "help/artwork.h"
#include "help/sysinfo.h"

#include "kit/appcontext.h"
#include "kit/windowregistry.h"
#include "widgets/bundledpicture.h"
#include "widgets/formparts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

frmAbout::frmAbout(AppContext& context, QWidget* parent)
    : HelpForm(context, QStringLiteral("frmAbout"), QString(), parent) {
    const QString base = AppFolder::sampleBaseUrl();
    addHeader(base);
    addContacts(base);
    addButtons();
    QWidget* programs = addThanks(base);
    makeBackLabel(QStringLiteral("Label2"));

    setTabOrder(m_cmdOK, m_cmdSysInfo);
    setTabOrder(m_cmdSysInfo, programs);
}

void frmAbout::addHeader(const QString& base) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(Twips::rect(180, 240, 555, 495));
    picture->setPixmap(Widgets::bundledPicture(QStringLiteral(":/assets/icon/tagloom-32.png")));
    picture->setAlignment(Qt::AlignCenter);

    Widgets::makeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Tagloom v2.0 -Rev 1101"),
                       Twips::rect(900, 180, 3885, 240), UiFonts::normal());
    Widgets::makeLabel(this, QStringLiteral("lblVersion"),
                       QCoreApplication::translate("frmAbout", "Written by ") + Help::kAuthor,
                       Twips::rect(900, 420, 2295, 225), UiFonts::normal());
    Widgets::makeLabel(this, QStringLiteral("Label3"),
                       QCoreApplication::translate("frmAbout", "Age:"),
                       Twips::rect(3480, 390, 375, 195), UiFonts::bold());
    Widgets::makeLabel(this, QStringLiteral("Label8"), Help::kAuthorAge,
                       Twips::rect(3960, 390, 255, 255), UiFonts::normal(), Help::kDarkBlue);

    const QRect linkRect = Twips::rect(900, 690, 2355, 255);
    auto* link = new LinkLabel(Help::fitAddress(base, UiFonts::bold(), linkRect.width()), this);
    link->setObjectName(QStringLiteral("Label10"));
    link->setGeometry(linkRect);
    link->setToolTip(base);
    link->setCursor(HelpArtwork::linkCursor());
    connect(link, &LinkLabel::clicked, this, &frmAbout::Label10_Click);
}

void frmAbout::addContacts(const QString& base) {
    auto* contacts = new QGroupBox(QCoreApplication::translate("frmAbout", "Contacts"), this);
    contacts->setObjectName(QStringLiteral("FrameCont"));
    contacts->setGeometry(Twips::rect(900, 1020, 4335, 1275));
    contacts->setFont(UiFonts::normal());
    // A classic frame: the caption sits on the top edge, which runs level with its middle.
    contacts->setStyleSheet(QStringLiteral(
        "QGroupBox#FrameCont { border: 1px solid rgb(128,128,128); margin-top: 6px; }"
        "QGroupBox#FrameCont::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    const QRect descriptionRect = Twips::rect(120, 180, 4185, 990);
    const auto fit = [&](const QString& prefix, const QString& address) {
        const int room =
            descriptionRect.width() - QFontMetrics(UiFonts::normal()).horizontalAdvance(prefix) - 2;
        return prefix + Help::fitAddress(address, UiFonts::normal(), room);
    };
    QLabel* description = Widgets::makeLabel(
        contacts, QStringLiteral("lblDescription"),
        QStringList{QCoreApplication::translate("frmAbout", "Email: ") + Help::kSupportEmail +
                        QCoreApplication::translate("frmAbout", " -or- ") + Help::kSecondEmail,
                    fit(QCoreApplication::translate("frmAbout", "Web site: "), base),
                    fit(QCoreApplication::translate("frmAbout", "Software Page: "),
                        base + QStringLiteral("/orv")),
                    QCoreApplication::translate("frmAbout",
                                                "Join Mailing List directly from the web site!")}
            .join(QLatin1Char('\n')),
        descriptionRect, UiFonts::normal());
    description->setToolTip(base);
}

void frmAbout::addButtons() {
    Widgets::makeLabel(this, QStringLiteral("lblDisclaimer"), QString(),
                       Twips::rect(255, 2625, 1890, 225), UiFonts::normal());

    m_cmdOK = new QPushButton(QCoreApplication::translate("frmAbout", "OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(Twips::rect(3960, 2625, 1260, 345));
    m_cmdOK->setFont(UiFonts::normal());
    m_cmdOK->setDefault(true);
    // Enter presses whichever button has the focus; elsewhere it and Esc press OK.
    m_cmdOK->setAutoDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    m_cmdSysInfo =
        new QPushButton(QCoreApplication::translate("frmAbout", "&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_cmdSysInfo->setGeometry(Twips::rect(3960, 3075, 1245, 345));
    m_cmdSysInfo->setFont(UiFonts::normal());
    m_cmdSysInfo->setAutoDefault(true);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

QWidget* frmAbout::addThanks(const QString& base) {
    Widgets::makeLabel(this, QStringLiteral("Label6"),
                       QCoreApplication::translate("frmAbout", "Thanks to:"),
                       Twips::rect(270, 2970, 1035, 255), UiFonts::bold());
    Widgets::makeLabel(this, QStringLiteral("Label11_0"),
                       Help::kTester +
                           QCoreApplication::translate("frmAbout", " -For testing the program."),
                       Twips::rect(480, 3240, 3315, 225), UiFonts::normal(), Help::kDarkBlue);
    Widgets::makeLabel(this, QStringLiteral("Label1"),
                       QCoreApplication::translate("frmAbout", "Need web colours? Try ") +
                           Help::kOtherProgram +
                           QCoreApplication::translate("frmAbout", ", our colour mixer!"),
                       Twips::rect(180, 3720, 1455, 975), UiFonts::normal(), Qt::black, true);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setGeometry(Twips::rect(1560, 3900, 3750, 750));
    banner->setPixmap(HelpArtwork::banner());
    banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* programs = new QLineEdit(base + QStringLiteral("/orv/index.htm"), this);
    programs->setObjectName(QStringLiteral("Text1"));
    programs->setAccessibleName(QCoreApplication::translate("frmAbout", "Our other programs"));
    programs->setGeometry(Twips::rect(180, 4740, 5055, 315));
    programs->setFont(UiFonts::normal());
    programs->setCursorPosition(0);
    return programs;
}

void frmAbout::showEvent(QShowEvent* event) {
    HelpForm::showEvent(event);
    if (!property("shownOnce").toBool()) {
        setProperty("shownOnce", true);
        m_cmdOK->setFocus(Qt::OtherFocusReason);
    }
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((enter && event->modifiers() == Qt::NoModifier) || event->key() == Qt::Key_Escape) {
        m_cmdOK->click();
        return;
    }
    HelpForm::keyPressEvent(event);
}

void frmAbout::cmdOK_Click() {
    // Unloads without showing frmMain: whatever lies beneath comes into view. The frame would
    // otherwise activate its children in creation order, which brings frmMain forward.
    QPointer<QMdiSubWindow> beneath;
    if (QMdiSubWindow* own = WindowRegistry::subWindowOf(this)) {
        if (QMdiArea* area = own->mdiArea()) {
            const auto stack = area->subWindowList(QMdiArea::StackingOrder);
            for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
                if (*it != own && (*it)->isVisible()) {
                    beneath = *it;
                    break;
                }
            }
        }
    }
    WindowRegistry::closeWindow(this);
    if (beneath && beneath->mdiArea())
        beneath->mdiArea()->setActiveSubWindow(beneath);
}

void frmAbout::Label10_Click() {
    m_context.shell->open(AppFolder::sampleBaseUrl() + QStringLiteral("/index.html"), this);
}

void frmAbout::StartSysInfo() {
    SysInfo::Services services;
    services.registry = m_context.systemRegistry;
    services.launcher = m_context.launcher;
    services.messages = m_context.messages;
    SysInfo::StartSysInfo(services, this);
}

bool frmAbout::GetKeyValue(SystemRegistry::Root root, const QString& keyPath,
                           const QString& valueName, QString& text) {
    return SysInfo::GetKeyValue(*m_context.systemRegistry, root, keyPath, valueName, text);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    HelpForm::paintEvent(event);
    QPainter painter(this);
    // Two etched rules: grey with white one pixel below.
    for (const int y : {2400, 3600}) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(Twips::point(120, y), Twips::point(5220, y));
        painter.setPen(Qt::white);
        painter.drawLine(Twips::point(120, y + 15), Twips::point(5220, y + 15));
    }
}
