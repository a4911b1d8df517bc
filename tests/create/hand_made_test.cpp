// Puzzles made on what a person gives: a pattern of clue cells, or a loop they drew.
#include <gtest/gtest.h>

#include "create/clue_rules.h"
#include "create/fixed_loop.h"
#include "create/loop_growth.h"
#include "create/pattern_file.h"
#include "create/single_creators.h"
#include "model/solution_letters.h"
#include "support/creation.h"
#include "support/grid_builder.h"
#include "support/loop_picture.h"

namespace ringlace {
namespace {

using test::Creation;
using test::Solutions;

TEST(PatternFileTest, LinesAndTheirChecks) {
    Pattern pattern{10, 12};
    pattern.mask[1][1] = pattern.mask[10][12] = pattern.mask[3][5] = 1;
    const std::string line = PatternLine(pattern);
    ASSERT_EQ(line.size(), 124u);
    EXPECT_EQ(line.substr(0, 5), "1012#");
    EXPECT_EQ(line[4 + 2 * 12 + 4], '#');
    EXPECT_EQ(line.back(), '#');
    const std::optional<Pattern> back = ReadPatternLine(line + "\r", 25, 25);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Clues(), 3);
    EXPECT_EQ(PatternLine(*back), line);

    EXPECT_FALSE(ReadPatternLine("0505" + std::string(25, '.'), 25, 25)) << "no clue cell";
    EXPECT_FALSE(ReadPatternLine("0505" + std::string(24, '#'), 25, 25)) << "too short";
    EXPECT_FALSE(ReadPatternLine("2605" + std::string(130, '#'), 25, 25)) << "too many rows";
    EXPECT_FALSE(ReadPatternLine("0005", 25, 25));
    EXPECT_FALSE(ReadPatternLine(" 505" + std::string(25, '#'), 25, 25));
    EXPECT_TRUE(ReadPatternLine("0101#", 25, 25));
}

// A pattern with too few clue cells is given up after a bounded number of loops instead of
// trying forever.
TEST(PatternCreationTest, ASparsePatternIsGivenUp) {
    Creation sparse(3);
    Pattern corners{8, 8};
    corners.mask[1][1] = corners.mask[8][8] = 1;
    sparse.ctx.options.pattern = corners.mask;
    EXPECT_EQ(CreatePuzzle(sparse.ctx, 8, 8, kEasy), CreateResult::Failed);
    EXPECT_GE(sparse.ctx.attempts, kPatternTries);
}

// A drawn loop becomes an Easy puzzle with its blank share whose one solution is that loop.
TEST(FixedLoopTest, TheDrawnLoopIsTheOnlySolution) {
    Creation creation(21);
    Grid& grid = creation.grid = test::CreateGrid(5, 6);
    // The loop round every cell but a notch cut into the bottom.
    test::BarsAroundRegion(grid, {"######", "######", "######", "##..##", "##..##"});
    ASSERT_TRUE(test::IsSingleLoop(grid));
    const std::string drawn = SolutionLetters(grid);
    ASSERT_EQ(CreateFromLoop(creation.ctx), CreateResult::Created);
    EXPECT_EQ(grid.DiffCode, "EA");
    EXPECT_GE(OpenShare(grid), OpenTarget(grid.MaxDim) - 12);
    EXPECT_EQ(Solutions(grid), 1);
    EXPECT_EQ(SolutionLetters(grid), drawn);
    EXPECT_TRUE(test::CluesMatchLoop(grid));
}

}  // namespace
}  // namespace ringlace
