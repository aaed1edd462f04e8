#pragma once

// A property the fuzzed code must keep. A broken one aborts, which libFuzzer
// reports as a crash and saves the input that caused it.

#include <cstdio>
#include <cstdlib>

inline void fuzzCheck(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", property);
        std::abort();
    }
}
