// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
struct AppContext;

namespace ViewerFactory {

// The viewer window of the catalogue entry with that window name, or nullptr when the
// catalogue has no such entry.
QWidget* createViewer(const QString& name, AppContext& context);

// One of the secondary text windows, or nullptr for other names.
QWidget* createSecondary(const QString& name, AppContext& context);

} // namespace ViewerFactory
