#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "commands/collection_edits.h"
#include "commands/collection_navigation.h"
#include "model/puzzle_record.h"
#include "model/text_file.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Record k of a collection is a 1 x k grid, so the board's width tells which record it shows.
std::string Collection(int count) {
    std::string text;
    for (int k = 1; k <= count; ++k)
        text +=
            "010" + std::to_string(k) + "EA" + std::string(k, ' ') + std::string(k, 'A') + "\r\n";
    return text;
}

// The 2 x 2 puzzle whose loop runs round the whole grid, with its stored solution.
constexpr const char* kRound = "0202EA2  2BHFL";

struct Collecting : test::TestApp {
    explicit Collecting(int count, int number = 1) {
        file = folder.File("puzzles.txt");
        WriteBytes(file, Collection(count));
        EXPECT_TRUE(Load(file, number));
    }
    // The record the board shows, as its number and by the board's width.
    void ExpectShown(int number) const {
        EXPECT_EQ(app.place.number, number);
        EXPECT_EQ(app.grid.Cols, number);
    }

    std::string file;
};

TEST(CollectionNavigationTest, MovesWrapAroundTheFileAndSkipAOnePuzzleFile) {
    struct Case {
        int from;
        PuzzleMove move;
        int to;
    };
    for (const Case& c : {Case{1, PuzzleMove::Previous, 4}, Case{4, PuzzleMove::Next, 1},
                          Case{2, PuzzleMove::Next, 3}, Case{3, PuzzleMove::Previous, 2},
                          Case{3, PuzzleMove::First, 1}, Case{2, PuzzleMove::Last, 4}}) {
        Collecting collecting(4, c.from);
        EXPECT_TRUE(GoToPuzzle(collecting.app, c.move));
        collecting.ExpectShown(c.to);
    }
    Collecting single(1);
    for (const PuzzleMove move : {PuzzleMove::Previous, PuzzleMove::Next, PuzzleMove::Random})
        EXPECT_FALSE(GoToPuzzle(single.app, move));

    Collecting random(4);
    for (int k = 0; k < 20; ++k) {
        ASSERT_TRUE(GoToPuzzle(random.app, PuzzleMove::Random));
        random.ExpectShown(random.app.place.number);
    }
}

TEST(CollectionNavigationTest, ANumberOutsideTheFileOrNotANumberChangesNothing) {
    Collecting collecting(4, 2);
    for (const char* text : {"0", "5", "ab", "", "4294967298"})
        EXPECT_FALSE(GoToTypedNumber(collecting.app, text)) << text;
    for (const int number : {0, -1, 5}) EXPECT_FALSE(GoToNumber(collecting.app, number));
    collecting.ExpectShown(2);
    EXPECT_TRUE(GoToTypedNumber(collecting.app, "4"));
    collecting.ExpectShown(4);
    EXPECT_TRUE(GoToNumber(collecting.app, 3));
    collecting.ExpectShown(3);
}

TEST(CollectionNavigationTest, AFileCutShortOnDiskIsCountedAgain) {
    Collecting collecting(5, 3);
    WriteBytes(collecting.file, Collection(3));
    EXPECT_TRUE(GoToPuzzle(collecting.app, PuzzleMove::Next));
    EXPECT_EQ(collecting.app.place.count, 3);
    collecting.ExpectShown(1);

    // A record that cannot be read is named and the board stays.
    WriteBytes(collecting.file, Collection(1) + "junk\r\n" + Collection(3));
    collecting.app.place.count = 5;
    EXPECT_FALSE(GoToPuzzle(collecting.app, PuzzleMove::Next));
    collecting.ExpectShown(1);
    EXPECT_EQ(collecting.host.statuses.back(), "Puzzle 2 could not be read");
}

