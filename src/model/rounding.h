// Turning a fraction into a whole number the way the program does everywhere: to the nearest
// integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
#pragma once

#include <cmath>

namespace ringlace {

inline int RoundToInt(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace ringlace
