// The Luby sequence 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ...: how long each restarted search may run, in
// some unit. Many short runs and now and then a longer one; the lengths grow without bound, so a
// search that needs long eventually gets it.
#pragma once

#include <cstdint>

namespace ringlace {

// The i-th term, i from 1.
constexpr std::uint64_t Luby(std::uint64_t i) {
    int k = 1;
    while ((std::uint64_t{1} << k) - 1 < i) ++k;
    if ((std::uint64_t{1} << k) - 1 == i) return std::uint64_t{1} << (k - 1);
    return Luby(i - (std::uint64_t{1} << (k - 1)) + 1);
}

static_assert(Luby(1) == 1 && Luby(2) == 1 && Luby(3) == 2 && Luby(7) == 4 && Luby(8) == 1);

}  // namespace ringlace
