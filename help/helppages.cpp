// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helppages.h"

#include "platform/appfolder.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "kit/appcontext.h"
#include "widgets/bundledpicture.h"
#include "widgets/formparts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTextEdit>

namespace {

const QString kPicture = QStringLiteral(":/assets/backgrounds/help.png");

} // namespace

const QString& frmBegin::helpText() {
    // Hard-wrapped with CR LF like every help text of the program.
    static const QString text = QCoreApplication::translate(
        "frmBegin", "Hello!  Are you really lost and don't know how the heck to add any of\r\n"
                    "these scripts to your page?  Relax: adding them is not as\r\n"
                    "difficult as it seems.  All you need to know is how to edit\r\n"
                    "your page.\r\n"
                    "\r\n"
                    "When the instructions tell you to place a script between the\r\n"
                    "<HEAD> and </HEAD> tags, open your page and view its HTML.\r\n"
                    "Find the <HEAD> tag near the top and the </HEAD> tag a few\r\n"
                    "lines below it.  Click at the end of the <HEAD> line and press\r\n"
                    "Enter to make a blank line, then paste the code on that blank\r\n"
                    "line, between the two tags.  That's it!\r\n"
                    "\r\n"
                    "New in version 2.0: you can add scripts of your own.  Choose\r\n"
                    "\"My Scripts\" in the list box or on the 'Main' menu, then\r\n"
                    "double-click \"Add New Script...\", enter the information and\r\n"
                    "save it.  You can add up to 30 scripts of your own to Tagloom.");
    return text;
}

frmBegin::frmBegin(AppContext& context, QWidget* parent)
    : HelpForm(context, QStringLiteral("frmBegin"), kPicture, parent) {
    m_text1 = new QTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QCoreApplication::translate("frmBegin", "Help for Beginners"));
    m_text1->setGeometry(Twips::rect(210, 420, 4935, 4215));
    m_text1->setFont(UiFonts::normal());
    m_text1->setReadOnly(true);
    m_text1->setAcceptRichText(false);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text1->document()->setDocumentMargin(2);
    QString text = QString(helpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!context.store->location().isEmpty())
        text += QCoreApplication::translate(
                    "frmBegin", "\n\nYour own scripts are kept in %1. Copies of them are kept in "
                                "%2 (the last ten: before Clear All, before an import and once a "
                                "day when you save); 'Main', 'Restore My Scripts from Backup...' "
                                "brings one back.")
                    .arg(QDir::toNativeSeparators(context.store->location()),
                         QDir::toNativeSeparators(context.store->backupFolder()));
    m_text1->setPlainText(text);
    makeBackLabel(QStringLiteral("Label2"));
}

frmProg::frmProg(AppContext& context, QWidget* parent)
    : HelpForm(context, QStringLiteral("frmProg"), kPicture, parent) {
    const QString overview =
        QCoreApplication::translate(
            "frmProg", "This program is very easy to use.  Select a category from the list box, "
                       "then double-click a script in it.  A new window opens with a link to a "
                       "demo page, the code to copy and paste, and detailed instructions on adding "
                       "the script to your page's HTML.  Tagloom also includes Web Elements: small "
                       "icons, bullets and dividers for any web page.  If you run into problems, "
                       "visit the ") +
        Help::kMaker +
        QCoreApplication::translate(
            "frmProg", " message board (its link is on the Tagloom page).\n"
                       "For more detail about the program and the new \"My Scripts\" option, see "
                       "the \"Beginner's Help!\"");
    Widgets::makeLabel(this, QStringLiteral("Label1"), overview, Twips::rect(240, 360, 4875, 3555),
                       UiFonts::font(9.75), Qt::black, true);
    Widgets::makeLabel(this, QStringLiteral("Label2"), QStringLiteral("- ") + Help::kAuthor,
                       Twips::rect(2940, 4080, 2115, 315), UiFonts::font(13.5));
    Widgets::makeLabel(
        this, QStringLiteral("Label3"),
        QCoreApplication::translate(
            "frmProg",
            "Note: Because of the small size of the text boxes, some scripts might generate a "
            "Javascript error.  This is because of the extreme length of a single line of code "
            "within the script.  To get a better view of the script, you might want to view the "
            "sample page and copy the code from there!"),
        Twips::rect(180, 4560, 5055, 855), UiFonts::normal(), Qt::black, true);
    makeBackLabel(QStringLiteral("Label4"));
}

frmHelp::frmHelp(AppContext& context, QWidget* parent)
    : HelpForm(context, QStringLiteral("frmHelp"), kPicture, parent) {
    const QString base = AppFolder::sampleBaseUrl();
    Widgets::makeLabel(this, QStringLiteral("Label1_0"),
                       QCoreApplication::translate("frmHelp", "FAQ Page: "),
                       Twips::rect(870, 2070, 825, 255), UiFonts::normal());

    auto addressBox = [this](const char* name, const QString& text, const QRect& geometry) {
        auto* box = new QLineEdit(text, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(geometry);
        box->setFont(UiFonts::normal());
        box->setCursorPosition(0);
        return box;
    };
    m_text1_1 = addressBox("Text1_1", base + QStringLiteral("/orv/tagloomfaq.htm"),
                           Twips::rect(870, 2280, 3615, 285));
    m_text1_0 = addressBox("Text1_0", base + QStringLiteral("/orv/tagloom.htm"),
                           Twips::rect(870, 2910, 3615, 285));
    m_text1_1->setAccessibleName(QCoreApplication::translate("frmHelp", "FAQ Page"));
    m_text1_0->setAccessibleName(QCoreApplication::translate("frmHelp", "Product info page"));

    Widgets::makeLabel(this, QStringLiteral("Label2"),
                       QCoreApplication::translate(
                           "frmHelp", "Technical Specifications:\nFor Windows 95/98/Me/NT\n"
                                      "RAM: minimum 8MB\nCPU: minimum Pentium 133"),
                       Twips::rect(840, 720, 3015, 1155), UiFonts::normal());
    Widgets::makeLabel(this, QStringLiteral("Label1_1"),
                       QCoreApplication::translate(
                           "frmHelp", "For help and support, post your questions on the message "
                                      "board (link is on Tagloom page) for quickest response.  "
                                      "Alernatively, email ") +
                           Help::kSupportEmail,
                       Twips::rect(870, 3330, 3615, 825), UiFonts::normal(), Qt::black, true);
    Widgets::makeLabel(this, QStringLiteral("Label1_2"),
                       QCoreApplication::translate("frmHelp", "Product info page:"),
                       Twips::rect(870, 2670, 1365, 255), UiFonts::normal());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(Twips::rect(3180, 1020, 480, 480));
    icon->setPixmap(Widgets::bundledPicture(QStringLiteral(":/assets/icon/tagloom-32.png")));
    icon->setAttribute(Qt::WA_TranslucentBackground);

    makeBackLabel(QStringLiteral("Label3"));
    setTabOrder(m_text1_1, m_text1_0);
}

void frmHelp::paintEvent(QPaintEvent* event) {
    HelpForm::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.drawLine(Twips::point(840, 1890), Twips::point(3780, 1890));
}
