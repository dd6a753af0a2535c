// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/skinsregistration.h"

#include "shell/skins.h"

#include "kit/appcontext.h"

void registerSkins(AppContext& context, QObject* owner) {
    context.skins = new Skins(context, owner);
}
