#include "create/pattern_file.h"

#include <cctype>

#include "model/text_file.h"

namespace ringlace {

namespace {

constexpr int kSizeDigits = 4;

// A two-digit size at the front of the line; nothing unless both are digits.
std::optional<int> SizeAt(const std::string& line, std::size_t at) {
    if (line.size() < at + 2) return std::nullopt;
    const auto digit = [&line](std::size_t k) {
        const auto c = static_cast<unsigned char>(line[k]);
        return std::isdigit(c) ? std::optional<int>(c - '0') : std::nullopt;
    };
    const std::optional<int> tens = digit(at);
    const std::optional<int> ones = digit(at + 1);
    if (!tens || !ones) return std::nullopt;
    return 10 * *tens + *ones;
}

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

}  // namespace

int Pattern::Clues() const {
    int clues = 0;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) clues += mask[r][c] == 1 ? 1 : 0;
    return clues;
}

std::string PatternLine(const Pattern& pattern) {
    std::string line = TwoDigits(pattern.rows) + TwoDigits(pattern.cols);
    for (int r = 1; r <= pattern.rows; ++r)
        for (int c = 1; c <= pattern.cols; ++c) line += pattern.mask[r][c] == 1 ? '#' : '.';
    return line;
}

std::optional<Pattern> ReadPatternLine(const std::string& line, int maxRows, int maxCols) {
    const std::optional<int> rows = SizeAt(line, 0);
    const std::optional<int> cols = SizeAt(line, 2);
    if (!rows || !cols || *rows < 1 || *rows > maxRows || *cols < 1 || *cols > maxCols)
        return std::nullopt;
    if (line.size() < static_cast<std::size_t>(kSizeDigits + *rows * *cols)) return std::nullopt;
    Pattern pattern{*rows, *cols};
    std::size_t at = kSizeDigits;
    for (int r = 1; r <= *rows; ++r)
        for (int c = 1; c <= *cols; ++c) pattern.mask[r][c] = line[at++] == '#' ? 1 : 0;
    if (pattern.Clues() == 0) return std::nullopt;
    return pattern;
}

std::optional<Pattern> LoadPatternAt(const std::string& file, int n, int maxRows, int maxCols) {
    const std::optional<std::string> line = ReadLineAt(file, n);
    if (!line) return std::nullopt;
    return ReadPatternLine(*line, maxRows, maxCols);
}

}  // namespace ringlace
