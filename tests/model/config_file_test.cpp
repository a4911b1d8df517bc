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

TEST(ConfigFileTest, EverySettingSurvivesASaveAndARead) {
    TempFolder folder;
    const Settings settings{.SchemeName = "dark.col",
                            .FontName = "DejaVu Sans",
                            .CornerChar = "",
                            .GridColour = Rgb(1, 2, 3),
                            .BarColour = -5,
                            .GridLine = kGridDotted,
                            .Marker = kMarkerBar,
                            .NumberColour = 77,
                            .NumberFontSize = 14,
                            .MarkerColour = 255,
                            .PrintLineWidth = 3,
                            .BarThickness = 6,
                            .AutofillOn = 1,
                            .ButtonColour = 12345,
                            .PrintGrid = 1,
                            .RectangleCorner = 1,
                            .MenuBarSide = 1,
                            .SolutionRegister = 1,
                            .RecentFiles = {"/a/one.txt", "/b/two.rlc", "", "", ""}};
    const PuzzlePlace place{"/home/ann/my puzzles.txt", 42};
    const std::string file = folder.File("ringlace.cfg");
    ASSERT_TRUE(SaveSettings(file, settings, place));
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

// A missing file, or one that fails a check: the defaults replace everything, byte for byte.
TEST(ConfigFileTest, AFailedCheckReplacesEverythingWithTheDefaults) {
    TempFolder folder;
    const std::string head = "dark.col\r\nArial\r\np.txt\r\n+\r\n";
    const std::string bad[] = {
        head + " 1 0 0 0 3 0 12 128 2 2 0 0 0 0 0 0\r\n",         // marker 3
        head + " 1 0 0 3 1 0 12 128 2 2 0 0 0 0 0 0\r\n",         // grid line 3
        head + " 1 0 0 0 1 0 12 128 2 2 2 0 0 0 0 0\r\n",         // autofill 2
        head + " 1 0 0 0 1 0 12 128 2 2 0 0 0 0 0\r\n",           // fifteen numbers
        head + " 1 0 0 0 1 0 12 x 2 2 0 0 0 0 0 0\r\n",           // not a number
        head + " 1 0 0 0 1 0 1.5 1 2 2 0 0 0 0 0 0\r\n",          // not whole
        head + " 1 0 0 0 1 0 12 9999999999 2 2 0 0 0 0 0 0\r\n",  // beyond 32 bits
        "dark.col\r\nArial\r\np.txt\r\n",                         // too short
        std::string("\0\xff\x01garbage", 10),
    };
    for (const std::string& text : bad) {
        const Read read = ReadText(folder, text + "/x/recent.txt\r\n");
        EXPECT_FALSE(read.accepted) << text;
        EXPECT_EQ(read.settings, Settings{});  // the recent files are lost too
        EXPECT_EQ(read.place.file, "puzzles.txt");
        EXPECT_EQ(read.place.number, 1);
        EXPECT_EQ(ReadBytes(folder.File("ringlace.cfg")), kDefaultText);
    }
    Settings settings;
    PuzzlePlace place;
    EXPECT_FALSE(LoadSettings(folder.File("first.cfg"), settings, place));
    EXPECT_EQ(ReadBytes(folder.File("first.cfg")), kDefaultText);
}

// A bar thickness out of range is mended in place; the rest of the line is read as it stands.
// Text fields stop at a comma or their closing quote, numbers may be separated by commas, blank
// lines are no recent files, and only five are kept.
TEST(ConfigFileTest, TheReaderMendsTheThicknessAndToleratesTheLayout) {
    TempFolder folder;
    const Read read = ReadText(folder,
                               "   \r\n\"Liberation Sans\", 9\r\n/p q.txt\r\n#\r\n"
                               "3,0,0,2,0,0,10,128,2,9,1,0,0,0,1,0\n"
                               "\r\n/r1.txt\r\n   \r\n/r2.txt\n/r3\n/r4\n/r5\n/r6\n");
    ASSERT_TRUE(read.accepted);
    EXPECT_EQ(read.settings.BarThickness, 2);
    EXPECT_EQ(read.settings.GridLine, kGridDotted);
    EXPECT_EQ(read.settings.NumberFontSize, 10);
    EXPECT_EQ(read.settings.MenuBarSide, 1);
    EXPECT_EQ(read.settings.SchemeName, "xp.col");  // a blank scheme name
    EXPECT_EQ(read.settings.FontName, "Liberation Sans");
    EXPECT_EQ(read.settings.CornerChar, "#");
    EXPECT_EQ(read.place.file, "/p q.txt");
    EXPECT_EQ(read.place.number, 3);
    EXPECT_EQ(read.settings.RecentFiles,
              (std::array<std::string, 5>{"/r1.txt", "/r2.txt", "/r3", "/r4", "/r5"}));
}

}  // namespace
}  // namespace ringlace
