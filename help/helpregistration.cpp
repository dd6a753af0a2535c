// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helpregistration.h"

#include "shell/appcontext.h"

#include <QtGlobal>

void registerHelpWindows(AppContext& context, QObject* owner) {
    Q_UNUSED(context)
    Q_UNUSED(owner)
}
