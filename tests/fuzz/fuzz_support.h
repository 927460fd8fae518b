// Shared by the harnesses: the check that turns a wrong result into a crash
// the fuzzer reports, and keeping the readers' log from growing without bound.
#pragma once

#include <unistd.h>

#include <cstdio>

// Names the failed condition, then stops the way a sanitizer report does.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                                  \
        }                                                                                      \
    } while (0)

// The readers append to log.txt in the working directory (scripts/fuzz.sh
// runs the harnesses in a scratch folder); every 10000 inputs it is emptied.
inline void TrimFuzzLog() {
    static unsigned inputs = 0;
    if (++inputs % 10000 == 0 && truncate("log.txt", 0) != 0) {
        // No log file yet, or not a regular file: nothing to trim.
    }
}
