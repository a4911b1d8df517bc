// The one source of randomness: uniform draws in [0, 1) for the random loops, the random orders
// of cells and the random puzzle sizes. It is passed to whoever draws, never shared behind their
// back, so a seed fixes every draw and a created puzzle can be made again from its seed.
#pragma once

#include <cstdint>
#include <random>

namespace ringlace {

class RandomSource {
public:
    // Seeded from the clock: every run of the program draws differently.
    RandomSource() : engine_(ClockSeed()) {}
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    // A uniform draw in [0, 1), built from the top 53 bits of the engine so that the value is the
    // same on every platform (the standard distributions may differ between libraries).
    double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // Int(u x n): a whole number from 0 to n - 1.
    int Below(int n) { return static_cast<int>(Uniform() * n); }

    // A seed from the time of day.
    static std::uint64_t ClockSeed();

private:
    std::mt19937_64 engine_;
};

}  // namespace ringlace
