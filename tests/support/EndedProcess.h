#pragma once
// The id of a process that has ended, as a killed run of the program leaves
// in its lock and temporary files.
#include <sys/wait.h>
#include <unistd.h>

namespace ktq::testsupport {

inline long EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace ktq::testsupport
