// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptsregistration.h"

#include "myscripts/frmcustom.h"
#include "myscripts/frmnewtemplate.h"
#include "myscripts/myscriptscommands.h"

#include "kit/appcontext.h"
#include "kit/windowregistry.h"

#include <QGuiApplication>
#include <QScreen>

void registerMyScripts(AppContext& context, QObject* owner) {
    context.myScripts = new MyScriptsCommands(context, owner);
    if (!context.windows)
        return;
    AppContext* ctx = &context;
    context.windows->registerWindow(QStringLiteral("frmNewTemplate"),
                                    WindowRegistry::Placement::FrameChild, [ctx] {
                                        auto* editor = new frmNewTemplate(*ctx);
                                        editor->Form_Load();
                                        return editor;
                                    });
    context.windows->registerWindow(
        QStringLiteral("frmCustom"), WindowRegistry::Placement::TopLevel, [ctx] {
            auto* viewer = new frmCustom(*ctx);
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->geometry();
                viewer->move(area.center() - viewer->rect().center());
            }
            viewer->Form_Load();
            return viewer;
        });
}
