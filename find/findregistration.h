// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
struct AppContext;

// The Find Script palette (frmFindScript) and Ctrl+K in every window of the program. The
// search index is built from the catalogue the first time the palette opens.
void registerFindWindows(AppContext& context, QObject* owner);
