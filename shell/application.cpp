// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/application.h"

#include "catalogue/viewerregistration.h"
#include "help/helpregistration.h"
#include "myscripts/myscriptsregistration.h"
#include "myscripts/slotstore.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"
#include "shell/skinsregistration.h"
#include "webtools/webtoolsregistration.h"

#include "find/findregistration.h"
#include "kit/entryactions.h"
#include "kit/pageinsertioncommands.h"
#include "kit/windowregistry.h"
#include "model/catalogue.h"
#include "model/pagesnippet.h"

#include <QListWidget>
#include <QMenuBar>

Application::Application(const AppContext& base, QObject* parent)
    : QObject(parent)
    , m_context(base)
    , m_catalogue(std::make_unique<Catalogue>())
    , m_windows(std::make_unique<WindowRegistry>())
    , m_entryActions(std::make_unique<EntryActions>()) {
    m_context.catalogue = m_catalogue.get();
    m_context.windows = m_windows.get();
    m_context.entryActions = m_entryActions.get();

    m_frame = new MDIFormMain(m_context);
    m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
    m_windows->setMdiArea(m_frame->mdiArea());

    m_windows->registerWindow(QStringLiteral("frmMain"), WindowRegistry::Placement::FrameChild,
                              [this] { return new frmMain(m_context); });

    registerSkins(m_context, this);
    registerCatalogueWindows(m_context, this);
    registerMyScripts(m_context, this);
    registerWebTools(m_context, this);
    registerHelpWindows(m_context, this);
    registerFindWindows(m_context, this);
    installPageInsertion();
}

void Application::installPageInsertion() {
    m_pageInsertion = PageInsertionCommands::install(
        m_context,
        [this](const EntryRef& entry) -> std::optional<PageSnippet> {
            if (entry.kind == EntryRef::Kind::Catalogue) {
                if (const ScriptEntry* found = m_context.catalogue->entry(entry.formName))
                    return PageSnippet::fromEntry(*found);
            } else if (entry.kind == EntryRef::Kind::MyScript) {
                const MyScriptSlot slot = SlotStore(*m_context.store).readSlot(entry.slot);
                if (!slot.name.isEmpty())
                    return PageSnippet::fromMyScript(slot.name, slot.head, slot.body);
            }
            return std::nullopt;
        },
        this);
    m_context.pageInsertion = m_pageInsertion;
}

Application::~Application() {
    delete m_frame;
}

frmMain* Application::mainWindow() const {
    return static_cast<frmMain*>(m_context.main);
}

void Application::start() {
    m_frame->MDIForm_Load();
    auto* main = static_cast<frmMain*>(m_windows->show(QStringLiteral("frmMain")));
    m_context.main = main;
    m_frame->setMenuBar(main->menuBar());
    main->menuBar()->show();
    main->Form_Load();
    m_frame->show();
    m_windows->raiseWindow(main);
    main->List1()->setFocus();
}
