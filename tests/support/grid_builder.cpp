#include "support/grid_builder.h"

#include <gtest/gtest.h>

#include "model/clue_grid.h"
#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "model/text_file.h"

namespace ringlace::test {

Grid GridFromRows(const std::vector<std::string>& rows) {
    std::string clues;
    for (const std::string& row : rows) clues += row;
    return GridFromClues(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()),
                         clues);
}

Grid GridFromClues(int rows, int cols, std::string clues) {
    clues.resize(static_cast<std::size_t>(rows * cols), ' ');
    ClueGrid placed{rows, cols, {}};
    for (const char ch : clues)
        placed.clues.push_back(ch >= '0' && ch <= '3' ? static_cast<ClueValue>(ch - '0') : kNoClue);
    Grid grid;
    PlaceClues(grid, placed);
    return grid;
}

void SetSides(Grid& grid, int r, int c, const std::string& sides, EdgeState state) {
    for (char side : sides)
        grid.SetEdge(r, c,
                     side == 'L'   ? Side::Left
                     : side == 'T' ? Side::Top
                     : side == 'R' ? Side::Right
                                   : Side::Bottom,
                     state);
}

std::string SidesOf(const Grid& grid, int r, int c) {
    std::string text;
    for (const Side side : kSides) {
        const EdgeState edge = grid.CellEdge[r][c][side];
        text += edge == Outside ? '-' : static_cast<char>('0' + edge);
    }
    return text;
}

void LoopAround(Grid& grid, int top, int left, int bottom, int right) {
    for (int c = left; c <= right; ++c) {
        grid.SetEdge(top, c, Side::Top, Bar);
        grid.SetEdge(bottom, c, Side::Bottom, Bar);
    }
    for (int r = top; r <= bottom; ++r) {
        grid.SetEdge(r, left, Side::Left, Bar);
        grid.SetEdge(r, right, Side::Right, Bar);
    }
}

void BarsAroundRegion(Grid& grid, const std::vector<std::string>& region) {
    const auto inside = [&region](int r, int c) {
        return r >= 1 && r <= static_cast<int>(region.size()) && c >= 1 &&
               c <= static_cast<int>(region[r - 1].size()) && region[r - 1][c - 1] == '#';
    };
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (const Side side : kSides)
                if (inside(r, c) && !inside(r + RowStep(side), c + ColStep(side)))
                    grid.SetEdge(r, c, side, Bar);
}

Grid RecordGrid(const std::string& file, int n) {
    Grid grid;
    const std::optional<std::string> line = ReadLineAt(file, n);
    EXPECT_TRUE(line && LoadRecord(grid, *line)) << file << " record " << n;
    return grid;
}

Grid SolvedGrid(const std::vector<std::string>& rows, const std::string& letters) {
    Grid grid = GridFromRows(rows);
    grid.SolutionCode = letters;
    ApplySolution(grid);
    return grid;
}

}  // namespace ringlace::test
