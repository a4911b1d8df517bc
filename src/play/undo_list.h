// The undo list: the complete state of a cell (four sides and colour) saved before an entry
// changes it, newest first.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/grid.h"

namespace ringlace {

struct UndoEntry {
    int row = 0;
    int col = 0;
    std::array<EdgeState, 4> sides{};  // L, T, R, B
    std::int32_t colour = 0;
};

using UndoList = std::vector<UndoEntry>;  // back() is the newest entry

}  // namespace ringlace
