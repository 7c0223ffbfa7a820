// SPDX-License-Identifier: GPL-3.0-or-later
// bench_launch HOOK PROGRAM: runs PROGRAM in place of itself with HOOK preloaded and
// the moment of the exec, on the steady clock, in FRAZIONI_BENCH_EXEC_AT.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s HOOK PROGRAM\n", argv[0]);
        return 2;
    }
    setenv("LD_PRELOAD", argv[1], 1);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char when[64];
    std::snprintf(when, sizeof when, "%lld.%09ld", static_cast<long long>(now.tv_sec), now.tv_nsec);
    setenv("FRAZIONI_BENCH_EXEC_AT", when, 1);
    execv(argv[2], argv + 2);
    std::perror("execv");
    return 1;
}
