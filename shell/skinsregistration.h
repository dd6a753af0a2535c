// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
struct AppContext;

// Provides the skins of frmMain (fills AppContext::skins).
void registerSkins(AppContext& context, QObject* owner);
