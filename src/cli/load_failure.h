// The line a command prints for a record that cannot be loaded.
#pragma once

#include <string>

#include "cli/json_line.h"

namespace ringlace::cli {

// {"puzzle": N, "error": "load failed", "reason": R}
JsonLine LoadFailure(int puzzle, const std::string& whyNot);

}  // namespace ringlace::cli
