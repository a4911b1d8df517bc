#include "exchange/game_id.h"

#include "model/grid.h"

namespace ringlace {

namespace {

constexpr int kLongestRun = 26;

// A whole number of 1 to 3 digits, the whole of the text.
std::optional<int> SizeNumber(const std::string& text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    for (const char ch : text)
        if (ch < '0' || ch > '9') return std::nullopt;
    return std::stoi(text);
}

}  // namespace

std::string GameId(const ClueGrid& clues) {
    std::string id = NumText(clues.cols) + "x" + NumText(clues.rows) + "t0:";
    int blanks = 0;
    const auto writeBlanks = [&] {
        for (; blanks > 0; blanks -= kLongestRun)
            id += static_cast<char>('a' + std::min(blanks, kLongestRun) - 1);
        blanks = 0;
    };
    for (const ClueValue clue : clues.clues) {
        if (clue == kNoClue) {
            ++blanks;
            continue;
        }
        writeBlanks();
        id += static_cast<char>('0' + clue);
    }
    writeBlanks();
    return id;
}

std::optional<ClueGrid> ReadGameId(const std::string& text, int maxRows, int maxCols) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::nullopt;
    const std::string id = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    const auto colon = id.find(':');
    if (colon == std::string::npos) return std::nullopt;
    std::string size = id.substr(0, colon);
    // The square grid is type 0, which is also what an ID without a type means.
    const auto type = size.find('t');
    if (type != std::string::npos) {
        if (size.substr(type) != "t0") return std::nullopt;
        size.erase(type);
    }
    const auto x = size.find('x');
    if (x == std::string::npos) return std::nullopt;
    const std::optional<int> cols = SizeNumber(size.substr(0, x));
    const std::optional<int> rows = SizeNumber(size.substr(x + 1));
    if (!cols || !rows || *rows < 1 || *rows > maxRows || *cols < 1 || *cols > maxCols)
        return std::nullopt;

    ClueGrid clues{*rows, *cols, {}};
    const std::size_t cells = static_cast<std::size_t>(*rows * *cols);
    for (std::size_t k = colon + 1; k < id.size(); ++k) {
        const char ch = id[k];
        if (ch >= '0' && ch <= '3')
            clues.clues.push_back(static_cast<ClueValue>(ch - '0'));
        else if (ch >= 'a' && ch <= 'z')
            clues.clues.insert(clues.clues.end(), static_cast<std::size_t>(ch - 'a' + 1), kNoClue);
        else
            return std::nullopt;
        if (clues.clues.size() > cells) return std::nullopt;
    }
    if (clues.clues.size() != cells) return std::nullopt;
    return clues;
}

}  // namespace ringlace
