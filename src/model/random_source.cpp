#include "model/random_source.h"

#include <chrono>

namespace ringlace {

std::uint64_t RandomSource::ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace ringlace
