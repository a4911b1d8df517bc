#include "model/grid.h"

#include <algorithm>

namespace ringlace {

namespace {

char EdgeDigit(EdgeState state) {
    return static_cast<char>('0' + std::max<int>(state, 0));
}

}  // namespace

std::string NumText(long long n) {
    return std::to_string(n);
}

std::vector<std::string> ClueRows(const Grid& grid, char blank) {
    std::vector<std::string> rows;
    for (int r = 1; r <= grid.Rows; ++r) {
        std::string row;
        for (int c = 1; c <= grid.Cols; ++c) {
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            row += clue == kNoClue ? blank : static_cast<char>('0' + clue);
        }
        rows.push_back(row);
    }
    return rows;
}

Grid::Grid() {
    Clue.fill(kNoClue);
    OrigClue.fill(kNoClue);
    BuildCellIndex();
}

void Grid::BuildCellIndex() {
    NumCells = Rows * Cols;
    MaxDim = std::max(Rows, Cols);
    for (int r = 0; r <= Rows + 1; ++r)
        for (int c = 0; c <= Cols + 1; ++c) CellNum[r][c] = 0;
    CellRow[0] = 0;
    CellCol[0] = 0;
    for (int r = 1; r <= Rows; ++r) {
        for (int c = 1; c <= Cols; ++c) {
            const int k = (r - 1) * Cols + c;
            CellNum[r][c] = k;
            CellRow[k] = r;
            CellCol[k] = c;
        }
    }
}

void Grid::BuildNodeEdgeRef() {
    for (int i = 0; i <= Rows + 1; ++i)
        for (int j = 0; j <= Cols + 1; ++j)
            for (const Side dir : kSides) NodeEdgeRef[i][j][dir] = NodeEdgeName{};
    for (int i = 1; i <= Rows + 1; ++i) {
        for (int j = 1; j <= Cols + 1; ++j) {
            auto& refs = NodeEdgeRef[i][j];
            refs[Side::Left] = NodeEdgeName{true, Side::Top, 0, -1};
            refs[Side::Top] = NodeEdgeName{true, Side::Right, -1, -1};
            refs[Side::Right] = NodeEdgeName{true, Side::Top, 0, 0};
            refs[Side::Bottom] = NodeEdgeName{true, Side::Left, 0, 0};
        }
    }
}

int Grid::CountBlankClues() const {
    int blanks = 0;
    for (int k = 1; k <= NumCells; ++k) blanks += Clue[k] == kNoClue;
    return blanks;
}

void Grid::ResetColours() {
    for (int r = 0; r <= Rows; ++r)
        for (int c = 0; c <= Cols; ++c) CellColour[r][c] = 0;
    for (int c = 0; c <= Cols + 1; ++c) {
        CellColour[0][c] = Pink;
        CellColour[Rows + 1][c] = Pink;
    }
    for (int r = 1; r <= Rows; ++r) {
        CellColour[r][0] = Pink;
        CellColour[r][Cols + 1] = Pink;
    }
}

void Grid::SaveEntries(int slot) {
    SavedEdges& saved = SavedEntries[slot];
    saved.horizontal.clear();
    saved.vertical.clear();
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c) saved.horizontal += EdgeDigit(CellEdge[r][c][Side::Top]);
    for (int c = 1; c <= Cols; ++c) saved.horizontal += EdgeDigit(CellEdge[Rows][c][Side::Bottom]);
    for (int r = 1; r <= Rows; ++r) {
        for (int c = 1; c <= Cols; ++c) saved.vertical += EdgeDigit(CellEdge[r][c][Side::Left]);
        saved.vertical += EdgeDigit(CellEdge[r][Cols][Side::Right]);
    }
}

// Restores the edges only. Cell colours are left as they are: nothing between SaveEntries and
// RestoreEntries changes them, and clearing them would throw away the player's colour entries and
// the Pink frame that autofill relies on.
void Grid::RestoreEntries(int slot) {
    const SavedEdges& saved = SavedEntries[slot];
    const auto digit = [](const std::string& text, std::size_t at) -> EdgeState {
        if (at >= text.size()) return Free;
        const int value = text[at] - '0';
        return value >= Free && value <= XMark ? static_cast<EdgeState>(value) : Free;
    };
    std::size_t at = 0;
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c) SetEdge(r, c, Side::Top, digit(saved.horizontal, at++));
    for (int c = 1; c <= Cols; ++c) SetEdge(Rows, c, Side::Bottom, digit(saved.horizontal, at++));
    at = 0;
    for (int r = 1; r <= Rows; ++r) {
        for (int c = 1; c <= Cols; ++c) SetEdge(r, c, Side::Left, digit(saved.vertical, at++));
        SetEdge(r, Cols, Side::Right, digit(saved.vertical, at++));
    }
}

void Grid::ResetGrid() {
    for (int r = 0; r <= Rows + 1; ++r)
        for (int c = 0; c <= Cols + 1; ++c) CellEdge[r][c].fill(Outside);
    for (int r = 1; r <= Rows; ++r) {
        for (int c = 1; c <= Cols; ++c) {
            SetEdge(r, c, Side::Left, Free);
            SetEdge(r, c, Side::Top, Free);
            SetEdge(r, c, Side::Right, Free);
            SetEdge(r, c, Side::Bottom, Free);
        }
    }
}

}  // namespace ringlace
