// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/frmnewtemplate.h"

#include "platform/messageboxes.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "myscripts/myscriptscommands.h"
#include "myscripts/myscriptstransfer.h"
#include "myscripts/slotstore.h"
#include "myscripts/storemessages.h"

#include "kit/appcontext.h"
#include "kit/hubwindow.h"
#include "kit/messagetexts.h"
#include "kit/windowregistry.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

frmNewTemplate::frmNewTemplate(AppContext& context, QWidget* parent)
    : PictureForm(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("frmNewTemplate"));
    setWindowTitle(QString());
    setFixedSize(designedClientSize());
    buildControls();
}

QSize frmNewTemplate::designedClientSize() {
    return Twips::size(5415, 5955);
}

void frmNewTemplate::buildControls() {
    addNameFields();
    addCodeFields();
    addButtons();

    // Tab positions: txtName 0 ... txtSample 5, Check1 6, cmdSave 7, cmdCancel 8, txtEntry 9.
    const QList<QWidget*> order{m_txtName,   m_txtDesc, m_txtHEAD, m_txtBODY,   m_txtOther,
                                m_txtSample, m_check1,  m_cmdSave, m_cmdCancel, m_txtEntry};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
    setFocusProxy(m_txtName);
}

void frmNewTemplate::addNameFields() {
    m_label1 = Widgets::makeLabel(
        this, QStringLiteral("Label1"),
        QCoreApplication::translate("frmNewTemplate",
                                    "Add New Entry____________________________________"),
        Twips::rect(90, 180, 5235, 285), UiFonts::bold());
    Widgets::makeLabel(this, QStringLiteral("Label2"),
                       QCoreApplication::translate("frmNewTemplate", "Entry #:"),
                       Twips::rect(180, 660, 645, 225), UiFonts::normal());

    m_txtEntry = new QLineEdit(this);
    m_txtEntry->setObjectName(QStringLiteral("txtEntry"));
    m_txtEntry->setGeometry(Twips::rect(1920, 600, 645, 285));
    m_txtEntry->setReadOnly(true);
    m_txtEntry->setFont(UiFonts::normal());
    m_txtEntry->setAccessibleName(QCoreApplication::translate("frmNewTemplate", "Entry #"));

    m_check1 = new QCheckBox(QCoreApplication::translate("frmNewTemplate", "Replace?"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setGeometry(Twips::rect(2700, 600, 1035, 255));
    m_check1->setFont(UiFonts::normal());
    m_check1->setAutoFillBackground(true);
    QPalette white = m_check1->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_check1->setPalette(white);

    Widgets::makeLabel(this, QStringLiteral("Label3"),
                       QCoreApplication::translate("frmNewTemplate", "Name of Script:"),
                       Twips::rect(180, 1020, 1185, 225), UiFonts::normal());
    m_txtName = new LimitedLineEdit(NameLimit, this);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setGeometry(Twips::rect(1920, 1020, 3165, 285));
    m_txtName->setAccessibleName(QCoreApplication::translate("frmNewTemplate", "Name of Script"));

    Widgets::makeLabel(this, QStringLiteral("Label4"),
                       QCoreApplication::translate("frmNewTemplate", "Description:"),
                       Twips::rect(180, 1440, 1185, 225), UiFonts::normal());
    m_txtDesc = new LimitedTextEdit(DescriptionLimit, this);
    m_txtDesc->setObjectName(QStringLiteral("txtDesc"));
    m_txtDesc->setGeometry(Twips::rect(1920, 1440, 3165, 765));
    m_txtDesc->setAccessibleName(QCoreApplication::translate("frmNewTemplate", "Description"));
    m_txtDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtDesc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void frmNewTemplate::addCodeFields() {
    Widgets::makeLabel(
        this, QStringLiteral("Label5"),
        QCoreApplication::translate(
            "frmNewTemplate", "Enter any code that should go between the <HEAD></HEAD> tags:"),
        Twips::rect(180, 2340, 4905, 225), UiFonts::normal());
    m_txtHEAD = new LimitedTextEdit(-1, this);
    m_txtHEAD->setObjectName(QStringLiteral("txtHEAD"));
    m_txtHEAD->setGeometry(Twips::rect(180, 2580, 4905, 645));
    m_txtHEAD->setAccessibleName(QCoreApplication::translate(
        "frmNewTemplate", "Enter any code that should go between the <HEAD></HEAD> tags"));
    m_txtHEAD->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtHEAD->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Widgets::makeLabel(
        this, QStringLiteral("Label6"),
        QCoreApplication::translate(
            "frmNewTemplate", "Enter any code that should go between the <BODY></BODY> tags:"),
        Twips::rect(180, 3360, 4905, 225), UiFonts::normal());
    m_txtBODY = new LimitedTextEdit(-1, this);
    m_txtBODY->setObjectName(QStringLiteral("txtBODY"));
    m_txtBODY->setGeometry(Twips::rect(180, 3600, 4905, 645));
    m_txtBODY->setAccessibleName(QCoreApplication::translate(
        "frmNewTemplate", "Enter any code that should go between the <BODY></BODY> tags"));
    m_txtBODY->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtBODY->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Widgets::makeLabel(this, QStringLiteral("Label7"),
                       QCoreApplication::translate("frmNewTemplate", "Other info:"),
                       Twips::rect(180, 4380, 825, 225), UiFonts::normal());
    m_txtOther = new LimitedLineEdit(-1, this);
    m_txtOther->setObjectName(QStringLiteral("txtOther"));
    m_txtOther->setGeometry(Twips::rect(1020, 4380, 4065, 285));
    m_txtOther->setAccessibleName(QCoreApplication::translate("frmNewTemplate", "Other info"));

    Widgets::makeLabel(this, QStringLiteral("Label8"),
                       QCoreApplication::translate("frmNewTemplate", "Sample page (if available):"),
                       Twips::rect(180, 4800, 1905, 225), UiFonts::normal());
    m_txtSample = new LimitedLineEdit(-1, this);
    m_txtSample->setObjectName(QStringLiteral("txtSample"));
    m_txtSample->setGeometry(Twips::rect(2160, 4800, 2925, 285));
    m_txtSample->setAccessibleName(
        QCoreApplication::translate("frmNewTemplate", "Sample page (if available)"));
}

void frmNewTemplate::addButtons() {
    m_cmdCancel = new QPushButton(QCoreApplication::translate("frmNewTemplate", "Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(Twips::rect(2280, 5280, 1395, 315));
    m_cmdCancel->setAutoDefault(false);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmNewTemplate::cmdCancel_Click);

    m_cmdSave = new QPushButton(QCoreApplication::translate("frmNewTemplate", "Save Entry"), this);
    m_cmdSave->setObjectName(QStringLiteral("cmdSave"));
    m_cmdSave->setGeometry(Twips::rect(3660, 5280, 1395, 315));
    m_cmdSave->setAutoDefault(false);
    connect(m_cmdSave, &QPushButton::clicked, this, &frmNewTemplate::cmdSave_Click);

    m_lblSaved = Widgets::makeLabel(this, QStringLiteral("lblSaved"), QString(),
                                    Twips::rect(3660, 5640, 1395, 210), UiFonts::normal());
    m_lblSaved->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Clearing translucency leaves "no system background" set, which paints black.
    m_lblSaved->setAttribute(Qt::WA_TranslucentBackground, false);
    m_lblSaved->setAttribute(Qt::WA_NoSystemBackground, false);
    m_lblSaved->setAutoFillBackground(true);
    QPalette grey = m_lblSaved->palette();
    grey.setColor(QPalette::Window, QColor(224, 224, 224));
    m_lblSaved->setPalette(grey);
}

void frmNewTemplate::Form_Load() {
    // The editor is not on screen yet: the browser window carries any message.
    QWidget* parent = m_context.main;
    SlotStore slotStore(*m_context.store);
    const StoreWriteResult init = slotStore.initialiseSlots();
    bool search = true;
    // One message per opening: a store that could not be opened fails the search as well.
    bool reported = false;
    if (slotStore.readFailed()) {
        search = MyScripts::reportReadFailure(m_context, parent, slotStore.readStatus());
    } else if (!init.ok) {
        MyScripts::reportStoreFailure(
            m_context, parent,
            QCoreApplication::translate("frmNewTemplate",
                                        "Your 'My Scripts' entries cannot be stored at the moment"),
            init);
        reported = true;
    }
    while (search) {
        SlotStore finder(*m_context.store);
        const auto free = finder.findFirstFreeSlot();
        if (!finder.readFailed()) {
            if (free)
                m_txtEntry->setText(QString::number(*free));
            break;
        }
        // Without a number nothing can be saved, so a failed read never leads to a write.
        search = !reported && MyScripts::reportReadFailure(m_context, parent, finder.readStatus());
    }
    m_clean = typedValues();
    m_txtName->setFocus();
}

void frmNewTemplate::showEvent(QShowEvent* event) {
    PictureForm::showEvent(event);
    // The frame gives a new sub-window's focus to its first control, the read-only number;
    // typing right after opening belongs in the name.
    QTimer::singleShot(0, m_txtName, [name = m_txtName] { name->setFocus(Qt::OtherFocusReason); });
}

MyScriptSlot frmNewTemplate::typedValues() const {
    MyScriptSlot values;
    values.name = m_txtName->text();
    values.description = m_txtDesc->value();
    values.head = m_txtHEAD->value();
    values.body = m_txtBODY->value();
    values.other = m_txtOther->text();
    values.site = m_txtSample->text();
    return values;
}

void frmNewTemplate::editSlot(int slot) {
    MyScriptSlot values;
    if (slot > 0) {
        SlotStore reader(*m_context.store);
        values = reader.readSlot(slot);
        if (reader.readFailed()) {
            // Empty boxes saved over the entry would erase it: leave no number to save into.
            MyScripts::reportReadFailure(m_context, m_context.main, reader.readStatus());
            values = MyScriptSlot();
            slot = 0;
        }
    }
    m_txtName->setValue(values.name);
    m_txtEntry->setText(slot > 0 ? QString::number(slot) : QString());
    m_txtDesc->setValue(values.description);
    m_txtHEAD->setValue(values.head);
    m_txtBODY->setValue(values.body);
    m_txtOther->setValue(values.other);
    m_txtSample->setValue(values.site);
    m_clean = typedValues();
}

void frmNewTemplate::cmdSave_Click() {
    const auto refuse = [this](const QString& text) {
        m_context.messages->inform(this, MessageTexts::kWarningTitle, text);
    };

    // Without a number there is no slot to write to; "Slot" alone must never be written.
    bool valid = false;
    const int slot = m_txtEntry->text().toInt(&valid);
    if (!valid) {
        refuse(QCoreApplication::translate(
            "frmNewTemplate", "There is no Entry # to save into.  Close this window and open "
                              "the entry again."));
        return;
    }
    if (slot < 0 || slot > SlotStore::SlotCount) {
        refuse(QCoreApplication::translate("frmNewTemplate",
                                           "Entry # cannot be greater than 30 or less than 0"));
        return;
    }
    const QString name = m_txtName->text();
    if (name.isEmpty()) {
        refuse(QCoreApplication::translate("frmNewTemplate", "Name field cannot be blank"));
        return;
    }
    MyScriptSlot values = typedValues();
    values.number = slot;
    const StoreWriteResult result =
        SlotStore(*m_context.store).saveSlot(values, m_check1->isChecked());
    if (result.declined) {
        refuse(QCoreApplication::translate("frmNewTemplate", "Entry # already in use"));
        return;
    }
    if (!result.ok) {
        // The fields stay as typed so the user can try again.
        MyScripts::reportStoreFailure(
            m_context, this,
            QCoreApplication::translate("frmNewTemplate", "The entry could not be saved"), result);
        return;
    }

    m_clean = values;
    m_context.main->appendRow(name);
    m_lblSaved->setText(QCoreApplication::translate("frmNewTemplate", "Changes Saved!"));
    m_cmdCancel->setText(QCoreApplication::translate("frmNewTemplate", "Close"));
    MyScripts::backupDaily(m_context);
}

void frmNewTemplate::cmdCancel_Click() {
    MyScriptSlot now = typedValues();
    now.number = m_clean.number;
    if (now != m_clean && m_context.messages->askYesNo(
                              this, MessageTexts::kWarningTitle,
                              QCoreApplication::translate(
                                  "frmNewTemplate", "Close without saving? The changes you made "
                                                    "to this entry will be lost."),
                              MessageBoxes::Answer::No) != MessageBoxes::Answer::Yes)
        return;
    WindowRegistry::closeWindow(this);
    MyScripts::refreshList(m_context);
    m_context.windows->show(QStringLiteral("frmMain"));
}
