// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptsregistration.h"

#include "myscripts/frmcustom.h"
#include "myscripts/frmnewtemplate.h"
#include "myscripts/myscriptscommands.h"
#include "myscripts/slotstore.h"
#include "myscripts/storemessages.h"

#include "kit/appcontext.h"
#include "kit/entryactions.h"
#include "kit/previewservice.h"
#include "kit/windowplacement.h"
#include "kit/windowregistry.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

void registerMyScripts(AppContext& context, QObject* owner) {
    context.myScripts = new MyScriptsCommands(context, owner);
    AppContext* ctx = &context;
    // Once the first frame is up: a store found damaged and rebuilt is announced.
    QTimer::singleShot(0, owner, [ctx] { MyScripts::announceRecovery(*ctx); });
    context.entryActions->add(
        {QCoreApplication::translate("MyScriptsRegistration", "&Preview"),
         QKeySequence(Qt::CTRL | Qt::Key_E), QStringLiteral("actPreview"),
         [ctx](const EntryRef& ref, QWidget* origin) {
             // Put together without the web tools, there is nothing to preview in.
             if (!ctx->preview.isSet() || ref.slot <= 0)
                 return;
             const MyScriptSlot slot = SlotStore(*ctx->store).readSlot(ref.slot);
             ctx->preview->previewScript(slot.name, slot.head, slot.body, origin);
         },
         [](const EntryRef& ref) { return ref.kind == EntryRef::Kind::MyScript; }});
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