// A file opened from the dialog gains ".txt" and goes first among the recent files; reopened, the
// order stays. One that cannot be loaded, or is gone, is reported and the puzzle stays.
TEST(CollectionNavigationTest, OpeningAFileUpdatesTheRecentFilesOrReportsWhyItCannot) {
    Collecting collecting(2, 2);
    const std::string other = collecting.folder.File("other");
    WriteBytes(other + ".txt", Collection(3));
    const std::string junk = collecting.folder.File("junk.txt");
    WriteBytes(junk, "not a puzzle\r\n");
    collecting.app.settings.RecentFiles = {"a", "b", "c", "d", "e"};
    collecting.host.fileNames = {"", junk, other};
    EXPECT_FALSE(OpenPuzzleFileCommand(collecting.app));
    EXPECT_FALSE(OpenPuzzleFileCommand(collecting.app));
    EXPECT_EQ(collecting.LastMessage(),
              (Message{"Error reading file:\r\n" + junk, Icon::Critical, Buttons::Ok}));
    EXPECT_EQ(collecting.app.place.file, collecting.file);
    collecting.ExpectShown(2);

    EXPECT_TRUE(OpenPuzzleFileCommand(collecting.app));
    EXPECT_EQ(collecting.host.fileRequests[2].folder, collecting.folder.Path());
    EXPECT_EQ(collecting.app.place.file, other + ".txt");
    EXPECT_EQ(collecting.app.place.count, 3);
    collecting.ExpectShown(1);
    const std::array<std::string, 5> recent{other + ".txt", "a", "b", "c", "d"};
    EXPECT_EQ(collecting.app.settings.RecentFiles, recent);
    collecting.app.settings.RecentFiles = {"a", other + ".txt", "", "", ""};
    EXPECT_TRUE(OpenRecentFile(collecting.app, 1));
    EXPECT_EQ(collecting.app.settings.RecentFiles[0], "a");
    // The command line's number is held to the file.
    EXPECT_TRUE(OpenFileAt(collecting.app, other + ".txt", 9));
    collecting.ExpectShown(3);

    collecting.app.settings.RecentFiles[0] = collecting.folder.File("gone.txt");
    EXPECT_FALSE(OpenRecentFile(collecting.app, 0));
    EXPECT_EQ(collecting.LastMessage().text,
              "File not found:\r\n" + collecting.folder.File("gone.txt"));
}

TEST(CollectionCommandsTest, EveryCommandWaitsForTheRunningWork) {
    const std::vector<std::function<bool(App&)>> commands{
        [](App& app) { return GoToPuzzle(app, PuzzleMove::Next); },
        [](App& app) { return GoToTypedNumber(app, "2"); },
        [](App& app) { return GoToNumber(app, 2); },
        OpenPuzzleFileCommand,
        [](App& app) { return OpenFileAt(app, app.place.file, 2); },
        AppendPuzzleCommand,
        AppendUserEntriesCommand,
        DeletePuzzleCommand};
    for (const auto& command : commands) {
        Collecting collecting(3);
        collecting.app.runState.busy = true;
        EXPECT_FALSE(command(collecting.app));
        ASSERT_EQ(collecting.host.messages.size(), 1u);
        EXPECT_EQ(collecting.LastMessage(),
                  (Message{"Cancel Autosolve/Create first", Icon::Information, Buttons::Ok}));
        EXPECT_TRUE(collecting.host.fileRequests.empty());
        EXPECT_EQ(ReadBytes(collecting.file), Collection(3));
        collecting.ExpectShown(1);
    }
    Collecting collecting(3);
    collecting.app.settings.RecentFiles[0] = collecting.file;
    collecting.app.runState.busy = true;
    EXPECT_FALSE(OpenRecentFile(collecting.app, 0));
    EXPECT_EQ(collecting.LastMessage(),
              (Message{"Cancel Puzzle Creation first", Icon::Critical, Buttons::Ok}));
}

// Nothing is appended without a puzzle. Appended elsewhere, the stored solution is written and the
// board stays; appended to its own file, the board shows the new record, the entries still on it.
TEST(CollectionEditsTest, AppendingWritesTheStoredSolutionAndKeepsTheEntries) {
    Collecting collecting(1);
    collecting.app.place.number = 0;
    EXPECT_FALSE(AppendPuzzleCommand(collecting.app));
    EXPECT_EQ(collecting.LastMessage(),
              (Message{"This puzzle is not complete", Icon::Critical, Buttons::Ok}));
    EXPECT_TRUE(collecting.host.fileRequests.empty());

    WriteBytes(collecting.file, std::string(kRound) + "\r\n");
    ASSERT_TRUE(LoadPuzzleOntoBoard(collecting.app, collecting.file, 1));
    collecting.app.grid.SetEdge(1, 1, Side::Left, XMark);
    const std::string other = collecting.folder.File("kept");
    const std::string folderInTheWay = collecting.folder.File("in-the-way.txt");
    std::filesystem::create_directory(folderInTheWay);
    collecting.host.fileNames = {folderInTheWay, other, collecting.file};
    EXPECT_FALSE(AppendPuzzleCommand(collecting.app));
    EXPECT_EQ(collecting.LastMessage(),
              (Message{"Error writing file:\r\n" + folderInTheWay, Icon::Critical, Buttons::Ok}));

    EXPECT_FALSE(AppendPuzzleCommand(collecting.app));
    EXPECT_EQ(ReadBytes(other + ".txt"), std::string(kRound) + "\r\n");
    EXPECT_EQ(collecting.LastMessage(), (Message{"Current Puzzle saved in file:\r\n" + other +
                                                     ".txt\r\nThis file has 1 puzzles",
                                                 Icon::Save, Buttons::Ok}));
    EXPECT_EQ(collecting.app.place.file, collecting.file);

    EXPECT_TRUE(AppendUserEntriesCommand(collecting.app));
    EXPECT_EQ(collecting.app.place.number, 2);
    EXPECT_EQ(collecting.app.place.count, 2);
    EXPECT_EQ(*ReadLineAt(collecting.file, 2), UserRecordText(collecting.app.grid));
    EXPECT_EQ(collecting.app.grid.CellEdge[1][1][Side::Left], XMark);
    EXPECT_EQ(collecting.LastMessage().text.substr(0, 28), "User solution saved in file:");
}

