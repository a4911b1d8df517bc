// A collection put in a new order: every line that repeats an earlier one (letter case aside) is
// dropped, and the rest are shuffled, so a merged file of puzzles plays in a fresh order once each.
#pragma once

#include <string>
#include <vector>

#include "model/random_source.h"

namespace ringlace {

struct ShuffledLines {
    std::vector<std::string> lines;
    int duplicates = 0;  // lines dropped as repeats
    int blank = 0;       // empty lines dropped
};

ShuffledLines DropDuplicatesAndShuffle(const std::vector<std::string>& lines, RandomSource& random);

}  // namespace ringlace
