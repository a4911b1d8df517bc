#include "cli/record_range.h"

#include <algorithm>

#include "cli/number_argument.h"

namespace ringlace::cli {

std::optional<RecordRange> ParseRecordRange(const std::string& text, int recordCount) {
    if (text == "all") return RecordRange{1, std::max(recordCount, 1)};
    const std::size_t dash = text.find('-');
    const std::optional<int> first = NumberArgument(text.substr(0, dash));
    const std::optional<int> last =
        dash == std::string::npos ? first : NumberArgument(text.substr(dash + 1));
    if (!first || !last || *first > *last) return std::nullopt;
    return RecordRange{*first, *last};
}

}  // namespace ringlace::cli
