// A game ID ("5x5t0:..."): the clues of an ID read are written as an ID again, and that ID reads
// back to the same clues.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/game_id.h"
#include "model/grid.h"
#include "require.h"

using namespace ringlace;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Grid limits;
    const auto clues = ReadGameId(text, limits.MaxRows, limits.MaxCols);
    if (!clues) return 0;
    Require(clues->clues.size() == static_cast<std::size_t>(clues->rows * clues->cols),
            "a game ID read has a clue count other than its size");
    Require(ReadGameId(GameId(*clues), limits.MaxRows, limits.MaxCols) == clues,
            "a game ID written back reads other clues");
    return 0;
}
