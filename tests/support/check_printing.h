// How a failed assertion shows a check result: "2,2 too many bars" rather than its bytes.
#pragma once

#include <ostream>

#include "solver/checks.h"

namespace ringlace {

inline void PrintTo(const CheckResult& result, std::ostream* out) {
    *out << result.row << "," << result.col << " " << result.message;
}

}  // namespace ringlace
