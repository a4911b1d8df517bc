#include "cli/size_argument.h"

#include "cli/number_argument.h"
#include "model/text.h"

namespace ringlace::cli {

std::optional<PuzzleSize> SizeArgument(const std::string& text) {
    const std::size_t x = ToLower(text).find('x');
    if (x == std::string::npos) return std::nullopt;
    const std::optional<int> rows = NumberArgument(text.substr(0, x));
    const std::optional<int> cols = NumberArgument(text.substr(x + 1));
    if (!rows || !cols) return std::nullopt;
    return PuzzleSize{*rows, *cols};
}

}  // namespace ringlace::cli
