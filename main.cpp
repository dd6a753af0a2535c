// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/programmain.h"

#include "cli/commandline.h"

int main(int argc, char* argv[]) {
    // Decided before anything graphical exists: the command line needs no display.
    if (CommandLine::wanted(argc, argv))
        return CommandLine::run(argc, argv);
    return tagloomMain(argc, argv);
}
