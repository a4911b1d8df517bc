#include "model/line_shuffle.h"

#include <unordered_set>
#include <utility>

#include "model/text.h"

namespace ringlace {

ShuffledLines DropDuplicatesAndShuffle(const std::vector<std::string>& lines,
                                       RandomSource& random) {
    ShuffledLines result;
    std::unordered_set<std::string> seen;
    for (const std::string& line : lines) {
        if (Trim(line).empty())
            ++result.blank;
        else if (!seen.insert(ToLower(line)).second)
            ++result.duplicates;
        else
            result.lines.push_back(line);
    }
    // Fisher and Yates: every order equally likely.
    for (std::size_t i = result.lines.size(); i > 1; --i)
        std::swap(result.lines[i - 1],
                  result.lines[static_cast<std::size_t>(random.Below(static_cast<int>(i)))]);
    return result;
}

}  // namespace ringlace
