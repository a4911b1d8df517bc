// Hints: the mistake check against the one loop, and the steps that lead from an empty board to
// the solution, each from the earliest stage that decides anything.
#include "solver/hint_finder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "model/solution_letters.h"
#include "model/text_file.h"
#include "solver/solver_driver.h"
#include "support/grid_builder.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

struct Hints : test::TestRun {
    Hint For(const Grid& grid) { return FindHint(grid, run); }
};

using test::RecordGrid;

Grid LoopOf(const Grid& grid) {
    Grid loop = grid;
    ApplySolution(loop);
    return loop;
}

// Whether anything open in the position is decided in the work.
bool DecidesOpenEdge(const Grid& position, const Grid& work) {
    for (int r = 1; r <= position.Rows; ++r)
        for (int c = 1; c <= position.Cols; ++c)
            for (const Side side : kSides)
                if (position.CellEdge[r][c][side] == Free && work.CellEdge[r][c][side] != Free)
                    return true;
    return false;
}

std::tuple<int, int, Side, EdgeState> EdgeOf(const Hint& hint) {
    return {hint.row, hint.col, hint.side, hint.value};
}

const std::string kFirstTen = std::string(RINGLACE_CORPUS_DIR) + "/10x10-hard.txt";

// A bar off the loop in the last row, then an X on the loop in an earlier row: the X is reported.
// (The command line's hint test has them the other way round.)
TEST(HintFinderTest, MistakesAreFoundInCellOrderBeforeAnyStep) {
    Hints hints;
    Grid grid = RecordGrid(kFirstTen, 1);
    const Grid loop = LoopOf(grid);
    int barCol = 1;
    while (loop.CellEdge[10][barCol][Side::Bottom] == Bar) ++barCol;
    grid.SetEdge(10, barCol, Side::Bottom, Bar);
    int xCol = 1;
    while (loop.CellEdge[5][xCol][Side::Right] != Bar) ++xCol;
    grid.SetEdge(5, xCol, Side::Right, XMark);
    const Hint hint = hints.For(grid);
    EXPECT_EQ(hint.kind, HintKind::Mistake);
    EXPECT_EQ(hint.message, "This X is on the loop");
    EXPECT_EQ(EdgeOf(hint), std::make_tuple(5, xCol, Side::Right, XMark));
    EXPECT_TRUE(hint.cells.empty());
}

TEST(HintFinderTest, WithoutAStoredSolutionTheCounterDecides) {
    Hints hints;
    EXPECT_EQ(hints.For(test::GridFromRows({"1"})).message, "This puzzle has no solution");
    EXPECT_EQ(hints.For(test::GridFromRows({"3 ", "  "})).message, ": Link is not unique");
    Grid unique = test::GridFromRows({"22", "22"});
    Hint hint = hints.For(unique);
    EXPECT_EQ(hint.kind, HintKind::Step);
    EXPECT_EQ(hint.message.rfind("Direct lines: ", 0), 0u) << hint.message;
    test::LoopAround(unique, 1, 1, 2, 2);
    EXPECT_EQ(hints.For(unique).kind, HintKind::Solved);
}

// Puzzle n of a corpus file after the first `steps` hints.
Grid Played(Hints& hints, const std::string& name, int n, int steps) {
    Grid grid = RecordGrid(std::string(RINGLACE_CORPUS_DIR) + "/" + name, n);
    for (int k = 0; k < steps; ++k) ApplyHintStep(grid, hints.For(grid));
    return grid;
}

// Whether the hint's edge is a side of the cell.
bool SideOf(const Hint& hint, const CellPlace& cell) {
    const bool same = hint.row == cell.row && hint.col == cell.col;
    return same || (hint.side == Side::Right && hint.row == cell.row && hint.col + 1 == cell.col) ||
           (hint.side == Side::Bottom && hint.col == cell.col && hint.row + 1 == cell.row);
}

