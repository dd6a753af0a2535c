// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/viewerregistration.h"

#include "shell/appcontext.h"

#include <QtGlobal>

void registerCatalogueWindows(AppContext& context, QObject* owner) {
    Q_UNUSED(context)
    Q_UNUSED(owner)
}
