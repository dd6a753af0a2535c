// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processguard.h"

#include <csignal>

namespace ProcessGuard {

void reportOversizedWritesAsErrors() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace ProcessGuard
