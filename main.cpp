// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/appfolder.h"

#include "shell/programmain.h"

#include "cli/commandline.h"

int main(int argc, char* argv[]) {
    // Decided before anything graphical exists: the command line needs no display.
    if (CommandLine::wanted(argc, argv))
        return CommandLine::run(argc, argv, {&AppFolder::sampleBaseUrl, &AppFolder::scriptsFolder});
    return tagloomMain(argc, argv);
}
