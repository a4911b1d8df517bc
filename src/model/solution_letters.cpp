#include "model/solution_letters.h"

#include <array>
#include <string_view>

namespace ringlace {

namespace {

struct LetterSides {
    char letter;
    std::string_view digits;
};

constexpr std::array<LetterSides, 15> kLetters{{{'A', "1"},
                                                {'B', "12"},
                                                {'C', "123"},
                                                {'D', "124"},
                                                {'E', "13"},
                                                {'F', "14"},
                                                {'G', "2"},
                                                {'H', "23"},
                                                {'I', "234"},
                                                {'J', "24"},
                                                {'K', "3"},
                                                {'L', "34"},
                                                {'M', "134"},
                                                {'N', "4"},
                                                {'X', ""}}};

}  // namespace

std::string EncodeCell(const std::string& digits) {
    for (const auto& entry : kLetters)
        if (entry.digits == digits) return std::string(1, entry.letter);
    return "";
}

std::string DecodeCell(char letter) {
    for (const auto& entry : kLetters)
        if (entry.letter == letter) return std::string(entry.digits);
    return "";
}

std::string CellLetter(const Grid& grid, int r, int c) {
    std::string digits;
    for (const Side side : kSides)
        if (grid.CellEdge[r][c][side] == Bar) digits += static_cast<char>('0' + SideNumber(side));
    return EncodeCell(digits);
}

std::string SolutionLetters(const Grid& grid) {
    std::string letters;
    letters.reserve(static_cast<std::size_t>(grid.NumCells));
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c) letters += CellLetter(grid, r, c);
    return letters;
}

void MakeSolutionCode(Grid& grid) {
    grid.SolutionCode = SolutionLetters(grid);
}

void ApplySolution(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            for (const Side side : kSides) grid.SetEdge(r, c, side, Free);
        }
    }
    const int letters = static_cast<int>(grid.SolutionCode.size());
    for (int k = 1; k <= grid.NumCells && k <= letters; ++k) {
        for (char digit : DecodeCell(grid.SolutionCode[static_cast<std::size_t>(k - 1)]))
            grid.SetEdge(grid.CellRow[k], grid.CellCol[k], SideOfNumber(digit - '0'), Bar);
    }
}

}  // namespace ringlace
