// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
struct AppContext;

// Makes the catalogue's viewer windows (and their secondary windows) available by name.
void registerCatalogueWindows(AppContext& context, QObject* owner);
