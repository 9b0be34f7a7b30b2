// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the wall-clock time and becomes the program named on its command
// line: the start of a start-up measured, with no shell or fork between it
// and the program's own first instruction.
#include <unistd.h>

#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: ktq-startup-launch PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("started-at-ns=%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