TEST(HintFinderTest, EachStageNamesItsRuleAndMarksWhatItLookedAt) {
    Hints hints;
    Hint hint = hints.For(Played(hints, "10x10-easy.txt", 1, 0));
    EXPECT_EQ(hint.message, "Direct lines: a 0 has no loop edges");
    EXPECT_EQ(EdgeOf(hint), std::make_tuple(4, 2, Side::Right, XMark));
    EXPECT_EQ(hint.cells, (std::vector<CellPlace>{{4, 3}}));

    hint = hints.For(Played(hints, "7x7-hard.txt", 3, 36));
    EXPECT_EQ(hint.message,
              "Colour parities: these two cells are on the same side of the loop, so it does not "
              "run between them");
    EXPECT_EQ(EdgeOf(hint), std::make_tuple(6, 2, Side::Bottom, XMark));
    EXPECT_EQ(hint.cells, (std::vector<CellPlace>{{6, 2}, {7, 2}}));

    hint = hints.For(Played(hints, "7x7-hard.txt", 4, 16));
    EXPECT_EQ(hint.message,
              "Single Y: if this cell were inside the loop, the loop would end at a dot");
    ASSERT_EQ(hint.cells.size(), 1u);
    EXPECT_TRUE(SideOf(hint, hint.cells[0]));

    hint = hints.For(Played(hints, "7x12-hard.txt", 7, 84));
    EXPECT_EQ(hint.message,
              "2 bar cells: if the loop ran along the other free side of this cell, the loop "
              "would end at a dot");
    EXPECT_EQ(hint.value, Bar);
    ASSERT_EQ(hint.cells.size(), 1u);
    EXPECT_TRUE(SideOf(hint, hint.cells[0]));

    hint = hints.For(Played(hints, "7x12-hard.txt", 4, 10));
    EXPECT_EQ(hint.message,
              "Common YP: whether the cell in row 7, column 9 is inside the loop or not, the cell "
              "in row 5, column 11 is outside");
    EXPECT_EQ(hint.cells, (std::vector<CellPlace>{{7, 9}, {5, 11}}));
    EXPECT_TRUE(SideOf(hint, {5, 11}));
}

// Every puzzle of the corpus, from the empty board, by hints alone: each step opens an edge the
// loop agrees with, no stage before the step's decides anything, and the rules named belong to the
// step's stage.
TEST(HintFinderTest, HintsAloneSolveEveryCorpusPuzzle) {
    Hints hints;
    std::map<int, std::set<std::string>> rulesByStage;
    for (const auto& entry : std::filesystem::directory_iterator(RINGLACE_CORPUS_DIR)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string file = entry.path().string();
        for (int n = 1; n <= CountLines(file); ++n) {
            Grid grid = RecordGrid(file, n);
            const Grid loop = LoopOf(grid);
            for (;;) {
                const Hint hint = hints.For(grid);
                if (hint.kind == HintKind::Solved) break;
                ASSERT_EQ(hint.kind, HintKind::Step) << file << " " << n << ": " << hint.message;
                const EdgeState open = grid.CellEdge[hint.row][hint.col][hint.side];
                const bool onLoop = loop.CellEdge[hint.row][hint.col][hint.side] == Bar;
                ASSERT_EQ(open, Free) << file << " " << n;
                ASSERT_EQ(hint.value, onLoop ? Bar : XMark) << file << " " << n << hint.message;
                ASSERT_EQ(hint.message.rfind(std::string(StageName(hint.stage)) + ": ", 0), 0u);
                if (hint.stage > 1) {
                    Grid earlier = grid;
                    earlier.ResetColours();
                    for (int stage = 1; stage < hint.stage; ++stage)
                        RunStage(stage, earlier, hints.run);
                    ASSERT_FALSE(DecidesOpenEdge(grid, earlier)) << file << " " << n;
                }
                rulesByStage[hint.stage].insert(hint.rule);
                ApplyHintStep(grid, hint);
            }
            EXPECT_EQ(SolutionLetters(grid), grid.SolutionCode) << file << " " << n;
        }
    }
    ASSERT_EQ(rulesByStage.size(), 7u);
    EXPECT_TRUE(rulesByStage[1].contains("zero") && rulesByStage[1].contains("dot-full"));
    EXPECT_TRUE(rulesByStage[2].contains("same-side") &&
                rulesByStage[2].contains("different-sides"));
    EXPECT_EQ(rulesByStage[3], (std::set<std::string>{"inside-fails", "inside-finishes"}));
    EXPECT_EQ(rulesByStage[4], (std::set<std::string>{"outside-fails"}));
    EXPECT_EQ(rulesByStage[5], (std::set<std::string>{"other-side-fails"}));
    EXPECT_TRUE(rulesByStage[6].contains("same-either-way"));
    EXPECT_EQ(rulesByStage[7], (std::set<std::string>{"search"}));
}

}  // namespace
}  // namespace ringlace
