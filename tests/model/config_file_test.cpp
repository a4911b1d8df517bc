#include "model/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>

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
    SettingsLoad load = SettingsLoad::Read;
};

Read ReadText(const TempFolder& folder, const std::string& text) {
    const std::string file = folder.File("ringlace.cfg");
    WriteBytes(file, text);
    Read read;
    read.settings.FontName = "not read yet";
    read.load = LoadSettings(file, read.settings, read.place);
    return read;
}

TEST(ConfigFileTest, EverySettingSurvivesASaveAndARead) {
    TempFolder folder;
    // Names that a comma or a blank at an end would cut short are written in quotes.
    const Settings settings{.SchemeName = "blue, dark.col",
                            .FontName = " DejaVu Sans ",
                            .CornerChar = "",
                            .GridColour = Rgb(1, 2, 3),
                            .BarColour = Rgb(255, 255, 255),
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
              "\"blue, dark.col\"\r\n\" DejaVu Sans \"\r\n/home/ann/my puzzles.txt\r\n\r\n"
              " 42  197121  16777215  2  0  77  14  255  3  6  1  12345  1  1  1  1 \r\n"
              "/a/one.txt\r\n/b/two.rlc\r\n");
    Settings read;
    PuzzlePlace readPlace;
    ASSERT_EQ(LoadSettings(file, read, readPlace), SettingsLoad::Read);
    EXPECT_EQ(read, settings);
    EXPECT_EQ(readPlace.file, place.file);
    EXPECT_EQ(readPlace.number, 42);
}

// A file whose structure cannot be read is kept beside it, byte for byte, and the defaults
// replace everything; a missing file is simply created.
TEST(ConfigFileTest, AnUnreadableFileIsKeptAsideAndTheDefaultsReplaceIt) {
    TempFolder folder;
    const std::string head = "dark.col\r\nArial\r\np.txt\r\n+\r\n";
    const std::string bad[] = {
        head + " 1 0 0 0 1 0 12 128 2 2 0 0 0 0 0\r\n",   // fifteen numbers
        head + " 1 0 0 0 1 0 12 x 2 2 0 0 0 0 0 0\r\n",   // not a number
        head + " 1 0 0 0 1 0 1.5 1 2 2 0 0 0 0 0 0\r\n",  // not whole
        "dark.col\r\nArial\r\np.txt\r\n",                 // too short
        std::string("\0\xff\x01garbage", 10),
    };
    for (const std::string& text : bad) {
        const Read read = ReadText(folder, text + "/x/recent.txt\r\n");
        EXPECT_EQ(read.load, SettingsLoad::Replaced) << text;
        EXPECT_EQ(read.settings, Settings{});
        EXPECT_EQ(read.place.file, "puzzles.txt");
        EXPECT_EQ(read.place.number, 1);
        EXPECT_EQ(ReadBytes(folder.File("ringlace.cfg")), kDefaultText);
        EXPECT_EQ(ReadBytes(folder.File("ringlace.cfg.bad")), text + "/x/recent.txt\r\n");
    }
    Settings settings;
    PuzzlePlace place;
    EXPECT_EQ(LoadSettings(folder.File("first.cfg"), settings, place), SettingsLoad::Created);
    EXPECT_EQ(ReadBytes(folder.File("first.cfg")), kDefaultText);
    EXPECT_FALSE(std::filesystem::exists(folder.File("first.cfg.bad")));

    // Where it cannot be kept, it is not overwritten either.
    std::filesystem::remove(folder.File("ringlace.cfg.bad"));
    std::filesystem::create_directories(folder.File("ringlace.cfg.bad/full"));
    const Read read = ReadText(folder, bad[0]);
    EXPECT_EQ(read.load, SettingsLoad::NotKept);
    EXPECT_EQ(read.settings, Settings{});
    EXPECT_EQ(ReadBytes(folder.File("ringlace.cfg")), bad[0]);
}

// A configuration of the dark scheme with the given numbers and one recent file.
Read ReadNumbers(const TempFolder& folder, const std::string& numbers) {
    return ReadText(folder, "dark.col\r\nArial\r\n/p.txt\r\n+\r\n" + numbers + "\r\n/r1.txt\r\n");
}

// A number out of its range costs nothing else: a measure is brought within its range, a choice
// takes its default, and the scheme, the place and the recent files stay.
TEST(ConfigFileTest, NumbersOutOfRangeAreMendedAndTheRestIsKept) {
    TempFolder folder;
    const Read high = ReadNumbers(folder,
                                  "7 16777216 2147483647 3 3 99999999 99999999999 16777216 11 0 2 "
                                  "16777216 2 2 2 5");
    ASSERT_EQ(high.load, SettingsLoad::Read);
    Settings expected;
    expected.SchemeName = "dark.col";
    expected.GridColour = Rgb(255, 255, 255);
    expected.BarColour = Rgb(255, 255, 255);
    expected.NumberColour = Rgb(255, 255, 255);
    expected.NumberFontSize = 36;
    expected.MarkerColour = Rgb(255, 255, 255);
    expected.PrintLineWidth = 10;
    expected.ButtonColour = Rgb(255, 255, 255);
    expected.RecentFiles[0] = "/r1.txt";
    EXPECT_EQ(high.settings, expected);
    EXPECT_EQ(high.place.file, "/p.txt");
    EXPECT_EQ(high.place.number, 7);
    EXPECT_FALSE(std::filesystem::exists(folder.File("ringlace.cfg.bad")));

    const Read low =
        ReadNumbers(folder, "-4 -1 -1 -1 -1 -1 -99999999999 -1 0 -1 -1 -1 -1 -1 -1 -1");
    ASSERT_EQ(low.load, SettingsLoad::Read);
    expected.GridColour = expected.BarColour = expected.NumberColour = 0;
    expected.MarkerColour = expected.ButtonColour = 0;
    expected.NumberFontSize = 6;
    expected.PrintLineWidth = 1;
    EXPECT_EQ(low.settings, expected);
    EXPECT_EQ(low.place.number, 0);
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
    ASSERT_EQ(read.load, SettingsLoad::Read);
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