TEST(CollectionEditsTest, DeletingShowsTheNeighbourAndLeavesNoScratchFile) {
    struct Case {
        int count;
        int deleted;
        int shown;  // by the width of its record, which is the old number
        int number;
    };
    for (const Case& c : {Case{3, 1, 2, 1}, Case{3, 3, 2, 2}, Case{5, 3, 2, 2}}) {
        Collecting collecting(c.count, c.deleted);
        collecting.host.answers = {Answer::Yes};
        EXPECT_TRUE(DeletePuzzleCommand(collecting.app));
        EXPECT_EQ(collecting.app.place.count, c.count - 1);
        EXPECT_EQ(collecting.app.place.number, c.number);
        EXPECT_EQ(collecting.app.grid.Cols, c.shown);
        EXPECT_EQ(collecting.host.messages[0],
                  (Message{"Delete current puzzle from file:\r\n" + collecting.file, Icon::Trash,
                           Buttons::YesNo}));
        EXPECT_EQ(collecting.LastMessage(), (Message{"Deleted", Icon::Trash, Buttons::Ok}));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(collecting.folder.Path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

TEST(CollectionEditsTest, AFailedDeleteLeavesTheFileAsItWas) {
    Collecting collecting(3, 2);
    collecting.host.answers = {Answer::No};
    EXPECT_FALSE(DeletePuzzleCommand(collecting.app));
    // A folder where the temporary file would go: the write fails even for an all-powerful user.
    std::filesystem::create_directory(collecting.file + ".tmp");
    EXPECT_FALSE(DeletePuzzleCommand(collecting.app));
    EXPECT_EQ(collecting.LastMessage(),
              (Message{"Error writing file:\r\n" + collecting.file, Icon::Critical, Buttons::Ok}));
    EXPECT_EQ(ReadBytes(collecting.file), Collection(3));
    collecting.ExpectShown(2);

    Collecting single(1);
    EXPECT_FALSE(DeletePuzzleCommand(single.app));
    EXPECT_EQ(single.LastMessage().text, "There is only one puzzle in this file");
    // Counted as two, but the file holds one by now.
    single.app.place.count = 2;
    EXPECT_FALSE(DeletePuzzleCommand(single.app));
    EXPECT_EQ(single.LastMessage().text, "There is only one puzzle in this file");
    EXPECT_EQ(ReadBytes(single.file), Collection(1));
}

// Only a file with content is asked about, and kept on No.
TEST(CollectionEditsTest, AFileWithContentIsOverwrittenOnlyOnYes) {
    test::TestHost host;
    test::TempFolder folder;
    WriteBytes(folder.File("empty.txt"), "");
    WriteBytes(folder.File("full.txt"), "x");
    host.answers = {Answer::No, Answer::Yes};
    EXPECT_TRUE(ConfirmOverwrite(host, folder.File("new.txt")));
    EXPECT_TRUE(ConfirmOverwrite(host, folder.File("empty.txt")));
    EXPECT_FALSE(ConfirmOverwrite(host, folder.File("full.txt")));
    EXPECT_TRUE(ConfirmOverwrite(host, folder.File("full.txt")));
    EXPECT_EQ(host.messages,
              std::vector<Message>(2, {"OverWrite file:\r\n" + folder.File("full.txt") + " ?",
                                       Icon::Question, Buttons::YesNo}));
}

}  // namespace
}  // namespace ringlace
