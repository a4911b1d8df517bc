#include "solver/loop_checks.h"

#include <functional>
#include <optional>
#include <vector>

namespace ringlace::test {

namespace {

struct Geometry {
    int rows;
    int cols;
    int Dot(int i, int j) const { return i * (cols + 1) + j; }
    int Horizontal(int i, int j) const { return i * cols + j; }
    int Vertical(int i, int j) const { return (rows + 1) * cols + i * (cols + 1) + j; }
    // The edges on sides L, T, R, B of the 0-based cell (r, c).
    std::array<int, 4> Sides(int r, int c) const {
        return {Vertical(r, c), Horizontal(r, c), Vertical(r, c + 1), Horizontal(r + 1, c)};
    }
};

}  // namespace

Grid GridWithClues(int rows, int cols, const std::string& clues) {
    Grid grid;
    grid.Rows = rows;
    grid.Cols = cols;
    grid.BuildCellIndex();
    grid.ResetGrid();
    for (int k = 1; k <= grid.NumCells; ++k) {
        const char ch = clues.at(static_cast<std::size_t>(k - 1));
        grid.Clue[k] = ch == ' ' ? kNoClue : static_cast<ClueValue>(ch - '0');
    }
    return grid;
}

Grid GridOfRecord(const std::string& record) {
    const int rows = std::stoi(record.substr(0, 2));
    const int cols = std::stoi(record.substr(2, 2));
    return GridWithClues(rows, cols, record.substr(6, static_cast<std::size_t>(rows * cols)));
}

std::set<EdgeSet> AllLoops(int rows, int cols) {
    const Geometry geometry{rows, cols};
    struct Step {
        int dot;
        int edge;
    };
    std::vector<std::vector<Step>> next(static_cast<std::size_t>((rows + 1) * (cols + 1)));
    const auto link = [&](int a, int b, int edge) {
        next[static_cast<std::size_t>(a)].push_back({b, edge});
        next[static_cast<std::size_t>(b)].push_back({a, edge});
    };
    for (int i = 0; i <= rows; ++i)
        for (int j = 0; j < cols; ++j)
            link(geometry.Dot(i, j), geometry.Dot(i, j + 1), geometry.Horizontal(i, j));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j <= cols; ++j)
            link(geometry.Dot(i, j), geometry.Dot(i + 1, j), geometry.Vertical(i, j));

    std::set<EdgeSet> loops;
    std::vector<bool> visited(next.size(), false);
    // Each cycle is walked from its lowest dot, once in each direction; the set keeps one.
    std::function<void(int, int, EdgeSet, int)> walk = [&](int start, int dot, EdgeSet edges,
                                                           int length) {
        for (const Step& step : next[static_cast<std::size_t>(dot)]) {
            if ((edges >> step.edge) & 1u) continue;
            if (step.dot == start && length >= 3) loops.insert(edges | (EdgeSet{1} << step.edge));
            if (step.dot <= start || visited[static_cast<std::size_t>(step.dot)]) continue;
            visited[static_cast<std::size_t>(step.dot)] = true;
            walk(start, step.dot, edges | (EdgeSet{1} << step.edge), length + 1);
            visited[static_cast<std::size_t>(step.dot)] = false;
        }
    };
    for (int start = 0; start < static_cast<int>(next.size()); ++start) walk(start, start, 0, 0);
    return loops;
}

std::string CluesOf(int rows, int cols, EdgeSet loop) {
    const Geometry geometry{rows, cols};
    std::string clues;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            int bars = 0;
            for (int edge : geometry.Sides(r, c)) bars += static_cast<int>((loop >> edge) & 1u);
            clues += bars < 4 ? static_cast<char>('0' + bars) : ' ';
        }
    }
    return clues;
}

bool MatchesClues(const Grid& grid, EdgeSet loop) {
    const Geometry geometry{grid.Rows, grid.Cols};
    for (int r = 0; r < grid.Rows; ++r) {
        for (int c = 0; c < grid.Cols; ++c) {
            const ClueValue clue = grid.Clue[grid.CellNum[r + 1][c + 1]];
            if (clue == kNoClue) continue;
            int bars = 0;
            for (int edge : geometry.Sides(r, c)) bars += static_cast<int>((loop >> edge) & 1u);
            if (bars != clue) return false;
        }
    }
    return true;
}

EdgeSet EdgesOf(const FoundLoop& loop) {
    const Geometry geometry{loop.rows, loop.cols};
    EdgeSet edges = 0;
    for (int r = 0; r < loop.rows; ++r) {
        for (int c = 0; c < loop.cols; ++c) {
            const auto sides = geometry.Sides(r, c);
            for (const Side side : kSides)
                if (loop.IsBar(r + 1, c + 1, side)) edges |= EdgeSet{1} << sides[SideIndex(side)];
        }
    }
    return edges;
}

std::string LoopFault(const Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            if (clue != kNoClue && grid.CountBars(r, c) != clue)
                return "cell " + std::to_string(r) + "," + std::to_string(c) +
                       " does not match its clue";
        }
    }
    // Walk the loop from its first dot; it must come back having used every bar.
    int bars = 0;
    int startI = 0;
    int startJ = 0;
    for (int i = 1; i <= grid.Rows + 1; ++i) {
        for (int j = 1; j <= grid.Cols + 1; ++j) {
            int degree = 0;
            for (const Side dir : kSides) degree += grid.NodeLink[i][j][dir] == Bar;
            if (degree != 0 && degree != 2) return "a dot has " + std::to_string(degree) + " bars";
            bars += degree;
            if (degree == 2 && startI == 0) {
                startI = i;
                startJ = j;
            }
        }
    }
    if (bars == 0) return "no loop";
    int i = startI;
    int j = startJ;
    std::optional<Side> from;
    int walked = 0;
    do {
        std::optional<Side> next;
        for (const Side dir : kSides)
            if (!next && grid.NodeLink[i][j][dir] == Bar && dir != from) next = dir;
        if (!next) return "the bars form more than one loop";
        const Side dir = *next;
        i += RowStep(dir);
        j += ColStep(dir);
        from = NextSide(NextSide(dir));
        ++walked;
    } while (i != startI || j != startJ);
    return walked * 2 == bars ? "" : "the bars form more than one loop";
}

}  // namespace ringlace::test
