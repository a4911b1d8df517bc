// The harnesses' checks of what must hold for every input: a failed one is a finding, so it stops
// the fuzzer (which then keeps the input as a crash file) after saying what went wrong.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace ringlace::fuzz {

inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace ringlace::fuzz
