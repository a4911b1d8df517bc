#include "support/loop_picture.h"

#include <set>
#include <utility>

#include "support/grid_builder.h"

namespace ringlace::test {

namespace {

EdgeState EdgeOf(char ch, char bar) {
    return ch == bar ? Bar : ch == 'x' ? XMark : Free;
}

// The edge from dot (i, j) to the dot right of it, and to the dot below it.
EdgeState Rightwards(const Grid& grid, int i, int j) {
    return grid.CellEdge[i][j][Side::Top];
}
EdgeState Downwards(const Grid& grid, int i, int j) {
    return grid.CellEdge[i][j][Side::Left];
}

}  // namespace

Grid GridFromPicture(const std::vector<std::string>& lines) {
    std::vector<std::string> clues;
    for (std::size_t line = 1; line < lines.size(); line += 2) {
        std::string row;
        for (std::size_t column = 1; column < lines[line].size(); column += 2)
            row += lines[line][column];
        clues.push_back(row);
    }
    Grid grid = GridFromRows(clues);
    const auto at = [&](int line, int column) {
        return lines[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
    };
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            grid.SetEdge(r, c, Side::Top, EdgeOf(at(2 * r - 2, 2 * c - 1), '-'));
            grid.SetEdge(r, c, Side::Bottom, EdgeOf(at(2 * r, 2 * c - 1), '-'));
            grid.SetEdge(r, c, Side::Left, EdgeOf(at(2 * r - 1, 2 * c - 2), '|'));
            grid.SetEdge(r, c, Side::Right, EdgeOf(at(2 * r - 1, 2 * c), '|'));
        }
    }
    return grid;
}

std::vector<std::string> ClueRows(const Grid& grid) {
    return ringlace::ClueRows(grid, '.');
}

bool IsSingleLoop(const Grid& grid) {
    for (int r = 0; r < kCellIndexes; ++r) {
        for (int c = 0; c < kCellIndexes; ++c) {
            const bool real = grid.IsRealCell(r, c);
            for (const Side side : kSides) {
                const EdgeState state = grid.CellEdge[r][c][side];
                const int nr = r + (side == Side::Top ? -1 : side == Side::Bottom ? 1 : 0);
                const int nc = c + (side == Side::Left ? -1 : side == Side::Right ? 1 : 0);
                if (state == Bar && !real && !grid.IsRealCell(nr, nc)) return false;
                if (state == XMark && (real || grid.IsRealCell(nr, nc))) return false;
            }
        }
    }
    // Every dot has no Bar or two; then the Bars form closed loops, and one walk must visit all.
    int bars = 0;
    std::pair<int, int> start{0, 0};
    for (int i = 1; i <= grid.Rows + 1; ++i) {
        for (int j = 1; j <= grid.Cols + 1; ++j) {
            const int degree = (Rightwards(grid, i, j) == Bar) + (Downwards(grid, i, j) == Bar) +
                               (Rightwards(grid, i, j - 1) == Bar) +
                               (Downwards(grid, i - 1, j) == Bar);
            if (degree != 0 && degree != 2) return false;
            if (degree == 2 && start.first == 0) start = {i, j};
            bars += (Rightwards(grid, i, j) == Bar) + (Downwards(grid, i, j) == Bar);
        }
    }
    if (bars == 0) return false;
    std::set<std::pair<int, int>> visited{start};
    std::pair<int, int> at = start;
    for (int walked = 0; walked < bars; ++walked) {
        const auto [i, j] = at;
        const std::pair<int, int> next[] = {{i, j + 1}, {i + 1, j}, {i, j - 1}, {i - 1, j}};
        const bool open[] = {Rightwards(grid, i, j) == Bar, Downwards(grid, i, j) == Bar,
                             Rightwards(grid, i, j - 1) == Bar, Downwards(grid, i - 1, j) == Bar};
        bool moved = false;
        for (int d = 0; d < 4 && !moved; ++d) {
            if (open[d] && (!visited.count(next[d]) || (walked == bars - 1 && next[d] == start))) {
                at = next[d];
                visited.insert(at);
                moved = true;
            }
        }
        if (!moved) return false;
    }
    return at == start && static_cast<int>(visited.size()) == bars;
}

bool CluesMatchLoop(const Grid& grid) {
    for (int k = 1; k <= grid.NumCells; ++k)
        if (grid.Clue[k] != kNoClue &&
            grid.Clue[k] != grid.CountBars(grid.CellRow[k], grid.CellCol[k]))
            return false;
    return true;
}

}  // namespace ringlace::test
