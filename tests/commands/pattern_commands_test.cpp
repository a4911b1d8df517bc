// The number locations editor's commands: pattern files kept safely, and a pattern applied to the
// board that the next Autosolve creates a puzzle on.
#include "commands/pattern_commands.h"

#include <gtest/gtest.h>

#include "model/text_file.h"
#include "support/creation.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

Pattern Checks(int rows, int cols) {
    Pattern pattern{rows, cols};
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) pattern.mask[r][c] = (r * 7 + c * 3) % 5 < 3 ? 1 : 0;
    return pattern;
}

TEST(PatternFilesTest, SavedReadAndDeletedSafely) {
    test::TestApp program(5);
    const std::string file = program.folder.File("patterns.txt");
    program.host.fileNames = {file, file};
    SavePatternToFile(program.app, Checks(6, 7));
    SavePatternToFile(program.app, Checks(5, 5));
    EXPECT_EQ(program.host.messages.back().text, "Pattern saved in file:\r\n" + file);
    ASSERT_EQ(CountLines(file), 2);
    EXPECT_EQ(ReadPatternOf(program.host, file, 2)->rows, 5);

    test::WriteBytes(program.folder.File("bad.txt"), "0505.........................\r\n");
    EXPECT_FALSE(ReadPatternOf(program.host, program.folder.File("bad.txt"), 1));
    EXPECT_EQ(program.host.messages.back().text,
              "Error reading pattern file:\r\n" + program.folder.File("bad.txt"));

    program.host.answers = {Answer::Yes};
    EXPECT_TRUE(DeletePatternFromFile(program.app, file, 1));
    EXPECT_EQ(program.host.messages.back().text, "Deleted");
    EXPECT_EQ(ReadPatternOf(program.host, file, 1)->rows, 5);
    EXPECT_FALSE(DeletePatternFromFile(program.app, file, 1));
    EXPECT_EQ(program.host.messages.back().text, "There is only one or no pattern in this file");
    EXPECT_EQ(CountLines(file), 1);
}

// The applied pattern waits on an empty board of its size; the next Autosolve creates on it.
TEST(PatternFilesTest, AnAppliedPatternIsCreatedOnByAutosolve) {
    test::TestApp program(5);
    EXPECT_EQ(CheckPattern(Pattern{6, 6})->text, "No pattern to apply!");
    const Pattern pattern = Checks(6, 7);
    ApplyPatternToBoard(program.app, pattern);
    EXPECT_EQ(program.host.statuses.back(), "Now Autosolve to create a puzzle");
    EXPECT_EQ(program.app.grid.Cols, 7);
    ASSERT_EQ(CreateOnPendingPattern(program.app), CreateEnd::Created);
    const Grid& grid = program.app.grid;
    for (int k = 1; k <= grid.NumCells; ++k)
        EXPECT_EQ(grid.Clue[k] != kNoClue, pattern.mask[grid.CellRow[k]][grid.CellCol[k]] == 1);
    EXPECT_EQ(grid.DiffCode, "ME");
    EXPECT_EQ(test::Solutions(grid), 1);
    EXPECT_FALSE(program.app.pendingPattern) << "the created puzzle was loaded";
}

}  // namespace
}  // namespace ringlace
