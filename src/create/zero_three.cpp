#include "create/zero_three.h"

#include <string>
#include <vector>

#include "create/clue_rules.h"
#include "create/loop_growth.h"
#include "solver/colour_engine.h"
#include "solver/link_ambiguities.h"
#include "solver/solution_counter.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"

namespace ringlace {

namespace {

void CluesFromBars(Grid& grid) {
    for (int k = 1; k <= grid.NumCells; ++k) {
        const int bars = grid.CountBars(grid.CellRow[k], grid.CellCol[k]);
        grid.Clue[k] = bars == 3 ? 3 : bars == 0 ? 0 : kNoClue;
        grid.OrigClue[k] = grid.Clue[k];
    }
}

bool ShowsThree(const Grid& grid, int r, int c) {
    return grid.IsRealCell(r, c) && grid.Clue[grid.CellNum[r][c]] == 3;
}

// The cell's sides become Bars where the text names them and Free elsewhere ("TLR").
void SetBars(Grid& grid, int r, int c, const std::string& bars) {
    const std::string letters = "LTRB";
    for (const Side side : kSides)
        grid.SetEdge(r, c, side,
                     bars.find(letters[SideIndex(side)]) != std::string::npos ? Bar : Free);
}

// A lone Bar in a clue-free neighbourhood is exchanged for the cell's three other sides when the
// two dots across the cell carry no Bar: the loop stays one loop and the cell gets a "3".
void MakeThrees(Grid& grid) {
    const struct {
        const char* lone;
        const char* u;
        int dot1r, dot1c, dot2r, dot2c;  // the dots across the cell, as offsets of (r, c)
    } rewrites[] = {{".T..", "LRB", 1, 0, 1, 1},
                    {"...B", "LTR", 0, 0, 0, 1},
                    {"L...", "TRB", 0, 1, 1, 1},
                    {"..R.", "LTB", 0, 0, 1, 0}};
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            if (ShowsClue(grid, r, c) || ShowsClue(grid, r, c - 1) || ShowsClue(grid, r, c + 1) ||
                ShowsClue(grid, r - 1, c) || ShowsClue(grid, r + 1, c))
                continue;
            const std::string pattern = BarPattern(grid, r, c);
            for (const auto& rewrite : rewrites) {
                if (pattern != rewrite.lone ||
                    NodeBarsAt(grid, r + rewrite.dot1r, c + rewrite.dot1c) != 0 ||
                    NodeBarsAt(grid, r + rewrite.dot2r, c + rewrite.dot2c) != 0)
                    continue;
                SetBars(grid, r, c, rewrite.u);
                grid.Clue[grid.CellNum[r][c]] = 3;
                break;
            }
        }
    }
}

// The loop runs around three sides of the two cells X and Y. Rerouting one of them across the
// pair's middle edge leaves the other with three Bars. The cell beyond the rerouted one loses a
// Bar, so it must not be a "3". Both cells must have exactly the two Bars named: their clues may
// no longer match their Bars after earlier rewrites, and a third Bar would break the loop.
void MakeDominoThrees(Grid& grid) {
    const struct {
        int dr, dc;         // from X to Y
        const char* xBars;  // the Bars X and Y have
        const char* yBars;
        const char* xRerouted;  // X's Bars after the first choice
        const char* yRerouted;  // Y's Bars after the second choice
    } passes[] = {{1, 0, "LT..", "L..B", "RB", "TR"},
                  {1, 0, ".TR.", "..RB", "LB", "TL"},
                  {0, 1, "LT..", ".TR.", "RB", "LB"},
                  {0, 1, "L..B", "..RB", "RT", "LT"}};
    for (const auto& pass : passes) {
        for (int r = 1; r <= grid.Rows - pass.dr; ++r) {
            for (int c = 1; c <= grid.Cols - pass.dc; ++c) {
                const int yr = r + pass.dr;
                const int yc = c + pass.dc;
                if (ShowsThree(grid, r, c) || ShowsThree(grid, yr, yc) ||
                    BarPattern(grid, r, c) != pass.xBars || BarPattern(grid, yr, yc) != pass.yBars)
                    continue;
                if (!ShowsThree(grid, r - pass.dr, c - pass.dc)) {
                    SetBars(grid, r, c, pass.xRerouted);
                    grid.Clue[grid.CellNum[yr][yc]] = 3;
                } else if (!ShowsThree(grid, yr + pass.dr, yc + pass.dc)) {
                    SetBars(grid, yr, yc, pass.yRerouted);
                    grid.Clue[grid.CellNum[r][c]] = 3;
                }
            }
        }
    }
}

