#pragma once
// Properties the fuzzers check besides the sanitizers: a broken one stops
// the run like a crash, so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#define QOR_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
