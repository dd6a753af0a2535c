// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/frmcustom.h"

#include "platform/messageboxes.h"
#include "platform/shellopen.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "myscripts/frmnewtemplate.h"
#include "myscripts/myscriptscommands.h"
#include "myscripts/slotstore.h"
#include "myscripts/storemessages.h"

#include "kit/appcontext.h"
#include "kit/entryview.h"
#include "kit/hubwindow.h"
#include "kit/messagetexts.h"
#include "kit/windowregistry.h"
#include "widgets/linklabel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr TranslatedText kHeadPlacement{
    "frmCustom", QT_TRANSLATE_NOOP("frmCustom", "Enter the following between the <HEAD> and "
                                                "</HEAD> tags of your page:")};
constexpr TranslatedText kBodyPlacement{
    "frmCustom", QT_TRANSLATE_NOOP("frmCustom", "Enter the following between the <BODY> and "
                                                "</BODY> tags of your page:")};

} // namespace

frmCustom::frmCustom(AppContext& context, QWidget* parent)
    : PictureForm(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint)
    , m_context(context) {
    setObjectName(QStringLiteral("frmCustom"));
    setWindowTitle(caption());
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon/tagloom-256.png")));
    setFixedSize(designedClientSize());
    buildControls();
}

QSize frmCustom::designedClientSize() {
    return Twips::size(6420, 5580);
}

QString frmCustom::caption() {
    return QCoreApplication::translate("frmCustom",
                                       "My Scripts!   -Add up to 30 scripts to Tagloom");
}

void frmCustom::buildControls() {
    addDescription();
    addCodeBoxes();
    addLinkAndButtons();
    addCommands();

    // Tab positions: txtHEAD 0, txtBODY 1, txtOther 3, cmdEdit 4, cmdDelete 5 (the rest are
    // labels or disabled), with the sample link before the buttons.
    setTabOrder(m_txtHEAD, m_txtBODY);
    setTabOrder(m_txtBODY, m_txtOther);
    setTabOrder(m_txtOther, m_label2);
    setTabOrder(m_label2, m_cmdEdit);
    setTabOrder(m_cmdEdit, m_cmdDelete);
    setFocusProxy(m_txtHEAD);
}

void frmCustom::addDescription() {
    Widgets::makeLabel(this, QStringLiteral("Label1_0"),
                       QCoreApplication::translate("frmCustom", "Description:"),
                       Twips::rect(300, 240, 1035, 195), UiFonts::bold());
    Widgets::makeLabel(this, QStringLiteral("Label1_3"),
                       QCoreApplication::translate("frmCustom", "Entry #:"),
                       Twips::rect(5400, 105, 615, 195), UiFonts::normal());

    m_txtEntry = new QLineEdit(this);
    m_txtEntry->setObjectName(QStringLiteral("txtEntry"));
    m_txtEntry->setGeometry(Twips::rect(6000, 60, 375, 255));
    m_txtEntry->setReadOnly(true);
    m_txtEntry->setEnabled(false);
    m_txtEntry->setFont(UiFonts::normal());

    m_lblDescription = Widgets::makeLabel(this, QStringLiteral("lblDescription"), QString(),
                                          Twips::rect(600, 540, 5295, 435), UiFonts::normal());
    m_lblDescription->setWordWrap(true);

    Widgets::makeLabel(this, QStringLiteral("Label1_1"),
                       QCoreApplication::translate("frmCustom", "Copy-and-paste Code:"),
                       Twips::rect(300, 1020, 1935, 195), UiFonts::bold());
    Widgets::makeLabel(this, QStringLiteral("Label4_0"), kHeadPlacement,
                       Twips::rect(660, 1320, 5475, 255), UiFonts::normal());
}

