#pragma once

#include <cstdio>
#include <cstdlib>

namespace qf::fuzz {

// A broken promise of the code under test: the fuzzer records the input that led here and the
// replay run fails on it.
inline void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

} // namespace qf::fuzz
