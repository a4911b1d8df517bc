// Whole-number arguments of the command line.
#pragma once

#include <optional>
#include <string>

namespace ringlace::cli {

// The value of a text made only of decimal digits that fits an int; nothing otherwise.
std::optional<int> NumberArgument(const std::string& text);

}  // namespace ringlace::cli
