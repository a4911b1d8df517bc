// The argument parsers of ringlace-cli: record numbers, seeds, record ranges ("N", "FIRST-LAST",
// "all") and sizes ("RxC"). A number read is the number written, and a range runs forwards.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/number_argument.h"
#include "cli/record_range.h"
#include "cli/size_argument.h"
#include "require.h"

using namespace ringlace;
using namespace ringlace::cli;
using fuzz::Require;

namespace {

// The text read back as the number it was read as, leading zeros aside.
template <typename Number>
bool SameNumber(const std::string& text, Number value) {
    const std::size_t digits = text.find_first_not_of('0');
    const std::string significant = digits == std::string::npos ? "0" : text.substr(digits);
    return significant == std::to_string(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto number = NumberArgument(text))
        Require(*number >= 0 && SameNumber(text, *number), "a number argument reads another value");
    if (const auto seed = SeedArgument(text))
        Require(SameNumber(text, *seed), "a seed argument reads another value");
    for (const int recordCount : {0, 1, 25, INT_MAX}) {
        if (const auto range = ParseRecordRange(text, recordCount))
            Require(range->first >= 0 && range->first <= range->last,
                    "a record range runs backwards");
    }
    if (const auto puzzle = SizeArgument(text))
        Require(puzzle->rows >= 0 && puzzle->cols >= 0, "a size argument has a negative side");
    return 0;
}
