// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/programmain.h"

int main(int argc, char* argv[]) {
    return tagloomMain(argc, argv);
}
