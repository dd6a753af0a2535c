// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace WindowsLoader {

// Loads the windows module from beside the program (its plugin folder, installed or in the
// build tree) and runs the windows; returns their exit code, or 1 after saying on standard
// error why the module could not be loaded.
int run(int argc, char* argv[]);

} // namespace WindowsLoader
