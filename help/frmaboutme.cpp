// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmaboutme.h"

#include "platform/twips.h"
#include "platform/uifonts.h"

#include "kit/windowregistry.h"
#include "widgets/formparts.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

struct Release {
    int top;
    const char* label;
    const char* date;
};

constexpr Release kReleases[] = {
    {330, QT_TRANSLATE_NOOP("frmAboutMe", "v1.0 Released:"),
     QT_TRANSLATE_NOOP("frmAboutMe", "25 September, 2000")},
    {630, QT_TRANSLATE_NOOP("frmAboutMe", "v1.5 Released:"),
     QT_TRANSLATE_NOOP("frmAboutMe", "26 October, 2000")},
    {930, QT_TRANSLATE_NOOP("frmAboutMe", "v1.6 Released:"),
     QT_TRANSLATE_NOOP("frmAboutMe", "22 November, 2000")},
    {1470, QT_TRANSLATE_NOOP("frmAboutMe", "v1.8 Released:"),
     QT_TRANSLATE_NOOP("frmAboutMe", "1 February, 2001")},
    {3270, QT_TRANSLATE_NOOP("frmAboutMe", "v2.0 Released:"),
     QT_TRANSLATE_NOOP("frmAboutMe", "1 September, 2001")},
};

} // namespace

frmAboutMe::frmAboutMe(AppContext& context, QWidget* parent)
    : HelpForm(context, QStringLiteral("frmAboutMe"),
               QStringLiteral(":/assets/backgrounds/help.png"), parent) {
    int index = 0;
    for (const Release& release : kReleases) {
        Widgets::makeLabel(this, QStringLiteral("Label4_%1").arg(index),
                           QCoreApplication::translate("frmAboutMe", release.label),
                           Twips::rect(300, release.top, 1395, 255), UiFonts::bold());
        Widgets::makeLabel(this, QStringLiteral("Label9_%1").arg(index),
                           QCoreApplication::translate("frmAboutMe", release.date),
                           Twips::rect(1740, release.top, 2415, 255), UiFonts::normal(),
                           Help::kDarkBlue);
        ++index;
    }
    Widgets::makeLabel(
        this, QStringLiteral("Label1_0"),
        QCoreApplication::translate(
            "frmAboutMe",
            "v1.6 proved to be very popular with over 30,000 downloads!  It was time to "
            "reward users with a better version.  v1.8 has had some visual changes, "
            "which can be seen from the main window.  50 more scripts have been added "
            "and a brand new section which includes dozens of cool icons and graphics "
            "has also been included!  Note: New scripts are marked with a"),
        Twips::rect(300, 1860, 4575, 1215), UiFonts::normal(), Qt::black, true);
    Widgets::makeLabel(this, QStringLiteral("Label2"), QStringLiteral("*"),
                       Twips::rect(3660, 2820, 195, 255), UiFonts::font(9.75, true));
    Widgets::makeLabel(
        this, QStringLiteral("Label1_3"),
        QCoreApplication::translate(
            "frmAboutMe",
            "After 80,000 downloads of Tagloom, it was time for yet another update.  "
            "Version 2.0 adds the ability to add your own scripts with the new 'My "
            "Scripts' option!  The whole interface of the program has been changed to "
            "make it easier for the user to navigate and use.  Finally, the program now "
            "allows the user to change the background of the main window to one of "
            "several choices."),
        Twips::rect(240, 3660, 4575, 1215), UiFonts::normal(), Qt::black, true);
    makeBackLabel(QStringLiteral("Label5"));
}

void frmAboutMe::backClicked() {
    // This window shows frmMain first and then steps aside.
    Help::showMain(m_context);
    WindowRegistry::hideWindow(this);
}

void frmAboutMe::paintEvent(QPaintEvent* event) {
    HelpForm::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    for (const int y : {1710, 3510})
        painter.drawLine(Twips::point(300, y), Twips::point(5160, y));
}
