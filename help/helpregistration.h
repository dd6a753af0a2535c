// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
struct AppContext;

// Provides the help pages, the release notes and the About box.
void registerHelpWindows(AppContext& context, QObject* owner);