void frmCustom::addCodeBoxes() {
    const auto codeBox = [this](const char* name, const QRect& geometry) {
        auto* box = new LimitedTextEdit(-1, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(geometry);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return box;
    };
    m_txtHEAD = codeBox("txtHEAD", Twips::rect(660, 1560, 5355, 1335));

    Widgets::makeLabel(this, QStringLiteral("Label4_1"), kBodyPlacement,
                       Twips::rect(660, 3000, 5475, 255), UiFonts::normal());
    m_txtBODY = codeBox("txtBODY", Twips::rect(660, 3240, 5355, 1155));

    Widgets::makeLabel(this, QStringLiteral("Label4_2"),
                       QCoreApplication::translate("frmCustom", "Other info:"),
                       Twips::rect(660, 4440, 5475, 255), UiFonts::normal());
    m_txtOther = new QLineEdit(this);
    m_txtOther->setObjectName(QStringLiteral("txtOther"));
    m_txtOther->setGeometry(Twips::rect(1500, 4440, 4515, 315));
    m_txtOther->setReadOnly(true);
    m_txtOther->setMaxLength(LimitedLineEdit::NoLimit);
    m_txtOther->setFont(UiFonts::normal());
}

void frmCustom::addLinkAndButtons() {
    Widgets::makeLabel(this, QStringLiteral("Label1_2"),
                       QCoreApplication::translate("frmCustom", "See Demo Page:"),
                       Twips::rect(660, 4860, 1515, 255), UiFonts::bold());
    m_label2 =
        new LinkLabel(QCoreApplication::translate("frmCustom", "click here for sample page!"), this,
                      LinkLabel::Size::Large);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(Twips::rect(1980, 4860, 3495, 375));
    m_label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(m_label2, &LinkLabel::clicked, this, &frmCustom::Label2_Click);
    // Reachable with Tab and opened with Enter or Space like a button.
    m_label2->setFocusPolicy(Qt::StrongFocus);
    m_label2->setAccessibleName(
        QCoreApplication::translate("frmCustom", "click here for sample page!"));

    m_cmdEdit = new QPushButton(QCoreApplication::translate("frmCustom", "&Edit Entry"), this);
    m_cmdEdit->setObjectName(QStringLiteral("cmdEdit"));
    m_cmdEdit->setGeometry(Twips::rect(3240, 5220, 1395, 315));
    m_cmdEdit->setAutoDefault(false);
    connect(m_cmdEdit, &QPushButton::clicked, this, &frmCustom::cmdEdit_Click);

    m_cmdDelete = new QPushButton(QCoreApplication::translate("frmCustom", "&Delete Entry"), this);
    m_cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    m_cmdDelete->setGeometry(Twips::rect(4620, 5220, 1395, 315));
    m_cmdDelete->setAutoDefault(false);
    connect(m_cmdDelete, &QPushButton::clicked, this, &frmCustom::cmdDelete_Click);

    // Nothing to edit or delete until a slot is shown.
    m_cmdEdit->setEnabled(false);
    m_cmdDelete->setEnabled(false);
}

void frmCustom::addCommands() {
    m_txtEntry->setAccessibleName(QCoreApplication::translate("frmCustom", "Entry #"));
    m_txtHEAD->setAccessibleName(kHeadPlacement);
    m_txtBODY->setAccessibleName(kBodyPlacement);
    m_txtOther->setAccessibleName(QCoreApplication::translate("frmCustom", "Other info"));

    m_commands = new EntryViewCommands(this, &m_context, EntryRef(), [this] {
        EntryDocument document;
        document.title = m_entryName;
        document.category = QStringLiteral("My Scripts!");
        document.description = m_lblDescription->text();
        document.blocks.append({kHeadPlacement, m_txtHEAD->value(), true});
        document.blocks.append({kBodyPlacement, m_txtBODY->value(), true});
        return document;
    });
    m_commands->addCodeBox(m_txtHEAD, 0);
    m_commands->addCodeBox(m_txtBODY, 1);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escClose"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmCustom::Form_Load() {
    const QString wanted = m_context.main->selectedRowText();
    SlotStore finder(*m_context.store);
    const auto slot = finder.findSlotByName(wanted);
    if (finder.readFailed()) {
        MyScripts::reportReadFailure(m_context, m_context.main, finder.readStatus());
        return;
    }
    if (slot) {
        m_entrySlot = *slot;
        ShowEntry();
    }
}

void frmCustom::ShowEntry() {
    SlotStore reader(*m_context.store);
    const MyScriptSlot values = reader.readSlot(m_entrySlot);
    if (reader.readFailed()) {
        // Nothing half-read is shown, and Edit and Delete stay off.
        m_entrySlot = 0;
        MyScripts::reportReadFailure(m_context, m_context.main, reader.readStatus());
        return;
    }
    m_entrySite = values.site;
    m_entryName = values.name;
    m_commands->setEntry(EntryRef::myScript(m_entrySlot));
    m_label2->setAccessibleName(
        m_entrySite.isEmpty()
            ? QCoreApplication::translate("frmCustom", "click here for sample page! (no address)")
            : QCoreApplication::translate("frmCustom", "click here for sample page! (opens %1)")
                  .arg(m_entrySite));
    m_txtEntry->setText(QString::number(m_entrySlot));
    m_lblDescription->setText(values.description);
    m_txtHEAD->setValue(values.head);
    m_txtBODY->setValue(values.body);
    m_txtOther->setText(values.other);
    m_cmdEdit->setEnabled(true);
    m_cmdDelete->setEnabled(true);
}

void frmCustom::finishAndShowList() {
    MyScripts::refreshList(m_context);
    m_context.windows->show(QStringLiteral("frmMain"));
}

void frmCustom::cmdEdit_Click() {
    if (m_entrySlot <= 0)
        return;
    auto* editor =
        qobject_cast<frmNewTemplate*>(m_context.windows->show(QStringLiteral("frmNewTemplate")));
    if (!editor)
        return;
    WindowRegistry::hideWindow(this);
    editor->editSlot(m_entrySlot);
    WindowRegistry::closeWindow(this);
    finishAndShowList();
    // The user asked to edit: the editor ends in front of the list it covers.
    WindowRegistry::raiseWindow(editor);
    editor->window()->activateWindow();
    editor->setFocus();
}

void frmCustom::cmdDelete_Click() {
    if (m_entrySlot <= 0)
        return;
    if (m_context.messages->askYesNo(
            this, MessageTexts::kWarningTitle,
            QCoreApplication::translate("frmCustom", "Are you sure you want to delete this entry?"),
            MessageBoxes::Answer::Yes) == MessageBoxes::Answer::No)
        return;
    const StoreWriteResult result = SlotStore(*m_context.store).clearSlot(m_entrySlot);
    if (!result.ok) {
        MyScripts::reportStoreFailure(
            m_context, this,
            QCoreApplication::translate("frmCustom", "The entry could not be deleted"), result);
        return;
    }
    WindowRegistry::closeWindow(this);
    finishAndShowList();
}

void frmCustom::Label2_Click() {
    // An empty address would have the desktop open whatever it likes; there is nothing to show.
    if (m_entrySite.isEmpty()) {
        if (m_entrySlot > 0)
            m_context.messages->inform(
                this, caption(),
                QCoreApplication::translate("frmCustom", "No sample page is set for this entry. "
                                                         "Choose Edit Entry to add its address."),
                MessageBoxes::Icon::Information);
        return;
    }
    m_context.shell->open(m_entrySite, this);
}