// The share of cells showing a clue, in percent.
int ShownShare(const Grid& grid) {
    return 100 * (grid.NumCells - grid.CountBlankClues()) / grid.NumCells;
}

// While another loop fits the clues, that loop becomes the puzzle's and its 0s and 3s are made
// again, as is done with the loop the solver finds. No clue can be given back here (every 0
// and 3 shows already), and on large grids nearly every loop leaves room for another one:
// throwing those away made a 25 x 25 puzzle take from half a minute to many minutes. Accepted
// when one loop is left, within the band and without local ambiguities.
Verdict ReshapeUntilUnique(CreateContext& ctx, int band, std::vector<int>& found) {
    constexpr int kRounds = 8;  // more rounds were never used in trials
    Grid& grid = ctx.grid;
    for (int round = 0; round < kRounds; ++round) {
        const CountResult counted = CountSolutions(grid, 2, ctx.run);
        if (counted.cancelled) return Verdict::Cancelled;
        if (counted.count == 1) return Verdict::Accepted;
        if (counted.count == 0) return Verdict::Rejected;
        const std::string current = LoopSignature(grid);
        for (const FoundLoop& other : counted.loops) {
            ApplyFoundLoop(other, grid);
            if (LoopSignature(grid) != current) break;
        }
        Make03Clues(grid);
        const int shown = ShownShare(grid);
        if (shown < band || shown > band + 4) return Verdict::Rejected;
        if (FindLinkAmbiguities(grid, AmbiguityMode::List, found) != 0) return Verdict::Rejected;
    }
    return Verdict::Rejected;
}

}  // namespace

int ZeroThreeBand(int cells) {
    if (cells < 81) return 52;
    if (cells < 100) return 45;
    if (cells < 200) return 40;
    if (cells < 400) return 36;
    return 32;
}

void Make03Clues(Grid& grid) {
    CluesFromBars(grid);
    MakeThrees(grid);
    MakeDominoThrees(grid);
    CluesFromBars(grid);
}

CreateResult Create03Only(CreateContext& ctx, int rows, int cols) {
    Grid& grid = ctx.grid;
    SetCreateSize(grid, rows, cols);
    const int band = ZeroThreeBand(grid.NumCells);
    ShowShare(ctx, band);
    std::vector<int> found;
    for (;;) {
        ctx.run.host.Status("Creating grid ...");
        if (ctx.run.Yield()) return CreateResult::Cancelled;
        ResetGridForCreate(grid);
        SeedSquare(grid);
        GrowLoop(grid, ctx.random, ctx.run);
        ++ctx.attempts;
        Make03Clues(grid);
        const int shown = ShownShare(grid);
        if (shown < band || shown > band + 4) continue;
        // The solver gets only clues with one loop: on clues that admit several, its complete
        // search can spend minutes proving branches empty (a 25 x 25 loop took more than five).
        const Verdict reshaped = ReshapeUntilUnique(ctx, band, found);
        if (reshaped == Verdict::Cancelled) return CreateResult::Cancelled;
        if (reshaped == Verdict::Rejected) continue;

        const SolveResult result = SolveAsChecker(ctx);
        if (result == SolveResult::Cancelled) return CreateResult::Cancelled;
        // Only a cancel ends the creation: a puzzle the solver cannot take (one without any "3",
        // say) is simply not used.
        if (result != SolveResult::Solved) continue;
        const std::string solved = LoopSignature(grid);
        const auto solvedClues = grid.Clue;
        Make03Clues(grid);
        if (FindLinkAmbiguities(grid, AmbiguityMode::List, found) != 0) continue;
        // Making the clues again may reshape the solved loop; then the new clues are checked.
        const std::string loop = LoopSignature(grid);
        const Verdict accepted =
            AcceptPuzzle(ctx, loop, loop == solved && grid.Clue == solvedClues);
        if (accepted == Verdict::Cancelled) return CreateResult::Cancelled;
        if (accepted == Verdict::Accepted) return CreateResult::Created;
    }
}

}  // namespace ringlace
