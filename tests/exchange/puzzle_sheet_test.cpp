#include "exchange/puzzle_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/puzzle_record.h"
#include "support/hex_bytes.h"
#include "support/temp_folder.h"

namespace ringlace {
namespace {

using test::HexBytes;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

Grid Loaded(const std::string& record) {
    Grid grid;
    EXPECT_TRUE(LoadRecord(grid, record));
    return grid;
}

std::string SheetOf(const Grid& grid, SheetLoop loop = SheetLoop::StoredSolution) {
    TempFolder folder;
    const std::string file = folder.File("sheet.xls");
    EXPECT_TRUE(WritePuzzleSheet(grid, file, loop));
    return ReadBytes(file);
}

// One clue "2" whose solution is its left side: the whole file, record by record.
TEST(PuzzleSheetTest, TheOneCellPuzzleInFull) {
    const std::string expected =
        HexBytes("09 00 04 00  02 00 10 00") +                // beginning of a worksheet
        HexBytes("2B 00 02 00  00 00") +                      // no grid lines
        HexBytes("28 00 08 00  00 00 00 00 00 00 F8 3F") +    // top margin 1.5
        HexBytes("26 00 08 00  00 00 00 00 00 00 F8 3F") +    // left
        HexBytes("27 00 08 00  00 00 00 00 00 00 F8 3F") +    // right
        HexBytes("29 00 08 00  00 00 00 00 00 00 F8 3F") +    // bottom
        HexBytes("31 00 0A 00  C8 00 00 00  05") + "Arial" +  // font 0: 10 pt
        HexBytes("31 00 0A 00  C8 00 01 00  05") + "Arial" +  // font 1: 10 pt bold
        HexBytes("24 00 04 00  00 C7 00 03") +                // columns 1..200, 3 characters
        HexBytes("04 00 1E 00  00 00 01 00  00 40 01  16") + "Ringlace Puzzle : Easy" +
        HexBytes("04 00 24 00  01 00 01 00  00 40 01  1C") + "https://ringlace.example.org" +
        HexBytes("04 00 19 00  00 00 04 00  00 40 01  11") + "Ringlace Solution" +
        HexBytes("04 00 24 00  01 00 04 00  00 40 01  1C") + "https://ringlace.example.org" +
        HexBytes("02 00 09 00  02 00 01 00  00 00 02  02 00") +  // the clue, centred
        HexBytes("02 00 09 00  02 00 04 00  00 00 0A  02 00") +  // and with its left border
        HexBytes("0A 00 00 00");
    EXPECT_EQ(SheetOf(Loaded("0101EA2A")), expected);
}

TEST(PuzzleSheetTest, TheTitleNamesTheDifficulty) {
    const std::pair<const char*, std::string> titles[] = {
        {"EA", "Easy"}, {"ME", "Med"}, {"HA", "Hard"}, {"ZZ", "Easy"}};
    for (const auto& [code, name] : titles) {
        SCOPED_TRACE(code);
        const std::string title = "Ringlace Puzzle : " + name;
        const std::string sheet = SheetOf(Loaded(std::string("0101") + code + "2A"));
        EXPECT_NE(sheet.find(static_cast<char>(title.size()) + title), std::string::npos);
    }
}

// A grid holding a loop of its own that differs from its stored solution: the sheet shows either,
// and the caller's bars stay as they were.
TEST(PuzzleSheetTest, TheLoopFromTheStoredSolutionOrAsDrawn) {
    Grid grid = Loaded("0101EA2A");
    grid.SetEdge(1, 1, Side::Right, Bar);
    const std::string solutionCell = HexBytes("02 00 09 00  02 00 04 00  00 00");
    EXPECT_TRUE(SheetOf(grid).ends_with(solutionCell + HexBytes("0A 02 00  0A 00 00 00")));
    EXPECT_EQ(grid.CellEdge[1][1][Side::Left], Free);
    EXPECT_EQ(grid.CellEdge[1][1][Side::Right], Bar);
    EXPECT_TRUE(SheetOf(grid, SheetLoop::AsDrawn)
                    .ends_with(solutionCell + HexBytes("12 02 00  0A 00 00 00")));
}

// A folder where the temporary file would go: nothing written, the old file kept.
TEST(PuzzleSheetTest, AFailedWriteLeavesTheOldFile) {
    TempFolder folder;
    const std::string file = folder.File("sheet.xls");
    WriteBytes(file, "old sheet");
    std::filesystem::create_directory(file + ".tmp");
    EXPECT_FALSE(WritePuzzleSheet(Loaded("0101EA2A"), file));
    EXPECT_EQ(ReadBytes(file), "old sheet");
}

}  // namespace
}  // namespace ringlace
