// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
struct AppContext;

// Provides the My Scripts commands, the entry editor and the entry viewer.
void registerMyScripts(AppContext& context, QObject* owner);
