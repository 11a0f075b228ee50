// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// Ends the run when a property a fuzz target checks does not hold, naming it, so that the fuzzer
// keeps the input and the replay test fails.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}
