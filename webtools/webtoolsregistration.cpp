// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/webtoolsregistration.h"

#include "platform/appfolder.h"

#include "webtools/frmwe.h"
#include "webtools/previewtools.h"
#include "webtools/webtools.h"

#include "kit/appcontext.h"
#include "kit/entryactions.h"
#include "kit/windowregistry.h"
#include "model/catalogue.h"

#include <QCoreApplication>

void registerWebTools(AppContext& context, QObject* owner) {
    // Nothing of the web plugin is loaded here: only the first web window loads it.
    auto* tools = new WebTools(context, WebPlugin::defaultFile(), owner);
    context.separateBrowser = tools;
    auto* previews = new PreviewTools(WebPlugin::defaultFile(),
                                      AppFolder::path() + QStringLiteral("/site"), owner);
    previews->setContext(context);
    context.preview = previews;
    // Without a catalogue (a test of other windows) there is no entry to customise.
    const Catalogue* catalogue = context.catalogue;
    context.entryActions->add(
        {QCoreApplication::translate("WebToolsRegistration", "&Customise..."),
         QKeySequence(Qt::CTRL | Qt::Key_E), QStringLiteral("actCustomise"),
         [catalogue, previews](const EntryRef& ref, QWidget* origin) {
             if (const ScriptEntry* entry = catalogue ? catalogue->entry(ref.formName) : nullptr)
                 previews->customise(*entry, origin);
         },
         [](const EntryRef& ref) { return ref.kind == EntryRef::Kind::Catalogue; }});
    context.windows->registerWindow(QStringLiteral("frmBrowser"),
                                    WindowRegistry::Placement::TopLevel,
                                    [tools] { return tools->createQuickBrowser(); });
    AppContext* ctx = &context;
    context.windows->registerWindow(QStringLiteral("frmWE"), WindowRegistry::Placement::FrameChild,
                                    [ctx] {
                                        auto* gallery = new frmWE(*ctx);
                                        gallery->Form_Load();
                                        return gallery;
                                    });
}
