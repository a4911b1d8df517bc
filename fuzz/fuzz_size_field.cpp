// The size field of the create dialog: "7", "12x8" or blank. Any text gives a size (0 for a side
// it names no number for); a blank one draws a size within the grid's limits.
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/create_new_command.h"
#include "model/text.h"
#include "require.h"

using namespace ringlace;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Grid grid;
    RandomSource random(size);
    const PuzzleSize read = ReadSizeText(text, grid, random);
    if (Trim(text).empty())
        Require(read.rows >= 5 && read.rows <= grid.MaxRows && read.cols >= 5 &&
                    read.cols <= grid.MaxCols,
                "a blank size field draws a size outside the limits");
    return 0;
}
