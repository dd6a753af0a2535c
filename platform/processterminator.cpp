// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processterminator.h"

#include <csignal>
#include <sys/types.h>

bool SystemProcessTerminator::terminate(qint64 processId) {
    // Never a process group or everyone: only a real, single process id.
    if (processId <= 1)
        return false;
    return ::kill(static_cast<pid_t>(processId), SIGKILL) == 0;
}
