// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/skinsregistration.h"

#include "shell/appcontext.h"

#include <QtGlobal>

void registerSkins(AppContext& context, QObject* owner) {
    Q_UNUSED(context)
    Q_UNUSED(owner)
}
