// A saved game: a record line with the code "**" whose tail holds the player's bars and X marks.
// The input's difficulty code is replaced by "**" so that every input reaches the entries. A game
// that loads is saved again, and that text loads to the same clues and the same entries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/puzzle_record.h"
#include "require.h"

using namespace ringlace;
using fuzz::Require;

namespace {

bool SameEntries(const Grid& one, const Grid& other) {
    for (int r = 1; r <= one.Rows; ++r)
        for (int c = 1; c <= one.Cols; ++c)
            if (one.CellEdge[r][c] != other.CellEdge[r][c]) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    if (line.size() >= 6) line.replace(4, 2, kUserRecordCode);
    Grid grid;
    if (!LoadRecord(grid, line)) return 0;

    const std::string saved = UserRecordText(grid);
    Grid again;
    Require(LoadRecord(again, saved), "a loaded game, saved again, does not load");
    Require(CluesOf(again) == CluesOf(grid), "a game saved again has other clues");
    Require(SameEntries(again, grid), "a game saved again has other entries");
    Require(UserRecordText(again) == saved, "a game saved twice differs");
    return 0;
}
