// Whole-number arguments of the command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ringlace::cli {

// The value of a text made only of decimal digits that fits an int; nothing otherwise.
std::optional<int> NumberArgument(const std::string& text);

// A random seed: decimal digits only, up to the largest 64-bit value.
std::optional<std::uint64_t> SeedArgument(const std::string& text);

}  // namespace ringlace::cli
