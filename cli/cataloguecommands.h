// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Catalogue;

namespace CommandLine {
class Dispatcher;
struct Places;

// The catalogue compiled into the program, read once.
const Catalogue& builtInCatalogue();

// --list [CATEGORY], --search TEXT and --print TITLE [--block N] over the catalogue (the
// compiled-in one unless another is given; it must outlive the dispatcher).
void addCatalogueCommands(Dispatcher& dispatcher, const Places& places,
                          const Catalogue* catalogue = nullptr);

} // namespace CommandLine
