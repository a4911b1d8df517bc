#include "commands/autosolve_command.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "model/text_file.h"
#include "support/grid_builder.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

using test::GridFromRows;

const std::string kSample = std::string(RINGLACE_TEST_DATA_DIR) + "/corpus_sample.txt";

// A grid without clues is refused; few clues, or none a "1" or a "2", ask first, and the player's
// entries stay.
TEST(AutoSolveTest, NoCluesAreRefusedAndFewCluesAskFirst) {
    test::TestApp p;
    p.app.grid = GridFromRows({"   ", "   "});
    EXPECT_EQ(TimedAutoSolve(p.app).end, AutoSolveEnd::NoClues);
    p.app.grid = GridFromRows({"3    ", "     ", "     ", "     ", "    3"});
    p.app.grid.SetEdge(3, 3, Side::Left, Bar);
    const Grid before = p.app.grid;
    p.host.answers = {Answer::No};
    EXPECT_EQ(AutoSolveCommand(p.app).end, AutoSolveEnd::Declined);
    EXPECT_EQ(p.host.messages,
              (std::vector<Message>{
                  {"There are no numbers in this puzzle", Icon::Critical, Buttons::Ok},
                  {"There are no 1s or 2s, or too few numbers in this puzzle...\r\nIt may take a "
                   "long time to solve\r\nProceed?",
                   Icon::Question, Buttons::YesNo}}));
    EXPECT_EQ(p.app.grid.CellEdge, before.CellEdge);
    EXPECT_TRUE(p.host.statuses.empty());
}

// The board shows the solver's loop and nothing is left to undo; the register, when on, keeps the
// solved puzzle, and says so on the status line when it cannot.
TEST(AutoSolveTest, ASolvedPuzzleShowsItsLoopTheTimeAndIsRegistered) {
    test::TestApp p;
    ASSERT_TRUE(p.Load(kSample, 3));
    const std::string stored = p.app.grid.SolutionCode;
    p.app.play.undo.push_back(UndoEntry{});
    const AutoSolveOutcome outcome = TimedAutoSolve(p.app);
    EXPECT_EQ(outcome.end, AutoSolveEnd::Solved);
    EXPECT_EQ(outcome.solutions, 1);
    EXPECT_EQ(SolutionLetters(p.app.grid), stored);
    EXPECT_EQ(p.app.grid.CellColour[2][2], 0);
    EXPECT_TRUE(p.app.play.undo.empty());
    EXPECT_FALSE(p.app.runState.busy);
    EXPECT_EQ(p.host.statuses.back(), "Solved in less than 1 Sec");
    EXPECT_EQ(p.host.progress.back(), 0);
    EXPECT_FALSE(FileExists(p.folder.File("solutionregister.txt")));

    p.app.settings.SolutionRegister = 1;
    ASSERT_TRUE(p.Load(kSample, 2));
    TimedAutoSolve(p.app);
    ASSERT_TRUE(p.Load(kSample, 4));
    TimedAutoSolve(p.app);
    const std::string file = p.folder.File("solutionregister.txt");
    EXPECT_EQ(test::ReadBytes(file),
              *ReadLineAt(kSample, 2) + "\r\n" + *ReadLineAt(kSample, 4) + "\r\n");

    // One that cannot be written is named on the status line after the time.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_TRUE(TimedAutoSolve(p.app).notRegistered);
    EXPECT_TRUE(p.host.statuses.back().ends_with("Sec - Error writing file: " + file))
        << p.host.statuses.back();
    EXPECT_TRUE(p.host.messages.empty());
}

// Corner "2"s force the loop around the border, but the blank border cells let it dip in: a
// local pattern shows it. Two "2"s on a diagonal admit the loop around the grid or around three of
// its cells, which no local pattern shows; the count finds it.
TEST(AutoSolveTest, ALoopThatIsNotTheOnlyOneIsReported) {
    for (const auto& rows : {std::vector<std::string>{"2   2", "     ", "     ", "     ", "2   2"},
                             std::vector<std::string>{"2 ", " 2"}}) {
        test::TestApp p;
        p.app.grid = GridFromRows(rows);
        const AutoSolveOutcome outcome = TimedAutoSolve(p.app, AutoSolveOptions{true, true});
        ASSERT_EQ(outcome.end, AutoSolveEnd::Solved);
        EXPECT_TRUE(outcome.notUnique);
        EXPECT_EQ(outcome.solutions, 2);
        EXPECT_EQ(outcome.ambiguousCells.empty(), rows.size() == 2);
        EXPECT_EQ(p.host.statuses.back(), "Solved in less than 1 Sec: Link is not unique");
    }
}

TEST(AutoSolveTest, AnUnsolvablePuzzleSaysSoAndKeepsThePlayersEntries) {
    test::TestApp p;
    p.app.grid = GridFromRows({"1 1 ", " 33 ", " 33 ", "1  1"});
    p.app.grid.SetEdge(1, 2, Side::Top, Bar);
    p.app.grid.CellColour[4][2] = Yellow;
    const Grid before = p.app.grid;
    EXPECT_EQ(TimedAutoSolve(p.app).end, AutoSolveEnd::Unable);
    EXPECT_EQ(p.host.messages,
              (std::vector<Message>{{"Unable to solve", Icon::Information, Buttons::Ok}}));
    EXPECT_EQ(p.host.statuses.back(), "Unable to solve ...");
    EXPECT_EQ(p.app.grid.CellEdge, before.CellEdge);
    EXPECT_EQ(p.app.grid.CellColour, before.CellColour);
}

TEST(AutoSolveTest, ElapsedTimeTexts) {
    EXPECT_EQ(ElapsedText(0), "less than 1 Sec");
    EXPECT_EQ(ElapsedText(7), "07Sec");
    EXPECT_EQ(ElapsedText(65), "01Mn 05Sec");
    EXPECT_EQ(ElapsedText(3607), "01Hr 00Mn 07Sec");
}

}  // namespace
}  // namespace ringlace
