// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptsregistration.h"

#include "shell/appcontext.h"

#include <QtGlobal>

void registerMyScripts(AppContext& context, QObject* owner) {
    Q_UNUSED(context)
    Q_UNUSED(owner)
}
