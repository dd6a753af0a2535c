// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace CommandLine {
class Dispatcher;

// --help and --version.
void addProgramCommands(Dispatcher& dispatcher);

} // namespace CommandLine
