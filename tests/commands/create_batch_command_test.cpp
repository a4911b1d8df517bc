// Puzzles with Options and Jumbo 50x50 as a puzzle maker uses them: the checks, the question, the
// run with its cancel, and what becomes current afterwards.
#include "commands/create_batch_command.h"

#include <gtest/gtest.h>

#include "commands/create_jumbo_command.h"
#include "model/text_file.h"
#include "support/grid_builder.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

struct Program : test::TestApp {
    Program() : TestApp(7) {
        test::WriteBytes(folder.File("shown.txt"), "0505EA 3  0  1 2   2 121  3 01 \r\n");
        EXPECT_TRUE(Load(folder.File("shown.txt"), 1));
    }
};

TEST(BatchCreationTest, TheDialogsChecks) {
    const Grid limits;
    const auto check = [&limits](BatchRequest request) {
        const std::optional<Message> wrong = CheckBatchRequest(request, limits);
        return wrong ? wrong->text : std::string("ok");
    };
    EXPECT_EQ(check({3, 6, 8, "hard", "out", {}}), "ok");
    for (const BatchRequest& bad :
         {BatchRequest{0, 6, 8, "Easy", "out", {}}, BatchRequest{1, 4, 8, "Easy", "out", {}},
          BatchRequest{1, 6, 26, "Easy", "out", {}}})
        EXPECT_EQ(check(bad), "Incorrect Number or Size of Puzzles");
    EXPECT_EQ(check({1, 6, 8, "Extreme", "out", {}}), "Incorrect Difficulty Level");
    EXPECT_EQ(check({1, 6, 8, "Easy", "out", Pattern{6, 8}}), "No fixed cells in the grid");
}

// After the question the puzzles are appended one by one as "n of N"; the output file becomes
// current at its last puzzle. (The creation tests hold that each has exactly one solution.)
TEST(BatchCreationTest, AskedThenMadeAppendedAndShown) {
    Program program;
    program.host.answers = {Answer::No};
    const BatchRequest request{3, 6, 7, "Hard", program.folder.File("batch"), {}};
    EXPECT_EQ(CreateBatch(program.app, request).end, BatchEnd::NotConfirmed);
    EXPECT_EQ(
        program.host.messages.front().text,
        "Create 3 puzzles\r\nRows = 6, Columns = 7\r\nDifficulty Level = Hard\r\nOutput File = " +
            program.folder.File("batch.txt"));
    EXPECT_FALSE(FileExists(program.folder.File("batch.txt")));

    const BatchOutcome made = CreateBatch(program.app, request);
    EXPECT_EQ(made.end, BatchEnd::Made);
    EXPECT_EQ(made.made, 3);
    const std::string file = program.folder.File("batch.txt");
    EXPECT_EQ(CountLines(file), 3);
    EXPECT_EQ(program.app.place.file, file);
    EXPECT_EQ(program.app.place.number, 3);
    EXPECT_EQ(program.app.grid.Rows, 6);
    EXPECT_EQ(program.host.statuses.back(), " 3 puzzles created");
    EXPECT_EQ(program.host.messages.back().text, " 3 puzzles saved in file:\r\n" + file);
    EXPECT_EQ(test::RecordGrid(file, 3).DiffCode, "HA");
}

// A cancel during the second puzzle keeps the first in the file; a single puzzle is not asked
// about. A pattern with too few clue cells ends the batch with the reason.
TEST(BatchCreationTest, CancelKeepsWhatWasWrittenAndAPatternThatFailsSaysWhy) {
    Program program;
    const std::string file = program.folder.File("one.txt");
    int boards = 0;
    program.host.onYield = [&] {
        if (program.host.newBoards > boards + 1) program.app.runState.cancelRequested = true;
    };
    boards = program.host.newBoards;
    const BatchOutcome cancelled = CreateBatch(program.app, {5, 6, 6, "Easy", file, {}});
    EXPECT_EQ(cancelled.end, BatchEnd::Cancelled);
    EXPECT_EQ(cancelled.made, 1);
    EXPECT_EQ(CountLines(file), 1);
    EXPECT_EQ(program.app.place.file, file);

    program.host.onYield = nullptr;
    program.host.messages.clear();
    Pattern corners{7, 7};
    corners.mask[1][1] = corners.mask[7][7] = 1;
    const BatchOutcome failed =
        CreateBatch(program.app, {1, 7, 7, "Easy", program.folder.File("p.txt"), corners});
    EXPECT_EQ(failed.end, BatchEnd::PatternFailed);
    EXPECT_EQ(failed.made, 0);
    ASSERT_EQ(program.host.messages.size(), 2u) << "no question for one puzzle";
    EXPECT_EQ(program.host.messages[0].text.rfind("Unable to create a valid puzzle\r\n", 0), 0u);
    EXPECT_EQ(program.app.place.file, file) << "an empty output file does not become current";
}

TEST(JumboCreationTest, SizesTheOverwriteQuestionAndTheSheet) {
    EXPECT_FALSE(CheckJumboRequest({17, 50, "x.xls"}));
    EXPECT_TRUE(CheckJumboRequest({16, 50, "x.xls"}));
    EXPECT_EQ(CheckJumboRequest({50, 51, "x.xls"})->text, "Incorrect puzzle size");

    Program program;
    const std::string sheet = program.folder.File("jumbo.xls");
    WriteFileAtomically(sheet, "old");
    program.host.answers = {Answer::No};
    EXPECT_EQ(CreateJumboCommand(program.app, {26, 30, sheet}), JumboEnd::NotOverwritten);
    EXPECT_EQ(program.host.messages.back().text, "OverWrite file:\r\n" + sheet + " ?");
    EXPECT_EQ(test::ReadBytes(sheet), "old");

    program.host.answers = {Answer::Yes};
    EXPECT_EQ(CreateJumboCommand(program.app, {26, 30, sheet}), JumboEnd::Saved);
    EXPECT_EQ(program.host.messages.back().text,
              "Puzzle saved in file:\r\n" + sheet + "\r\nOpen Excel file and print");
    EXPECT_EQ(test::ReadBytes(sheet).substr(0, 4), std::string("\x09\x00\x04\x00", 4));
    EXPECT_EQ(program.app.grid.Rows, 5) << "the board keeps its puzzle";
}

}  // namespace
}  // namespace ringlace
