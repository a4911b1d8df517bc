#include "commands/create_new_command.h"

#include <gtest/gtest.h>

#include "model/puzzle_record.h"
#include "model/text_file.h"
#include "support/loop_picture.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

using test::TestHost;

const std::string kPuzzles = std::string(RINGLACE_TEST_DATA_DIR) + "/corpus_sample.txt";

struct Program : test::TestApp {
    using TestApp::TestApp;
    bool Load(int n) { return TestApp::Load(kPuzzles, n); }
    CreateEnd Create(const std::string& size, const std::string& level,
                     CreateKind kind = CreateKind::Normal) {
        return CreateNew(app, {kind, size, level});
    }
    std::string Scratch() const { return folder.File(kScratchPuzzleFile); }
};

bool HasStatus(const TestHost& host, const std::string& text) {
    return std::find(host.statuses.begin(), host.statuses.end(), text) != host.statuses.end();
}

// One number is both sides; a blank field draws each side from 5 to 25.
TEST(CreateNewTest, TheSizeAndLevelFields) {
    const Grid grid;
    RandomSource random(1);
    const auto read = [&](const std::string& text) {
        const PuzzleSize size = ReadSizeText(text, grid, random);
        return std::pair{size.rows, size.cols};
    };
    for (const auto& [text, rows, cols] : {std::tuple{"7", 7, 7},
                                           {" 12X8 ", 12, 8},
                                           {"12 x 8", 12, 8},
                                           {"7.6", 8, 8},
                                           {"abc", 0, 0}})
        EXPECT_EQ(read(text), (std::pair{rows, cols})) << text;
    for (int i = 0; i < 200; ++i) {
        const auto [rows, cols] = read("");
        ASSERT_TRUE(rows >= 5 && rows <= 25 && cols >= 5 && cols <= 25) << rows << "x" << cols;
    }
    EXPECT_EQ(
        (std::array{LevelFromCaption(""), LevelFromCaption("Medium"), LevelFromCaption("hard")}),
        (std::array{kEasy, kMedium, kHard}));
}

// The size message names only the row limit, with the blank of a plain number before it.
TEST(CreateNewTest, ASizeOutsideTheLimitsOrAnUnknownLevelIsRefused) {
    const struct {
        const char* size;
        const char* level;
        CreateEnd end;
        const char* message;
    } cases[] = {{"26x10", "Easy", CreateEnd::BadSize, "Puzzle size must be 5 to  25"},
                 {"10x26", "Easy", CreateEnd::BadSize, "Puzzle size must be 5 to  25"},
                 {"4", "Easy", CreateEnd::BadSize, "Puzzle size must be 5 to  25"},
                 {"7", "Extreme", CreateEnd::BadLevel, "Incorrect Difficulty Level"}};
    for (const auto& c : cases) {
        Program p;
        ASSERT_TRUE(p.Load(1));
        const std::vector<std::string> clues = test::ClueRows(p.app.grid);
        EXPECT_EQ(p.Create(c.size, c.level), c.end) << c.size;
        EXPECT_EQ(p.host.messages,
                  (std::vector<Message>{{c.message, Icon::Critical, Buttons::Ok}}));
        EXPECT_EQ(test::ClueRows(p.app.grid), clues);
        EXPECT_FALSE(p.app.runState.busy);
    }
}

