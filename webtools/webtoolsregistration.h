// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
struct AppContext;

// Provides the quick browser and the web elements gallery.
void registerWebTools(AppContext& context, QObject* owner);
