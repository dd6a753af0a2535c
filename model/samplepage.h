// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"

#include <QString>

// Builds an entry's sample page from its own code blocks.
namespace SamplePage {

QString generate(const ScriptEntry& entry);

} // namespace SamplePage
