// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Process.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace ktq {

long CurrentProcessId() {
    return static_cast<long>(::getpid());
}

bool ProcessRunning(long id) {
    if (id <= 0)
        return false;
    // Signal 0 only asks; a process of another user answers EPERM.
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

}  // namespace ktq
