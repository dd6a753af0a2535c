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
#include "kit/windowregistry.h"

#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

using MyScripts::makeLabel;

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
    return QStringLiteral("My Scripts!   -Add up to 30 scripts to Tagloom");
}

void frmCustom::buildControls() {
    makeLabel(this, "Label1_0", QStringLiteral("Description:"), Twips::rect(300, 240, 1035, 195),
              true);
    makeLabel(this, "Label1_3", QStringLiteral("Entry #:"), Twips::rect(5400, 105, 615, 195));

    m_txtEntry = new QLineEdit(this);
    m_txtEntry->setObjectName(QStringLiteral("txtEntry"));
    m_txtEntry->setGeometry(Twips::rect(6000, 60, 375, 255));
    m_txtEntry->setReadOnly(true);
    m_txtEntry->setEnabled(false);
    m_txtEntry->setFont(UiFonts::normal());

    m_lblDescription =
        makeLabel(this, "lblDescription", QString(), Twips::rect(600, 540, 5295, 435));
    m_lblDescription->setWordWrap(true);

    makeLabel(this, "Label1_1", QStringLiteral("Copy-and-paste Code:"),
              Twips::rect(300, 1020, 1935, 195), true);
    const QString headPlacement =
        QStringLiteral("Enter the following between the <HEAD> and </HEAD> tags of your page:");
    const QString bodyPlacement =
        QStringLiteral("Enter the following between the <BODY> and </BODY> tags of your page:");
    makeLabel(this, "Label4_0", headPlacement, Twips::rect(660, 1320, 5475, 255));

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

    makeLabel(this, "Label4_1", bodyPlacement, Twips::rect(660, 3000, 5475, 255));
    m_txtBODY = codeBox("txtBODY", Twips::rect(660, 3240, 5355, 1155));

    makeLabel(this, "Label4_2", QStringLiteral("Other info:"), Twips::rect(660, 4440, 5475, 255));
    m_txtOther = new QLineEdit(this);
    m_txtOther->setObjectName(QStringLiteral("txtOther"));
    m_txtOther->setGeometry(Twips::rect(1500, 4440, 4515, 315));
    m_txtOther->setReadOnly(true);
    m_txtOther->setMaxLength(LimitedLineEdit::NoLimit);
    m_txtOther->setFont(UiFonts::normal());

    makeLabel(this, "Label1_2", QStringLiteral("See Demo Page:"), Twips::rect(660, 4860, 1515, 255),
              true);
    m_label2 = makeLabel(this, "Label2", QStringLiteral("click here for sample page!"),
                         Twips::rect(1980, 4860, 3495, 375));
    m_label2->setFont(UiFonts::link());
    m_label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette blue = m_label2->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_label2->setPalette(blue);
    m_label2->setCursor(Qt::PointingHandCursor);
    m_label2->installEventFilter(this);
    // Reachable with Tab and opened with Enter or Space like a button.
    m_label2->setFocusPolicy(Qt::StrongFocus);
    m_label2->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted black; }"));
    m_label2->setAccessibleName(QStringLiteral("click here for sample page!"));

    m_cmdEdit = new QPushButton(QStringLiteral("&Edit Entry"), this);
    m_cmdEdit->setObjectName(QStringLiteral("cmdEdit"));
    m_cmdEdit->setGeometry(Twips::rect(3240, 5220, 1395, 315));
    m_cmdEdit->setAutoDefault(false);
    connect(m_cmdEdit, &QPushButton::clicked, this, &frmCustom::cmdEdit_Click);

    m_cmdDelete = new QPushButton(QStringLiteral("&Delete Entry"), this);
    m_cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    m_cmdDelete->setGeometry(Twips::rect(4620, 5220, 1395, 315));
    m_cmdDelete->setAutoDefault(false);
    connect(m_cmdDelete, &QPushButton::clicked, this, &frmCustom::cmdDelete_Click);

    // Nothing to edit or delete until a slot is shown.
    m_cmdEdit->setEnabled(false);
    m_cmdDelete->setEnabled(false);

    // Tab positions: txtHEAD 0, txtBODY 1, txtOther 3, cmdEdit 4, cmdDelete 5 (the rest are
    // labels or disabled).
    setTabOrder(m_txtHEAD, m_txtBODY);
    setTabOrder(m_txtBODY, m_txtOther);
    setTabOrder(m_txtOther, m_label2);
    setTabOrder(m_label2, m_cmdEdit);
    setTabOrder(m_cmdEdit, m_cmdDelete);
    setFocusProxy(m_txtHEAD);

    m_txtEntry->setAccessibleName(QStringLiteral("Entry #"));
    m_txtHEAD->setAccessibleName(headPlacement);
    m_txtBODY->setAccessibleName(bodyPlacement);
    m_txtOther->setAccessibleName(QStringLiteral("Other info"));

    m_commands =
        new EntryViewCommands(this, &m_context, EntryRef(), [this, headPlacement, bodyPlacement] {
            EntryDocument document;
            document.title = m_entryName;
            document.category = QStringLiteral("My Scripts!");
            document.description = m_lblDescription->text();
            document.blocks.append({headPlacement, m_txtHEAD->value(), true});
            document.blocks.append({bodyPlacement, m_txtBODY->value(), true});
            return document;
        });
    m_commands->addCodeBox(m_txtHEAD, 0);
    m_commands->addCodeBox(m_txtBODY, 1);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escClose"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmCustom::Form_Load() {
    if (!m_context.store)
        return;
    const QString wanted = m_context.main ? m_context.main->selectedRowText() : QString();
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
            ? QStringLiteral("click here for sample page! (no address)")
            : QStringLiteral("click here for sample page! (opens %1)").arg(m_entrySite));
    m_txtEntry->setText(QString::number(m_entrySlot));
    m_lblDescription->setText(values.description);
    m_txtHEAD->setValue(values.head);
    m_txtBODY->setValue(values.body);
    m_txtOther->setText(values.other);
    m_cmdEdit->setEnabled(true);
    m_cmdDelete->setEnabled(true);
}

