// A plain text grid read from a file, as the text import reads it: a grid read is written out as
// the program writes text grids, and that text reads back to the same clues.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/plain_text.h"
#include "model/grid.h"
#include "require.h"

using namespace ringlace;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Grid limits;
    const auto clues =
        ReadPlainText(SplitLines(text), TextOrigin::File, limits.MaxRows, limits.MaxCols);
    if (!clues) return 0;
    Require(clues->rows >= 1 && clues->rows <= limits.MaxRows && clues->cols >= 1 &&
                clues->cols <= limits.MaxCols &&
                clues->clues.size() == static_cast<std::size_t>(clues->rows * clues->cols),
            "a text grid read has a size outside the limits");
    const auto again =
        ReadPlainText(PlainTextLines(*clues), TextOrigin::File, limits.MaxRows, limits.MaxCols);
    Require(again == clues, "a text grid written back reads other clues");
    return 0;
}
