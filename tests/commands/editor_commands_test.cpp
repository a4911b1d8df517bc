// What the editors hand back: typed clues with the count's verdict at once, and drawn loops made
// into puzzles whose one solution they are.
#include "commands/editor_commands.h"

#include <gtest/gtest.h>

#include "commands/editor_edits.h"
#include "create/fixed_loop.h"
#include "model/solution_letters.h"
#include "support/creation.h"
#include "support/grid_builder.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

ClueGrid Clues(int rows, int cols, const std::string& text) {
    return CluesOf(test::GridFromClues(rows, cols, text));
}

TEST(EditorEditsTest, TheClueCycleAndTheMirrorOnOddAndEvenGrids) {
    EXPECT_EQ(NextClue(kNoClue), 0);
    EXPECT_EQ(NextClue(2), 3);
    EXPECT_EQ(NextClue(3), kNoClue);

    Grid odd = test::CreateGrid(5, 5);
    SetClue(odd, 2, 1, 1, true);
    EXPECT_EQ(odd.Clue[odd.CellNum[4][5]], 1);
    SetSide(odd, 1, 1, Side::Left, Bar, true);
    EXPECT_EQ(odd.CellEdge[5][5][Side::Right], Bar);

    Pattern centre{5, 5};
    ToggleClueCell(centre, 3, 3, true);
    EXPECT_EQ(centre.mask[3][3], 1) << "the centre of an odd grid is its own mirror: once";
    Pattern even{4, 6};
    ToggleClueCell(even, 2, 3, true);
    EXPECT_EQ(even.Clues(), 2);
    EXPECT_EQ(even.mask[3][4], 1);
    ToggleClueCell(even, 3, 4, false);
    EXPECT_EQ(even.Clues(), 1);
}

TEST(TypedCluesTest, TheCountSaysAtOnceWhatTheCluesAdmit) {
    EXPECT_EQ(CheckTypedClues(Clues(5, 5, std::string(25, '.')))->text,
              "No numbers in this puzzle!");
    struct Case {
        std::string clues, verdict;
    } cases[] = {{".3..0..1.2...2.121..3.01.", ": one solution"},
                 {"3........................", ": more than one solution"},
                 {"0000000000000000000000000", ": no solution"}};
    for (const Case& c : cases) {
        test::TestApp program(3);
        ASSERT_EQ(CheckTypedClues(Clues(5, 5, c.clues)), std::nullopt);
        ASSERT_TRUE(ApplyTypedClues(program.app, Clues(5, 5, c.clues)));
        EXPECT_EQ(program.host.statuses.back(), "Now Autosolve to check puzzle" + c.verdict);
        EXPECT_EQ(program.app.place.file, program.folder.File(kEditedPuzzleFile));
        EXPECT_EQ(program.app.place.count, 1);
        EXPECT_EQ(CluesOf(program.app.grid), Clues(5, 5, c.clues));
    }
}

// A 5 x 5 grid with the Bars round the cells of the region ('#').
Grid Drawn(const std::vector<std::string>& region) {
    Grid grid = test::CreateGrid(5, 5);
    test::BarsAroundRegion(grid, region);
    return grid;
}

TEST(DrawnLoopTest, FaultsAreNamedAndAGoodLoopBecomesTheOnlySolution) {
    EXPECT_EQ(DrawnLoopFault(Drawn({"##...", "##...", ".....", "...##", "...##"})),
              "more than one loop");
    Grid stub = Drawn({".....", ".....", ".....", ".....", "....."});
    EXPECT_EQ(CheckDrawnLoop(stub)->text, "No loop in this puzzle!");
    stub.SetEdge(2, 2, Side::Top, Bar);
    EXPECT_EQ(DrawnLoopFault(stub), "one isolated bar");

    test::TestApp program(3);
    EXPECT_EQ(
        CreateFromDrawnLoop(program.app, Drawn({"##...", "##...", ".....", "...##", "...##"})),
        CreateEnd::BadLoop);
    EXPECT_EQ(program.host.messages.back().text, "Loop is invalid:\r\nmore than one loop");

    const Grid drawn = Drawn({"#.###", "#.###", "#...#", "#####", "#####"});
    ASSERT_EQ(DrawnLoopFault(drawn), "");
    ASSERT_EQ(CreateFromDrawnLoop(program.app, drawn), CreateEnd::Created);
    EXPECT_EQ(program.host.statuses.back(), "Puzzle created");
    EXPECT_EQ(program.app.place.file, program.folder.File(kScratchPuzzleFile));
    EXPECT_EQ(program.app.grid.SolutionCode, SolutionLetters(drawn));
}

}  // namespace
}  // namespace ringlace
