// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helpregistration.h"

#include "help/frmabout.h"
#include "help/frmaboutme.h"
#include "help/helppages.h"

#include "kit/appcontext.h"
#include "kit/windowregistry.h"

namespace {

template <typename Window> void registerPage(AppContext& context, const QString& name) {
    AppContext* ctx = &context;
    context.windows->registerWindow(name, WindowRegistry::Placement::FrameChild, [ctx] {
        auto* window = new Window(*ctx);
        window->Form_Load();
        return window;
    });
}

} // namespace

void registerHelpWindows(AppContext& context, QObject* owner) {
    Q_UNUSED(owner)
    if (!context.windows)
        return;
    registerPage<frmBegin>(context, QStringLiteral("frmBegin"));
    registerPage<frmProg>(context, QStringLiteral("frmProg"));
    registerPage<frmHelp>(context, QStringLiteral("frmHelp"));
    registerPage<frmAboutMe>(context, QStringLiteral("frmAboutMe"));
    registerPage<frmAbout>(context, QStringLiteral("frmAbout"));
}
