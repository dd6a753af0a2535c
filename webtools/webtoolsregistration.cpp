// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/webtoolsregistration.h"

#include "shell/appcontext.h"

#include <QtGlobal>

void registerWebTools(AppContext& context, QObject* owner) {
    Q_UNUSED(context)
    Q_UNUSED(owner)
}
