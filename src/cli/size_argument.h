// Puzzle sizes on the command line: "RxC", as --size and --jumbo take them.
#pragma once

#include <optional>
#include <string>

#include "commands/create_new_command.h"

namespace ringlace::cli {

// The rows and columns of "RxC" (or "RXC"), each a whole-number argument; nothing otherwise. The
// caller checks the sides against its own limits.
std::optional<PuzzleSize> SizeArgument(const std::string& text);

}  // namespace ringlace::cli
