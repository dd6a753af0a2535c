// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/viewerregistration.h"

#include "catalogue/secondarywindow.h"
#include "catalogue/viewerfactory.h"

#include "kit/appcontext.h"
#include "kit/windowregistry.h"

#include <QtGlobal>

void registerCatalogueWindows(AppContext& context, QObject* owner) {
    Q_UNUSED(owner)
    if (!context.windows)
        return;
    AppContext* ctx = &context;
    // The 208 viewers are not registered one by one: any name the catalogue knows is one.
    context.windows->setFallbackFactory(
        [ctx](const QString& name) { return ViewerFactory::createViewer(name, *ctx); });
    for (const QString& name : SecondaryWindow::names())
        context.windows->registerWindow(name, WindowRegistry::Placement::TopLevel, [ctx, name] {
            return ViewerFactory::createSecondary(name, *ctx);
        });
}
