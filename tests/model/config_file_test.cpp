#include "model/config_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::TestHost;
using test::WriteBytes;

const std::string kDefaultText =
    "xp.col\r\nArial\r\npuzzles.txt\r\n+\r\n"
    " 1  0  0  0  1  0  12  128  2  2  0  0  0  0  0  0 \r\n";

struct Read {
    Settings settings;
    PuzzlePlace place;
    bool accepted = false;
};

Read ReadText(const TempFolder& folder, const std::string& text) {
    const std::string file = folder.File("ringlace.cfg");
    WriteBytes(file, text);
    Read read;
    read.settings.FontName = "not read yet";
    read.accepted = LoadSettings(file, read.settings, read.place);
    return read;
}

TEST(ConfigFileTest, AFirstStartWritesTheDefaultsByteForByte) {
    TempFolder folder;
    const std::string file = folder.File("ringlace.cfg");
    Settings settings;
    settings.BarThickness = 5;
    PuzzlePlace place;
    EXPECT_FALSE(LoadSettings(file, settings, place));
    EXPECT_EQ(ReadBytes(file), kDefaultText);
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(place.file, "puzzles.txt");
    EXPECT_EQ(place.number, 1);
}

TEST(ConfigFileTest, EverySettingSurvivesASaveAndARead) {
    TempFolder folder;
    Settings settings;
    settings.SchemeName = "dark.col";
    settings.FontName = "DejaVu Sans";
    settings.CornerChar = "";
    settings.GridColour = Rgb(1, 2, 3);
    settings.BarColour = -5;
    settings.GridLine = kGridDotted;
    settings.Marker = kMarkerBar;
    settings.NumberColour = 77;
    settings.NumberFontSize = 14;
    settings.MarkerColour = 255;
    settings.PrintLineWidth = 3;
    settings.BarThickness = 6;
    settings.AutofillOn = 1;
    settings.ButtonColour = 12345;
    settings.PrintGrid = 1;
    settings.RectangleCorner = 1;
    settings.MenuBarSide = 1;
    settings.SolutionRegister = 1;
    settings.RecentFiles = {"/a/one.txt", "/b/two.rlc", "", "", ""};
    PuzzlePlace place;
    place.file = "/home/ann/my puzzles.txt";
    place.number = 42;
    TestHost host;
    const std::string file = folder.File("ringlace.cfg");
    ASSERT_TRUE(SaveSettings(file, settings, place, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadBytes(file),
              "dark.col\r\nDejaVu Sans\r\n/home/ann/my puzzles.txt\r\n\r\n"
              " 42  197121 -5  2  0  77  14  255  3  6  1  12345  1  1  1  1 \r\n"
              "/a/one.txt\r\n/b/two.rlc\r\n");
    Settings read;
    PuzzlePlace readPlace;
    ASSERT_TRUE(LoadSettings(file, read, readPlace));
    EXPECT_EQ(read, settings);
    EXPECT_EQ(readPlace.file, place.file);
    EXPECT_EQ(readPlace.number, 42);
}

TEST(ConfigFileTest, AFailedCheckReplacesEverythingWithTheDefaults) {
    TempFolder folder;
    const std::string recent = "/x/recent.txt\r\n";
    const std::string bad[] = {
        "dark.col\r\nArial\r\np.txt\r\n+\r\n 1 0 0 0 3 0 12 128 2 2 0 0 0 0 0 0\r\n",  // marker 3
        "dark.col\r\nArial\r\np.txt\r\n+\r\n 1 0 0 3 1 0 12 128 2 2 0 0 0 0 0 0\r\n",  // grid line
                                                                                       // 3
        "dark.col\r\nArial\r\np.txt\r\n+\r\n 1 0 0 0 1 0 12 128 2 2 2 0 0 0 0 0\r\n",  // autofill 2
        "dark.col\r\nArial\r\np.txt\r\n+\r\n 1 0 0 0 1 0 12 128 2 2 0 0 0 0 0\r\n",    // fifteen
        "dark.col\r\nArial\r\np.txt\r\n+\r\n 1 0 0 0 1 0 12 x 2 2 0 0 0 0 0 0\r\n",  // not a number
        "dark.col\r\nArial\r\np.txt\r\n+\r\n 1 0 0 0 1 0 1.5 1 2 2 0 0 0 0 0 0\r\n",  // not whole
        "dark.col\r\nArial\r\np.txt\r\n+\r\n 1 0 0 0 1 0 12 9999999999 2 2 0 0 0 0 0 0\r\n",
        "dark.col\r\nArial\r\np.txt\r\n",  // too short
        "",
        std::string("\0\xff\x01garbage", 10),
    };
    for (const std::string& text : bad) {
        const Read read = ReadText(folder, text + recent);
        EXPECT_FALSE(read.accepted) << text;
        EXPECT_EQ(read.settings, Settings{});  // the recent files are lost too
        EXPECT_EQ(read.place.file, "puzzles.txt");
        EXPECT_EQ(ReadBytes(folder.File("ringlace.cfg")), kDefaultText);
    }
}

TEST(ConfigFileTest, OnlyTheBarThicknessIsMendedInPlace) {
    TempFolder folder;
    const Read read = ReadText(
        folder, "dark.col\r\nCourier\r\np.txt\r\n#\r\n 3 0 0 2 0 0 10 128 2 9 1 0 0 0 1 0 \r\n");
    EXPECT_TRUE(read.accepted);
    EXPECT_EQ(read.settings.BarThickness, 2);
    EXPECT_EQ(read.settings.SchemeName, "dark.col");
    EXPECT_EQ(read.settings.FontName, "Courier");
    EXPECT_EQ(read.settings.CornerChar, "#");
    EXPECT_EQ(read.settings.GridLine, kGridDotted);
    EXPECT_EQ(read.settings.NumberFontSize, 10);
    EXPECT_EQ(read.settings.AutofillOn, 1);
    EXPECT_EQ(read.settings.MenuBarSide, 1);
    EXPECT_EQ(read.place.number, 3);
}

TEST(ConfigFileTest, FieldsCommasBlanksAndRecentFiles) {
    TempFolder folder;
    const Read read = ReadText(folder,
                               "   \r\n\"Liberation Sans\", 9\r\n/p q.txt\r\n+\r\n"
                               "1,0,0,0,1,0,12,128,2,2,0,0,0,0,0,0\n"
                               "\r\n/r1.txt\r\n   \r\n/r2.txt\n/r3\n/r4\n/r5\n/r6\n");
    ASSERT_TRUE(read.accepted);
    EXPECT_EQ(read.settings.SchemeName, "xp.col");  // a blank scheme name
    EXPECT_EQ(read.settings.FontName, "Liberation Sans");
    EXPECT_EQ(read.place.file, "/p q.txt");
    EXPECT_EQ(read.settings.RecentFiles,
              (std::array<std::string, 5>{"/r1.txt", "/r2.txt", "/r3", "/r4", "/r5"}));
}

TEST(ConfigFileTest, SavingWithNoRecentFilesWritesFiveLines) {
    Settings settings;
    PuzzlePlace place;
    place.file = "puzzles.txt";
    place.number = 1;
    EXPECT_EQ(ConfigText(settings, place), kDefaultText);
}

TEST(ConfigFileTest, AFailedSaveSaysSoAndLeavesTheOldFile) {
    TempFolder folder;
    TestHost host;
    const std::string file = folder.File("missing/ringlace.cfg");
    EXPECT_FALSE(SaveSettings(file, Settings{}, PuzzlePlace{}, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Configuration file:\r\n" + file + "\r\ncould not be accessed, options not saved");
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
}

}  // namespace
}  // namespace ringlace
