#include "model/puzzle_record.h"

#include <gtest/gtest.h>

#include <utility>

#include "model/solution_letters.h"
#include "model/text_file.h"
#include "support/loop_picture.h"
#include "support/temp_folder.h"

namespace ringlace {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

struct Loaded {
    Grid grid;
    PuzzlePlace place;
    bool loaded = false;
};

Loaded LoadFrom(const std::string& fileName, int puzNum) {
    Loaded loaded;
    loaded.place.count = CountLines(fileName);
    loaded.loaded = LoadPuzzle(loaded.grid, loaded.place, fileName, puzNum);
    return loaded;
}

Loaded LoadRecord(const TempFolder& folder, const std::string& record) {
    const std::string file = folder.File("one.txt");
    WriteBytes(file, record + "\r\n");
    return LoadFrom(file, 1);
}

// One-cell records behind every kind of line end, the last line without one. A solution record
// shows the puzzle without the solution's bars.
TEST(PuzzleRecordTest, TheSmallestRecordsBehindEveryKindOfLineEnd) {
    TempFolder folder;
    const std::string file = folder.File("mixed.txt");
    WriteBytes(file, "0101EA1A\n0101EA2K\r0101EA3M\r\n0101EA0X");
    EXPECT_EQ(CountLines(file), 4);
    const std::string letters[] = {"A", "K", "M", "X"};
    for (int n = 1; n <= 4; ++n) {
        const Loaded loaded = LoadFrom(file, n);
        ASSERT_TRUE(loaded.loaded);
        EXPECT_EQ(loaded.grid.SolutionCode, letters[n - 1]);
        EXPECT_EQ(loaded.grid.OrigClue[1], n % 4);
        EXPECT_EQ(loaded.grid.ClueSum, n % 4);
        EXPECT_EQ(UserRecordText(loaded.grid), "0101**" + std::to_string(n % 4) + "....");
    }
}

TEST(PuzzleRecordTest, SolutionAndUserRecordsOfTheSameTwoByTwoPuzzle) {
    TempFolder folder;
    const Loaded solved = LoadRecord(folder, "0202HA2  2BHFL");
    ASSERT_TRUE(solved.loaded);
    EXPECT_EQ(test::ClueRows(solved.grid), (std::vector<std::string>{"2.", ".2"}));
    EXPECT_EQ(solved.grid.DiffCode, "HA");
    EXPECT_EQ(solved.grid.SolutionCode, "BHFL");

    const Loaded user = LoadRecord(folder, "0202**2  2bb...bbxb..b.xbb");
    ASSERT_TRUE(user.loaded);
    EXPECT_EQ(user.grid.SolutionCode, "");
    EXPECT_EQ(DifficultyName(user.grid.DiffCode), "Easy");  // the level a saved game shows
    EXPECT_EQ(user.grid.CellEdge[1][2][Side::Right], Bar);
    EXPECT_EQ(user.grid.CellEdge[2][2][Side::Top], XMark);
    EXPECT_EQ(UserRecordText(user.grid), "0202**2  2bb...bbxb..b.xbb");
    EXPECT_EQ(PuzzleRecordText(user.grid), "0202**2  2BHFL");

    // A short tail leaves the rest empty; only lower-case letters are entries.
    const Loaded shortUser = LoadRecord(folder, "0202**2  2bbXb.b");
    ASSERT_TRUE(shortUser.loaded);
    EXPECT_EQ(UserRecordText(shortUser.grid), "0202**2  2bb.b.b...b......");
    const Loaded cluesOnly = LoadRecord(folder, "0202EA2  2");
    ASSERT_TRUE(cluesOnly.loaded);
    EXPECT_EQ(cluesOnly.grid.SolutionCode, "");
}

TEST(PuzzleRecordTest, BadRecordsFailAndLeaveThePreviousPuzzleAsItWas) {
    TempFolder folder;
    const std::string good = folder.File("good.txt");
    WriteBytes(good, "0303EA3 2 1 0 2BJHFXLFJL\r\n0202EA2  2BHFL\r\n");
    Grid grid;
    PuzzlePlace place;
    place.count = CountLines(good);
    ASSERT_TRUE(LoadPuzzle(grid, place, good, 1));
    grid.SetEdge(2, 2, Side::Top, Bar);
    grid.CellColour[1][1] = Yellow;
    const std::string before = UserRecordText(grid);
    const std::string placeBefore = place.file + NumText(place.number);

    const std::pair<std::string, std::string> bad[] = {
        {"0202EA2 42BHFL", "bad clue character at position 9"},
        {"0202EA2 a2BHFL", "bad clue character at position 9"},
        {"0202EA2 ", "line too short for its size"},
        {"2602EA", "size out of range"},  // too many rows
        {"0226EA", "size out of range"},  // too many columns
        {"-102EA2", "size out of range"},
        {"01", "size out of range"},  // truncated header
        {"9999EA", "size out of range"},
        {std::string("0101EA\0", 7), "bad clue character at position 7"},
    };
    const std::string file = folder.File("bad.txt");
    for (const auto& [record, reason] : bad) {
        WriteBytes(file, record + "\r\n");
        place.count = 1;
        std::string whyNot;
        EXPECT_FALSE(LoadPuzzle(grid, place, file, 1, &whyNot)) << record;
        EXPECT_EQ(whyNot, reason);
        EXPECT_EQ(UserRecordText(grid), before);
        EXPECT_EQ(grid.CellColour[1][1], Yellow);
        EXPECT_EQ(place.file + NumText(place.number), placeBefore);
    }
    // Beyond the count, number 0, the file ending first, a missing file, a folder: all fail the
    // same way, each for its own reason.
    const auto whyNot = [&](const std::string& name, int count, int puzNum) {
        place.count = count;
        std::string reason;
        EXPECT_FALSE(LoadPuzzle(grid, place, name, puzNum, &reason));
        return reason;
    };
    EXPECT_EQ(whyNot(good, 2, 3), "line 3 missing");
    EXPECT_EQ(whyNot(good, 2, 0), "records are numbered from 1");
    EXPECT_EQ(whyNot(good, 5, 3), "line 3 missing");
    EXPECT_EQ(whyNot(folder.File("missing.txt"), 1, 1), "no such file");
    EXPECT_EQ(whyNot(folder.Path(), 1, 1), "not a file");
    EXPECT_EQ(UserRecordText(grid), before);

    place.count = 2;
    ASSERT_TRUE(LoadPuzzle(grid, place, good, 2));  // and the file still loads
    EXPECT_EQ(grid.Rows, 2);
}

TEST(PuzzleRecordTest, ReplaceWritesOneLineAndAppendKeepsLinesApart) {
    TempFolder folder;
    Loaded loaded = LoadRecord(folder, "0202HA2  2BHFL");
    ASSERT_TRUE(loaded.loaded);
    ApplySolution(loaded.grid);
    const std::string file = folder.File("out.txt");
    WriteBytes(file, "0101EA1A\r\n0101EA1K");  // the last line has no line end
    ASSERT_TRUE(WritePuzzleRecord(loaded.grid, file, WriteMode::Append));
    EXPECT_EQ(ReadBytes(file), "0101EA1A\r\n0101EA1K\r\n0202HA2  2BHFL\r\n");
    ASSERT_TRUE(WriteUserRecord(loaded.grid, file));
    EXPECT_EQ(CountLines(file), 4);
    ASSERT_TRUE(WritePuzzleRecord(loaded.grid, file, WriteMode::Replace));
    EXPECT_EQ(ReadBytes(file), "0202HA2  2BHFL\r\n");
    EXPECT_FALSE(
        WritePuzzleRecord(loaded.grid, folder.File("no/such/folder.txt"), WriteMode::Replace));
    EXPECT_FALSE(WriteUserRecord(loaded.grid, folder.Path()));
}

}  // namespace
}  // namespace ringlace
