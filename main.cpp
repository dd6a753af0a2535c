// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/appfolder.h"

#include "cli/commandline.h"
#include "kit/diskpagefileaccess.h"
#include "program/windowsloader.h"

int main(int argc, char* argv[]) {
    // Decided before anything graphical exists: the command line needs no display.
    if (CommandLine::wanted(argc, argv)) {
        DiskPageFileAccess pageFiles;
        return CommandLine::run(argc, argv,
                                {&AppFolder::sampleBaseUrl, &AppFolder::scriptsFolder, &pageFiles});
    }
    return WindowsLoader::run(argc, argv);
}
