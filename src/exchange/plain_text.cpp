#include "exchange/plain_text.h"

#include <algorithm>

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

std::optional<ClueGrid> ReadPlainText(const std::vector<std::string>& lines, TextOrigin origin,
                                      int maxRows, int maxCols) {
    std::size_t width = 0;
    if (origin == TextOrigin::File) {
        for (const std::string& line : lines) width = std::max(width, line.size());
    } else if (!lines.empty()) {
        width = lines.front().size();
    }
    const auto rows = static_cast<int>(std::min<std::size_t>(lines.size(), maxRows + 1u));
    const auto cols = static_cast<int>(std::min<std::size_t>(width, maxCols + 1u));
    if (rows < 1 || rows > maxRows || cols < 1 || cols > maxCols) return std::nullopt;

    const std::string blanks = origin == TextOrigin::File ? ". " : ". x";
    ClueGrid clues{rows, cols, {}};
    for (const std::string& line : lines) {
        for (std::size_t c = 0; c < width; ++c) {
            const char ch = c < line.size() ? line[c] : ' ';
            if (ch >= '0' && ch <= '3')
                clues.clues.push_back(static_cast<ClueValue>(ch - '0'));
            else if (blanks.find(ch) != std::string::npos)
                clues.clues.push_back(kNoClue);
            else
                return std::nullopt;
        }
    }
    return clues;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char ch = text[k];
        if (ch != '\r' && ch != '\n') {
            lines.back() += ch;
            continue;
        }
        if (ch == '\r' && k + 1 < text.size() && text[k + 1] == '\n') ++k;
        if (k + 1 < text.size()) lines.emplace_back();
    }
    return lines;
}

}  // namespace ringlace
