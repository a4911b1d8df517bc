#include "solver/checks.h"

#include <utility>

namespace ringlace {

namespace {

bool IsThree(const Grid& grid, int r, int c) {
    return grid.Clue[grid.CellNum[r][c]] == 3;
}

// The first problem check(r, c) finds at the places of rows r0..r1 and columns c0..c1, row by row.
template <typename Check>
CheckResult FirstAt(const Places& places, int r0, int r1, int c0, int c1, Check check) {
    CheckResult found;
    AnyPlace(places, r0, r1, c0, c1, [&](int r, int c) {
        // Nearly every place is sound: only a problem is moved out.
        CheckResult here = check(r, c);
        if (!here.Broken()) return false;
        found = std::move(here);
        return true;
    });
    return found;
}

CheckResult DeadEnds(const Grid& grid, const Places& places) {
    return FirstAt(places, 1, grid.Rows, 1, grid.Cols, [&grid](int i, int j) -> CheckResult {
        const StateCounts counts = CountNodeLinks(grid, i, j);
        if (counts.crosses == 3 && counts.bars == 1) return {i, j, "3X and 1B not valid"};
        return {};
    });
}

CheckResult CluesOutOfReach(const Grid& grid, const Places& places) {
    return FirstAt(places, 1, grid.Rows, 1, grid.Cols, [&grid](int r, int c) -> CheckResult {
        const int n = grid.ClueNumber(grid.CellNum[r][c]);
        if (n == 0) return {};
        const StateCounts sides = CountStates(grid.CellEdge[r][c]);
        if (sides.bars + sides.free < n)
            return {r, c, "not enough free places for cell value" + NumText(n)};
        return {};
    });
}

CheckResult OverfullPlaces(const Grid& grid, const Places& places) {
    return FirstAt(places, 0, grid.Rows + 1, 0, grid.Cols + 1,
                   [&grid](int i, int j) -> CheckResult {
                       const StateCounts counts = CountNodeLinks(grid, i, j);
                       if (counts.bars > 2) return {i, j, "more than 2 bars"};
                       if (counts.bars == 1 && counts.crosses + counts.outside == 3)
                           return {i, j, "one bar - no free place"};
                       if (!grid.IsRealCell(i, j)) return {};
                       const ClueValue clue = grid.Clue[grid.CellNum[i][j]];
                       const int cellBars = CountStates(grid.CellEdge[i][j]).bars;
                       if (clue != kNoClue && cellBars > clue) return {i, j, "too many bars"};
                       if (cellBars == 4) return {i, j, "boxed"};
                       return {};
                   });
}

CheckResult StrandedBars(const Grid& grid, const Places& places) {
    const auto& edge = grid.CellEdge;
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    // A bar between two border cells whose border sides are both X.
    const auto along = [&](int r0, int r1, int c0, int c1, Side border, Side between,
                           const char* message) {
        const int dr = between == Side::Bottom;
        const int dc = between == Side::Right;
        return FirstAt(places, r0, r1, c0, c1, [&](int r, int c) -> CheckResult {
            if (edge[r][c][border] == XMark && edge[r][c][between] == Bar &&
                edge[r + dr][c + dc][border] == XMark)
                return {r, c, message};
            return {};
        });
    };
    for (CheckResult found :
         {along(1, 1, 1, cols - 1, Side::Top, Side::Right, "vertical bar stranded"),
          along(rows, rows, 1, cols - 1, Side::Bottom, Side::Right, "vertical bar stranded"),
          along(1, rows - 1, 1, 1, Side::Left, Side::Bottom, "horizontal bar stranded"),
          along(1, rows - 1, cols, cols, Side::Right, Side::Bottom, "horizontal bar stranded")})
        if (found.Broken()) return found;
    return {};
}

// The clue and the side are looked at before the bars are counted: most cells are no "3".
CheckResult BoxesBesideThrees(const Grid& grid, const Places& places) {
    const char* const message = "3B and 1X with neighbor 3 not valid";
    const auto& edge = grid.CellEdge;
    CheckResult found =
        FirstAt(places, 1, grid.Rows, 1, grid.Cols - 1, [&](int r, int c) -> CheckResult {
            if (IsThree(grid, r, c + 1) && edge[r][c + 1][Side::Left] == XMark &&
                grid.CountBars(r, c) == 3)
                return {r, c, message};
            if (IsThree(grid, r, c) && edge[r][c][Side::Right] == XMark &&
                grid.CountBars(r, c + 1) == 3)
                return {r, c, message};
            return {};
        });
    if (found.Broken()) return found;
    return FirstAt(places, 1, grid.Rows - 1, 1, grid.Cols, [&](int r, int c) -> CheckResult {
        if (IsThree(grid, r + 1, c) && edge[r + 1][c][Side::Top] == XMark &&
            grid.CountBars(r, c) == 3)
            return {r, c, message};
        if (IsThree(grid, r, c) && edge[r][c][Side::Bottom] == XMark &&
            grid.CountBars(r + 1, c) == 3)
            return {r, c, message};
        return {};
    });
}

}  // namespace

int CountFreeSides(const Grid& grid, int r, int c) {
    return CountStates(grid.CellEdge[r][c]).free;
}
int CountXSides(const Grid& grid, int r, int c) {
    return CountStates(grid.CellEdge[r][c]).crosses;
}

int NodeBarCount(const Grid& grid, int i, int j) {
    return CountNodeLinks(grid, i, j).bars;
}

Places AroundPlaces(const Places& places, int rows) {
    Places around{};
    for (int r = 0; r <= rows + 1; ++r) {
        const auto at = static_cast<std::size_t>(r);
        std::uint64_t near = places[at];
        if (r > 0) near |= places[at - 1];
        if (r + 1 < kCellIndexes) near |= places[at + 1];
        around[at] = near | (near << 1) | (near >> 1);
    }
    return around;
}

CheckResult CheckEntriesAt(const Grid& grid, const Places& places) {
    for (auto check :
         {DeadEnds, CluesOutOfReach, OverfullPlaces, StrandedBars, BoxesBesideThrees}) {
        CheckResult found = check(grid, places);
        if (found.Broken()) return found;
    }
    return {};
}

CheckResult CheckEntries(const Grid& grid) {
    return CheckEntriesAt(grid, kEveryPlace);
}

CheckResult CheckNodeBars(const Grid& grid) {
    for (int i = 0; i <= grid.Rows + 1; ++i) {
        for (int j = 0; j <= grid.Cols + 1; ++j) {
            const int bars = CountNodeLinks(grid, i, j).bars;
            if (bars > 2) return {i, j, "more than 2 bars"};
            if (bars == 1) return {i, j, "one isolated bar"};
        }
    }
    return {};
}

}  // namespace ringlace