// A blank level label means Easy. The puzzle becomes the only record of the scratch file and is
// loaded from it, without its loop; every other command is kept out until the end.
TEST(CreateNewTest, ACreatedPuzzleIsWrittenToTheScratchFileAndLoaded) {
    Program p;
    ASSERT_TRUE(p.Load(3));
    bool busyThroughout = true;
    p.host.onYield = [&] {
        busyThroughout = busyThroughout && p.app.runState.busy && p.host.busyPointer.back();
    };
    EXPECT_EQ(p.Create("7", ""), CreateEnd::Created);
    EXPECT_TRUE(busyThroughout);
    EXPECT_EQ(p.host.newBoards, 1);
    EXPECT_TRUE(p.host.messages.empty());

    const Grid& grid = p.app.grid;
    EXPECT_EQ(grid.DiffCode, "EA");
    EXPECT_EQ(std::tuple(p.app.place.file, p.app.place.number, p.app.place.count),
              std::tuple(p.Scratch(), 1, 1));
    EXPECT_EQ(CountLines(p.Scratch()), 1);
    EXPECT_EQ(ReadLineAt(p.Scratch(), 1).value_or("").substr(0, 6 + 49),
              PuzzleRecordText(grid).substr(0, 6 + 49));
    EXPECT_EQ(UserRecordText(grid).substr(6 + 49), std::string(4 * 49, '.'));  // no loop shown
    EXPECT_TRUE(HasStatus(p.host, "58%"));  // the share of blank cells aimed at
    EXPECT_EQ(p.host.statuses.back(), "Puzzle created");
    EXPECT_FALSE(p.app.runState.busy || p.host.busyPointer.back());
    EXPECT_EQ(p.host.progress.back(), 0);
}

// The status line shows the share of cells the clues aim at, 52 % below 81 cells.
TEST(CreateNewTest, ARightClickMakesAZeroThreePuzzleAtMedium) {
    Program p;
    EXPECT_EQ(p.Create("6x9", "Hard", CreateKind::Only03), CreateEnd::Created);
    EXPECT_EQ(p.app.grid.DiffCode, "ME");
    EXPECT_TRUE(HasStatus(p.host, "52%"));
    EXPECT_EQ(p.host.statuses.back(), "03Only Puzzle created");
    for (const std::string& row : test::ClueRows(p.app.grid))
        EXPECT_EQ(row.find_first_not_of(".03"), std::string::npos) << row;
}

// A cancel brings the previous puzzle back from its file; with no file behind the board (the
// empty board of a first start) the board as it was comes back.
TEST(CreateNewTest, ACancelBringsThePreviousPuzzleBack) {
    Program p;
    ASSERT_TRUE(p.Load(4));
    const std::vector<std::string> before = test::ClueRows(p.app.grid);
    p.host.onYield = [&] { p.app.runState.cancelRequested = p.host.yields >= 5; };
    EXPECT_EQ(p.Create("12x10", "Hard"), CreateEnd::Cancelled);
    EXPECT_EQ(p.host.messages,
              (std::vector<Message>{{"Canceled", Icon::Information, Buttons::Ok}}));
    EXPECT_EQ(test::ClueRows(p.app.grid), before);
    EXPECT_EQ(std::tuple(p.app.place.file, p.app.place.number), std::tuple(kPuzzles, 4));
    EXPECT_EQ(p.host.statuses.back(), "");
    EXPECT_FALSE(p.app.runState.busy || p.app.runState.cancelRequested);
    EXPECT_FALSE(FileExists(p.Scratch()));

    Program empty;
    empty.app.grid = test::GridFromPicture(
        {"+ + + + + + + + + +", " 1                 ", "+ + + + + + + + + +"});
    empty.host.onYield = [&] { empty.app.runState.cancelRequested = true; };
    EXPECT_EQ(empty.Create("9", "Easy"), CreateEnd::Cancelled);
    EXPECT_EQ(test::ClueRows(empty.app.grid), std::vector<std::string>{"1........"});
}

TEST(CreateNewTest, AScratchFileThatCannotBeWrittenIsReported) {
    Program p;
    ASSERT_TRUE(p.Load(2));
    p.app.paths.DataFolder = p.folder.File("missing/");
    EXPECT_EQ(p.Create("5", "Medium"), CreateEnd::NotSaved);
    EXPECT_EQ(p.host.messages,
              (std::vector<Message>{
                  {"Error writing file:\r\n" + p.folder.File("missing/") + kScratchPuzzleFile,
                   Icon::Critical, Buttons::Ok}}));
    EXPECT_EQ(std::tuple(p.app.place.file, p.app.place.number), std::tuple(kPuzzles, 2));
    EXPECT_FALSE(p.app.runState.busy);
}

}  // namespace
}  // namespace ringlace
