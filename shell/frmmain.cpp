// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmmain.h"

#include "platform/messageboxes.h"
#include "platform/twips.h"

#include "kit/appcontext.h"
#include "kit/applifecycle.h"
#include "kit/messagetexts.h"
#include "kit/services.h"
#include "kit/windowregistry.h"
#include "model/catalogueindex.h"
#include "widgets/bundledpicture.h"
#include "widgets/buttonstyle.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

frmMain::frmMain(AppContext& context, QWidget* parent)
    : HubWindow(parent)
    , m_context(context)
    , m_skin(Widgets::bundledPicture(QStringLiteral(":/assets/skins/skin1.png"))) {
    setObjectName(QStringLiteral("frmMain"));
    setAccessibleName(QCoreApplication::translate("frmMain", "Scripts by category"));
    setFixedSize(designedClientSize());
    setAutoFillBackground(false);
    buildControls();
    buildMenus();
}

QSize frmMain::designedClientSize() {
    return Twips::size(5385, 5685);
}

void frmMain::buildControls() {
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(Twips::rect(1500, 240, 2235, 750));
    m_image1->setPixmap(Widgets::bundledPicture(QStringLiteral(":/assets/logo.png")));
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(Twips::rect(660, 1140, 4035, 2205));
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setSortingEnabled(false);
    m_list1->setUniformItemSizes(true);
    m_list1->viewport()->installEventFilter(this);
    m_list1->installEventFilter(this);
    m_list1->setAccessibleName(QCoreApplication::translate("frmMain", "Scripts"));

    m_cmbCategories = new QComboBox(this);
    m_cmbCategories->setObjectName(QStringLiteral("CmbCategories"));
    m_cmbCategories->setGeometry(Twips::rect(660, 3420, 4035, 315));
    m_cmbCategories->setEditable(false);
    m_cmbCategories->setMaxVisibleItems(17);
    // The style sheet for the white box also reaches the open list, whose highlighted row
    // then lost its text; the list gets its own readable colours.
    m_cmbCategories->setStyleSheet(
        QStringLiteral("QComboBox { background: white; }"
                       "QComboBox QAbstractItemView { background: white; color: black;"
                       " selection-background-color: rgb(0,0,128); selection-color: white; }"));
    m_cmbCategories->setAccessibleName(QCoreApplication::translate("frmMain", "Categories"));
    for (int i = 0; i < CatalogueIndex::categoryCount(); ++i)
        m_cmbCategories->addItem(CatalogueIndex::category(i).caption);
    m_cmbCategories->setCurrentIndex(-1);
    connect(m_cmbCategories, &QComboBox::currentIndexChanged, this, &frmMain::CmbCategories_Click);

    m_command1 = new QPushButton(
        QCoreApplication::translate("frmMain", "Cool Web Elements For Your Web Site!"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(Twips::rect(660, 3960, 4005, 315));
    m_command1->setStyleSheet(ButtonStyle::classicGrey());
    connect(m_command1, &QPushButton::clicked, this, &frmMain::Command1_Click);

    m_cmdbrowser =
        new QPushButton(QCoreApplication::translate("frmMain", "Tagloom Quick Web Browser"), this);
    m_cmdbrowser->setObjectName(QStringLiteral("cmdbrowser"));
    m_cmdbrowser->setGeometry(Twips::rect(660, 4320, 4005, 315));
    m_cmdbrowser->setStyleSheet(ButtonStyle::classicGrey());
    connect(m_cmdbrowser, &QPushButton::clicked, this, &frmMain::cmdbrowser_Click);

    m_label1 = new QLabel(QStringLiteral("v2.0"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(Twips::rect(60, 5400, 315, 195));
    m_label1->setAttribute(Qt::WA_TranslucentBackground);
    m_label1->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(128,128,128); background: transparent; }"));

    // Tab positions: List1 0, CmbCategories 1, cmdbrowser 2, Command1 4.
    setTabOrder(m_list1, m_cmbCategories);
    setTabOrder(m_cmbCategories, m_cmdbrowser);
    setTabOrder(m_cmdbrowser, m_command1);
}

namespace {

QAction* addItem(QObject* owner, QMenu* menu, const char* name, const QString& caption,
                 std::function<void()> handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, owner, std::move(handler));
    return action;
}

void addLine(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void frmMain::buildMenus() {
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("frmMainMenuBar"));
    m_menuBar->hide(); // the frame takes it over; until then it must not cover the list
    buildMainMenu();
    buildToolsMenu();
    buildHelpMenu();
}

void frmMain::buildMainMenu() {
    QMenu* mnuMain = addMenu(m_menuBar, "mnuMain", QCoreApplication::translate("frmMain", "&Main"));
    addItem(this, mnuMain, "mnuOverview",
            QCoreApplication::translate("frmMain", "&Program Overview"),
            [this] { showWindow(QStringLiteral("frmProg")); });
    addItem(this, mnuMain, "mnuNew", QCoreApplication::translate("frmMain", "&New in this Version"),
            [this] { showWindow(QStringLiteral("frmAboutMe")); });
    addLine(mnuMain, "mnuline4");
    addItem(this, mnuMain, "mnuMyScripts", QCoreApplication::translate("frmMain", "&My Scripts!"),
            [this] { m_cmbCategories->setCurrentIndex(MyScriptsCategory); });
    const auto myScripts = [this](void (MyScriptsService::*command)()) {
        return [this, command] { (m_context.myScripts->*command)(); };
    };
    addItem(this, mnuMain, "mnuClearAll",
            QCoreApplication::translate("frmMain", "&Clear All Entries"),
            myScripts(&MyScriptsService::clearAllEntries));
    addItem(this, mnuMain, "mnuUndoClearAll",
            QCoreApplication::translate("frmMain", "&Undo Clear All"),
            myScripts(&MyScriptsService::undoClearAll));
    addLine(mnuMain, "mnuLineTransfer");
    addItem(this, mnuMain, "mnuExport",
            QCoreApplication::translate("frmMain", "E&xport My Scripts..."),
            myScripts(&MyScriptsService::exportEntries));
    addItem(this, mnuMain, "mnuImport",
            QCoreApplication::translate("frmMain", "&Import My Scripts..."),
            myScripts(&MyScriptsService::importEntries));
    addItem(this, mnuMain, "mnuRestore",
            QCoreApplication::translate("frmMain", "&Restore My Scripts from Backup..."),
            myScripts(&MyScriptsService::restoreFromBackup));
    addLine(mnuMain, "mnuline3");
    addItem(this, mnuMain, "mnuExit", QCoreApplication::translate("frmMain", "&Exit"),
            [] { AppLifecycle::endProgram(); });
}

void frmMain::buildToolsMenu() {
    QMenu* mnuTools =
        addMenu(m_menuBar, "mnuTools", QCoreApplication::translate("frmMain", "&Tools"));
    QMenu* mnuSkin = mnuTools->addMenu(QCoreApplication::translate("frmMain", "&Skin Chooser"));
    mnuSkin->setObjectName(QStringLiteral("mnuSkin"));
    auto skin = [this](int n) { return [this, n] { m_context.skins->chooseSkin(n); }; };
    addItem(this, mnuSkin, "mnuSkin1", QCoreApplication::translate("frmMain", "&Default Skin"),
            skin(1));
    addItem(this, mnuSkin, "mnuSkin2", QCoreApplication::translate("frmMain", "&Light Wave"),
            skin(2));
    addItem(this, mnuSkin, "mnuSkin3", QCoreApplication::translate("frmMain", "&Horizon Blue"),
            skin(3));
    addItem(this, mnuSkin, "mnuSkin5", QCoreApplication::translate("frmMain", "&Battle Field"),
            skin(5));
    addItem(this, mnuSkin, "mnuSkin4", QCoreApplication::translate("frmMain", "&Animal Farm"),
            skin(4));
    addLine(mnuTools, "mnuLine2");
    addItem(this, mnuTools, "mnuElements", QCoreApplication::translate("frmMain", "&Web Elements"),
            [this] { showWindow(QStringLiteral("frmWE")); });
    addItem(this, mnuTools, "mnuBrowser", QCoreApplication::translate("frmMain", "&Quick Browser"),
            [this] { showWindow(QStringLiteral("frmBrowser")); });
    addLine(mnuTools, "mnuLineFind");
    addItem(this, mnuTools, "mnuFindScript",
            QCoreApplication::translate("frmMain", "&Find Script..."),
            [this] { showWindow(QStringLiteral("frmFindScript")); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    auto* findShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    findShortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(findShortcut, &QShortcut::activated, this,
            [this] { showWindow(QStringLiteral("frmFindScript")); });
}

void frmMain::buildHelpMenu() {
    QMenu* mnuHelp = addMenu(m_menuBar, "mnuHelp", QCoreApplication::translate("frmMain", "&Help"));
    addItem(this, mnuHelp, "mnuGeneral", QCoreApplication::translate("frmMain", "&General Help"),
            [this] { showWindow(QStringLiteral("frmHelp")); });
    addItem(this, mnuHelp, "mnuBeginners",
            QCoreApplication::translate("frmMain", "&Help for Beginners"),
            [this] { showWindow(QStringLiteral("frmBegin")); });
    addLine(mnuHelp, "mnuline");
    addItem(this, mnuHelp, "mnuAbout", QCoreApplication::translate("frmMain", "&About"),
            [this] { showWindow(QStringLiteral("frmAbout")); });
}

void frmMain::showWindow(const QString& name) {
    m_context.windows->show(name);
}

QString frmMain::selectedRowText() const {
    const auto selected = m_list1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void frmMain::appendRow(const QString& text) {
    m_list1->addItem(text);
}

void frmMain::reloadMyScripts() {
    // Passing through the previous category makes the change signal fire even when
    // "My Scripts!" is already shown, so the list is always read afresh.
    m_cmbCategories->update();
    m_cmbCategories->setCurrentIndex(MyScriptsCategory - 1);
    m_cmbCategories->setCurrentIndex(MyScriptsCategory);
}

bool frmMain::selectRow(const QString& text) {
    const auto rows = m_list1->findItems(text, Qt::MatchExactly);
    if (rows.isEmpty())
        return false;
    m_list1->setCurrentItem(rows.last());
    return true;
}

void frmMain::setSkinPicture(const QPixmap& picture) {
    m_skin = picture;
    update();
}

void frmMain::Form_Load() {
    bool ok = true;
    try {
        m_cmbCategories->setCurrentIndex(0);
        ok = m_context.skins->applySavedSkin();
    } catch (...) {
        ok = false;
    }
    if (!ok)
        m_context.messages->inform(this, MessageTexts::kErrorTitle, MessageTexts::kSkinFailure,
                                   MessageBoxes::Icon::Warning);
    m_list1->setFocus();
}

void frmMain::CmbCategories_Click(int index) {
    if (index >= 0 && index < CatalogueIndex::catalogueCategoryCount()) {
        m_list1->clear();
        const auto titles = CatalogueIndex::titlesOf(index);
        for (const QString& title : titles)
            m_list1->addItem(title);
    } else if (index == MyScriptsCategory) {
        m_context.myScripts->fillList(m_list1);
    } else {
        return;
    }
    m_list1->clearSelection();
    m_list1->setCurrentRow(-1, QItemSelectionModel::Clear);
}

void frmMain::List1_DblClick() {
    const QString text = selectedRowText();
    const QString window = CatalogueIndex::windowOf(text);
    if (!window.isEmpty()) {
        showWindow(window);
        return;
    }
    m_context.myScripts->dispatch(text);
}

void frmMain::Command1_Click() {
    showWindow(QStringLiteral("frmWE"));
    WindowRegistry::hideWindow(this);
}

void frmMain::cmdbrowser_Click() {
    showWindow(QStringLiteral("frmBrowser"));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // Return or Enter on a selected row opens it like a double-click.
    if (watched == m_list1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!selectedRowText().isEmpty() || !m_list1->selectedItems().isEmpty())
                List1_DblClick();
            return true;
        }
    }
    // A double-click on a row acts on the selected row, like the original list; one that
    // lands below the last row opens nothing (its first click has cleared the selection).
    if (watched == m_list1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_list1->itemAt(mouse->position().toPoint()))
            return false;
        m_list1->viewport()->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        m_list1->viewport()->installEventFilter(this);
        m_list1->installEventFilter(this);
        m_list1->setAccessibleName(QCoreApplication::translate("frmMain", "Scripts"));
        List1_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(224, 224, 224));
    if (!m_skin.isNull())
        painter.drawPixmap(0, 0, m_skin);
    painter.setPen(QPen(Qt::black, 1));
    for (const int y : {3900, 4680})
        painter.drawLine(Twips::point(660, y), Twips::point(4680, y));
}

void frmMain::closeEvent(QCloseEvent*) {
    AppLifecycle::endProgram();
}
