// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/skinsregistration.h"

#include "shell/appcontext.h"
#include "shell/skins.h"

void registerSkins(AppContext& context, QObject* owner) {
    context.skins = new Skins(context, owner);
}
