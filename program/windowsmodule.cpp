// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as a module: main() loads it only when no command-line option was given.
#include "shell/programmain.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int tagloom_windows_main(int argc, char* argv[]) {
    return tagloomMain(argc, argv);
}
