// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A line diff of two texts in the usual unified form, with a few lines of context around each
// change. Shortest edit script (Myers), so a change at the top and one at the bottom of a long
// page come out as two small hunks.
namespace LineDiff {

QString unified(const QStringList& before, const QStringList& after, int context = 3);

} // namespace LineDiff
