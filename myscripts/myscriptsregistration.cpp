// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptsregistration.h"

#include "myscripts/frmcustom.h"
#include "myscripts/frmnewtemplate.h"
#include "myscripts/myscriptscommands.h"
#include "myscripts/slotstore.h"

#include "kit/appcontext.h"
#include "kit/entryactions.h"
#include "kit/previewservice.h"
#include "kit/windowplacement.h"
#include "kit/windowregistry.h"

void registerMyScripts(AppContext& context, QObject* owner) {
    context.myScripts = new MyScriptsCommands(context, owner);
    AppContext* shared = &context;
    if (context.entryActions)
        context.entryActions->add(
            {QStringLiteral("&Preview"), QKeySequence(Qt::CTRL | Qt::Key_E),
             QStringLiteral("actPreview"),
             [shared](const EntryRef& ref, QWidget* origin) {
                 if (!shared->preview || !shared->store || ref.slot <= 0)
                     return;
                 const MyScriptSlot slot = SlotStore(*shared->store).readSlot(ref.slot);
                 shared->preview->previewScript(slot.name, slot.head, slot.body, origin);
             },
             [](const EntryRef& ref) { return ref.kind == EntryRef::Kind::MyScript; }});
    if (!context.windows)
        return;
    AppContext* ctx = &context;
    context.windows->registerWindow(QStringLiteral("frmNewTemplate"),
                                    WindowRegistry::Placement::FrameChild, [ctx] {
                                        auto* editor = new frmNewTemplate(*ctx);
                                        editor->Form_Load();
                                        return editor;
                                    });
    context.windows->registerWindow(QStringLiteral("frmCustom"),
                                    WindowRegistry::Placement::TopLevel, [ctx] {
                                        auto* viewer = new frmCustom(*ctx);
                                        WindowPlacement::centreOnScreen(viewer);
                                        viewer->Form_Load();
                                        return viewer;
                                    });
}