QString frmCustom::entryText() const {
    return m_txtEntry->text();
}

void frmCustom::finishAndShowList() {
    if (m_context.main) {
        MyScripts::refreshList(m_context);
        if (m_context.windows)
            m_context.windows->show(QStringLiteral("frmMain"));
    }
}

void frmCustom::cmdEdit_Click() {
    if (m_entrySlot <= 0 || !m_context.windows)
        return;
    auto* editor =
        qobject_cast<frmNewTemplate*>(m_context.windows->show(QStringLiteral("frmNewTemplate")));
    if (!editor)
        return;
    editor->EditEntry(this);
    WindowRegistry::closeWindow(this);
    finishAndShowList();
    // The user asked to edit: the editor ends in front of the list it covers.
    WindowRegistry::raiseWindow(editor);
    editor->window()->activateWindow();
    editor->setFocus();
}

void frmCustom::cmdDelete_Click() {
    if (m_entrySlot <= 0 || !m_context.store || !m_context.messages)
        return;
    if (m_context.messages->askYesNo(this, MyScripts::kWarningTitle,
                                     QStringLiteral("Are you sure you want to delete this entry?"),
                                     MessageBoxes::Answer::Yes) == MessageBoxes::Answer::No)
        return;
    const StoreWriteResult result = SlotStore(*m_context.store).clearSlot(m_entrySlot);
    if (!result.ok) {
        MyScripts::reportStoreFailure(m_context, this,
                                      QStringLiteral("The entry could not be deleted"), result);
        return;
    }
    WindowRegistry::closeWindow(this);
    finishAndShowList();
}

void frmCustom::Label2_Click() {
    // An empty address would have the desktop open whatever it likes; there is nothing to show.
    if (m_entrySite.isEmpty()) {
        if (m_entrySlot > 0 && m_context.messages)
            m_context.messages->inform(this, caption(),
                                       QStringLiteral("No sample page is set for this entry. "
                                                      "Choose Edit Entry to add its address."),
                                       MessageBoxes::Icon::Information);
        return;
    }
    if (!m_context.shell)
        return;
    m_context.shell->open(m_entrySite, this);
}

bool frmCustom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label2_Click();
        return true;
    }
    if (watched == m_label2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Label2_Click();
            return true;
        }
    }
    return PictureForm::eventFilter(watched, event);
}
