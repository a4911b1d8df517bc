#include "solver/verification.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "solver/checks.h"
#include "solver/puzzle_clues.h"

namespace ringlace {

namespace {

struct Region {
    int size = 0;
    bool settled = true;  // each side of each cell is a Bar or leads to a coloured cell
    bool reachesFrame = false;
};

// The cells a region search has taken, and its queue, shared by the searches of one check.
struct Flood {
    Table2<std::uint8_t, kCellIndexes> seen{};
    std::vector<std::pair<int, int>> queue;
};

// The region of (r, c): the cells of its colour reached through sides that are not Bars.
// Frame cells join a region but are not searched beyond.
Region FloodFrom(const Grid& grid, int r, int c, Flood& flood) {
    const std::int32_t colour = grid.CellColour[r][c];
    Region region;
    auto& queue = flood.queue;
    queue.clear();
    queue.emplace_back(r, c);
    flood.seen[r][c] = 1;
    for (std::size_t at = 0; at < queue.size(); ++at) {
        const auto [cr, cc] = queue[at];
        if (!grid.IsRealCell(cr, cc)) {
            region.reachesFrame = true;
            continue;
        }
        ++region.size;
        // One look at each side serves the cell test (a side that is no Bar must lead to a
        // coloured cell) and the search.
        for (const Side side : kSides) {
            if (grid.CellEdge[cr][cc][side] == Bar) continue;
            const int nr = cr + RowStep(side);
            const int nc = cc + ColStep(side);
            const std::int32_t beyond = grid.CellColour[nr][nc];
            if (beyond == 0) region.settled = false;
            if (beyond != colour || flood.seen[nr][nc]) continue;
            flood.seen[nr][nc] = 1;
            queue.emplace_back(nr, nc);
        }
    }
    return region;
}

bool IsBorderCell(const Grid& grid, int r, int c) {
    return r == 1 || r == grid.Rows || c == 1 || c == grid.Cols;
}

}  // namespace

// Each region is searched whole, once. (A search that gives up at the first unsettled cell and
// leaves the rest of its region half-visited would let a later search see only a fragment and
// call it a closed loop.)
bool ClosedRegion(const Grid& grid, std::int32_t colour) {
    int total = 0;
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c) total += grid.CellColour[r][c] == colour;
    Flood flood;
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            if (grid.CellColour[r][c] != colour || flood.seen[r][c]) continue;
            const Region region = FloodFrom(grid, r, c, flood);
            // A region of one cell lists no entries, so it always counts as too small.
            const int entries = region.size == 1 ? 0 : region.size;
            if (region.settled && entries < total) return true;
        }
    }
    return false;
}

bool ShutInPinkRegion(const Grid& grid) {
    Flood flood;
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            // A search starts only from a cell off the border, but takes the whole region.
            if (grid.CellColour[r][c] != Pink || IsBorderCell(grid, r, c)) continue;
            if (flood.seen[r][c]) continue;
            const Region region = FloodFrom(grid, r, c, flood);
            if (region.settled && !region.reachesFrame) return true;
        }
    }
    return false;
}

namespace {

// The sides and dot links of the last grid whose rule checks found nothing broken. Every check is
// local: whether a dot or cell breaks a rule depends only on the cells of its own row and the
// rows beside it. So in a grid that differs from that one in a few rows, a problem can only lie
// in those rows or next to them, and only they are checked. The solver's trials change a few rows
// of a grid that was sound; a grid with other clues or another size is checked whole.
class SoundEntries {
public:
    CheckResult Check(const Grid& grid) {
        if (puzzle_.Same(grid)) {
            const RowMask changed = ChangedRows(grid);
            if (changed == 0) return {};
            if (!CheckEntriesInRows(grid, changed | (changed << 1) | (changed >> 1)).Broken()) {
                Keep(grid);
                return {};
            }
        }
        CheckResult found = CheckEntries(grid);
        if (!found.Broken()) Keep(grid);
        return found;
    }

private:
    // Rows of cells whose sides, or of dots whose links, differ from the grid kept.
    RowMask ChangedRows(const Grid& grid) const {
        RowMask changed = 0;
        for (int r = 0; r <= grid.Rows + 1; ++r) {
            for (int c = 0; c <= grid.Cols + 1; ++c) {
                if (StatesWord(grid.CellEdge[r][c]) != sides_[r][c] ||
                    StatesWord(grid.NodeLink[r][c]) != links_[r][c]) {
                    changed |= RowMask{1} << r;
                    break;
                }
            }
        }
        return changed;
    }

    void Keep(const Grid& grid) {
        puzzle_.Take(grid);
        for (int r = 0; r <= grid.Rows + 1; ++r) {
            for (int c = 0; c <= grid.Cols + 1; ++c) {
                sides_[r][c] = StatesWord(grid.CellEdge[r][c]);
                links_[r][c] = StatesWord(grid.NodeLink[r][c]);
            }
        }
    }

    PuzzleClues puzzle_;
    Table2<std::uint32_t, kCellIndexes> sides_{};
    Table2<std::uint32_t, kCellIndexes> links_{};
};

// The rule checks, then the two region checks: what is broken, or nothing.
CheckResult FirstProblem(const Grid& grid) {
    thread_local SoundEntries sound;
    CheckResult found = sound.Check(grid);
    if (found.Broken()) return found;
    if (ClosedRegion(grid, Yellow)) return {0, 0, "Closed Loop Yellow"};
    if (ShutInPinkRegion(grid)) return {0, 0, "An isolated pink"};
    return {};
}

bool AllColoured(const Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            if (grid.CellColour[r][c] == 0) return false;
    return true;
}

}  // namespace

Verification VerifyPuzzle(const Grid& grid) {
    CheckResult problem = FirstProblem(grid);
    if (!problem.Broken()) {
        if (!AllColoured(grid)) return {};
        problem = CheckNodeBars(grid);
    }
    if (problem.Broken()) return {VerifyResult::Broken, problem};
    return {VerifyResult::Done, {}};
}

Verification VerifyButtonCheck(const Grid& grid) {
    CheckResult problem = FirstProblem(grid);
    if (!problem.Broken()) problem = CheckNodeBars(grid);
    if (problem.Broken()) return {VerifyResult::Broken, problem};
    return {VerifyResult::Done, {}};
}

}  // namespace ringlace
