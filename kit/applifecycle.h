// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ending the program at once: every window disappears in the same moment and no
// window's closing handler runs after this point.
namespace AppLifecycle {

void endProgram();

// Closing handlers check this and do nothing once the program is ending.
bool isEnding();

// For tests that end the program more than once in one process.
void resetForTesting();

} // namespace AppLifecycle
