#include "exchange/plain_text.h"

namespace ringlace {

std::vector<std::string> PlainTextLines(const ClueGrid& clues) {
    std::vector<std::string> lines;
    for (int r = 0; r < clues.rows; ++r) {
        std::string line;
        for (int c = 0; c < clues.cols; ++c) {
            const ClueValue clue = clues.clues[static_cast<std::size_t>(r * clues.cols + c)];
            line += clue == kNoClue ? '.' : static_cast<char>('0' + clue);
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace ringlace
