#include "commands/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/config_file.h"
#include "model/puzzle_labels.h"
#include "play/colour_scheme.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string kData = RINGLACE_DATA_DIR;

// An application folder with the shipped scheme list and puzzles unless told otherwise.
struct Installed : test::TestApp {
    explicit Installed(bool withSchemes = true, bool withPuzzles = true) {
        if (withSchemes) WriteBytes(folder.File("all.col"), ReadBytes(kData + "/all.col"));
        if (withPuzzles) WriteBytes(folder.File("puzzles.txt"), ReadBytes(kData + "/puzzles.txt"));
    }
    StartOutcome Start() { return StartUp(app, {"Arial", "@Gothic", "DejaVu Sans"}); }
};

TEST(StartupTest, WithoutTheSchemeListTheProgramCannotRun) {
    Installed installed(false);
    EXPECT_EQ(installed.Start(), StartOutcome::End);
    EXPECT_EQ(
        installed.host.messages,
        (std::vector<Message>{{"File: all.col is missing\r\nProgram cannot run without this file",
                               Icon::Critical, Buttons::Ok}}));
    EXPECT_FALSE(std::filesystem::exists(installed.folder.File("ringlace.cfg")));
}

TEST(StartupTest, AFirstStartWritesTheDefaultsAndShowsTheFirstShippedPuzzle) {
    Installed installed;
    ASSERT_EQ(installed.Start(), StartOutcome::Run);
    EXPECT_TRUE(installed.host.messages.empty());
    const App& app = installed.app;
    EXPECT_EQ(ReadBytes(installed.folder.File("ringlace.cfg")),
              "xp.col\r\nArial\r\npuzzles.txt\r\n+\r\n"
              " 1  0  0  0  1  0  12  128  2  2  0  0  0  0  0  0 \r\n");
    EXPECT_EQ(app.place.file, installed.folder.File("puzzles.txt"));
    EXPECT_EQ(DescribePuzzle(app.grid, app.place).puzzleCount, " of 24");
    EXPECT_EQ(app.fontList, (std::vector<std::string>{"Arial", "DejaVu Sans"}));
    EXPECT_EQ(app.scheme[13], app.scheme[4]);
}

// The last puzzle and scheme come back; a scheme no longer listed gives way to the default one,
// whose colours the board is then drawn in.
TEST(StartupTest, TheLastPuzzleAndSchemeAreShownAgain) {
    Installed installed;
    PuzzlePlace last;
    last.file = installed.folder.File("puzzles.txt");
    last.number = 9;
    for (const std::string scheme : {"dark.col", "gone.col"}) {
        Settings settings;
        settings.SchemeName = scheme;
        WriteBytes(installed.folder.File("ringlace.cfg"), ConfigText(settings, last));
        ASSERT_EQ(installed.Start(), StartOutcome::Run);
        EXPECT_EQ(DescribePuzzle(installed.app.grid, installed.app.place).puzzleNumber, "9");
    }
    EXPECT_EQ(
        installed.host.messages,
        (std::vector<Message>{{"Colour Scheme: gone.col not found", Icon::Critical, Buttons::Ok}}));
    EXPECT_EQ(installed.app.settings.SchemeName, "xp.col");
    SchemeColours xp{};
    ASSERT_TRUE(ReadSchemeColours(kData + "/all.col", "xp.col", xp));
    xp[13] = xp[4];
    EXPECT_EQ(installed.app.scheme, xp);
}

TEST(StartupTest, NoLoadablePuzzleGivesTheEmptyNineByNineBoard) {
    Installed installed(true, false);
    ASSERT_EQ(installed.Start(), StartOutcome::Run);
    const App& app = installed.app;
    PuzzleLabels onlyTheSize;
    onlyTheSize.size = "9x9";
    EXPECT_EQ(DescribePuzzle(app.grid, app.place), onlyTheSize);
    EXPECT_EQ(app.grid.CountBlankClues(), 81);
    EXPECT_EQ(app.place.count, 0);
    EXPECT_EQ(app.grid.CellColour[0][5], Pink);
    EXPECT_EQ(installed.host.statuses.back(), "Click create puzzle button");
    EXPECT_TRUE(installed.host.messages.empty());
}

// A read-only program folder and a configuration that cannot be read are each announced once; the
// settings go to the data folder, the shipped puzzles are still read from the program folder, the
// bad configuration is kept aside and the next start reads the defaults that replaced it.
TEST(StartupTest, AReadOnlyFolderAndAnUnreadableConfigurationAreAnnouncedOnce) {
    Installed installed;
    TempFolder data;
    installed.app.paths.DataFolder = data.Path();
    const std::string file = data.File("ringlace.cfg");
    ASSERT_EQ(installed.Start(), StartOutcome::Run);
    WriteBytes(file, "dark.col\r\nArial\r\n");
    ASSERT_EQ(installed.Start(), StartOutcome::Run);
    ASSERT_EQ(installed.Start(), StartOutcome::Run);
    EXPECT_EQ(installed.host.messages,
              (std::vector<Message>{
                  {"The program folder cannot be written:\r\n" + installed.folder.Path() +
                       "\r\nSettings and scratch files are kept in:\r\n" + data.Path(),
                   Icon::Information, Buttons::Ok},
                  {"Configuration file:\r\n" + file +
                       "\r\ncould not be read, default options used\r\nIt was kept as:\r\n" + file +
                       ".bad",
                   Icon::Exclamation, Buttons::Ok}}));
    EXPECT_EQ(ReadBytes(file + ".bad"), "dark.col\r\nArial\r\n");
    EXPECT_EQ(installed.app.settings.SchemeName, "xp.col");
    EXPECT_FALSE(std::filesystem::exists(installed.folder.File("ringlace.cfg")));
    EXPECT_EQ(installed.app.place.file, installed.folder.File("puzzles.txt"));
}

// Exit asks first, then writes the configuration, and says so when it cannot.
TEST(StartupTest, ExitAsksFirstAndThenWritesTheConfiguration) {
    Installed installed;
    ASSERT_EQ(installed.Start(), StartOutcome::Run);
    installed.app.place.number = 4;
    installed.app.settings.AutofillOn = 1;
    const std::string file = installed.folder.File("ringlace.cfg");
    const std::string before = ReadBytes(file);
    installed.host.answers = {Answer::No};
    EXPECT_FALSE(ExitCommand(installed.app));
    EXPECT_EQ(installed.host.messages,
              (std::vector<Message>{{"Exit?", Icon::Exit, Buttons::YesNo}}));
    EXPECT_EQ(ReadBytes(file), before);

    installed.host.answers = {Answer::Yes};
    EXPECT_TRUE(ExitCommand(installed.app));
    Settings settings;
    PuzzlePlace place;
    ASSERT_EQ(LoadSettings(file, settings, place), SettingsLoad::Read);
    EXPECT_EQ(place.number, 4);
    EXPECT_EQ(place.file, installed.folder.File("puzzles.txt"));
    EXPECT_EQ(settings.AutofillOn, 1);

    // A file where the data folder should be: nothing can be written below it.
    installed.app.paths.DataFolder = file + "/";
    EXPECT_FALSE(SaveSettingsCommand(installed.app));
    EXPECT_EQ(installed.host.messages.back(),
              (Message{"Configuration file:\r\n" + file +
                           "/ringlace.cfg\r\ncould not be accessed, options not saved",
                       Icon::Critical, Buttons::Ok}));
}

}  // namespace
}  // namespace ringlace
