// A line of a pattern file: a pattern read is written as a pattern line again, and that line reads
// back to the same pattern.
#include <cstddef>
#include <cstdint>
#include <string>

#include "create/pattern_file.h"
#include "require.h"

using namespace ringlace;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const Grid limits;
    const auto pattern = ReadPatternLine(line, limits.MaxRows, limits.MaxCols);
    if (!pattern) return 0;
    Require(pattern->Clues() >= 1, "a pattern read has no clue cell");
    const auto again = ReadPatternLine(PatternLine(*pattern), limits.MaxRows, limits.MaxCols);
    Require(again && again->rows == pattern->rows && again->cols == pattern->cols &&
                again->mask == pattern->mask,
            "a pattern line written back reads another pattern");
    return 0;
}
