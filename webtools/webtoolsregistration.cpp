// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/webtoolsregistration.h"

#include "webtools/frmwe.h"
#include "webtools/webtools.h"

#include "kit/appcontext.h"
#include "kit/windowregistry.h"

void registerWebTools(AppContext& context, QObject* owner) {
    // Nothing of the web plugin is loaded here: only the first web window loads it.
    auto* tools = new WebTools(context, WebPlugin::defaultFile(), owner);
    context.separateBrowser = tools;
    if (!context.windows)
        return;
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
