#include "commands/exchange_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/puzzle_record.h"
#include "model/text_file.h"
#include "support/recording_canvas.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// The 1 x 2 puzzle "3 ." whose stored loop runs round both cells, shown from its file.
constexpr const char* kPair = "0102EA3 DI\r\n";

struct Exchanging : test::TestApp {
    Exchanging() {
        file = folder.File("set.rlc");
        WriteBytes(file, kPair);
        EXPECT_TRUE(Load(file, 1));
    }
    std::string file;
};

TEST(ExchangeCommandsTest, TextFilesAreWrittenWhereAskedAndNeverChangeTheBoard) {
    Exchanging exchanging;
    exchanging.app.grid.SetEdge(1, 1, Side::Left, XMark);
    const std::string out = exchanging.folder.File("out");
    exchanging.host.fileNames = {out, out};
    exchanging.host.answers = {Answer::Ok, Answer::Yes};
    SaveTextPictureCommand(exchanging.app, PictureOf::Solution);
    EXPECT_EQ(ReadBytes(out + ".txt"),
              "\r\nSoln# 1 of 1 (Easy) : File: " + exchanging.file +
                  "\r\n\r\n#########\r\n# 3     #\r\n#########\r\n\r\n"
                  "Ringlace - free download at https://ringlace.example.org\r\n");
    EXPECT_EQ(exchanging.host.messages[0],
              (Message{"Output file created:\r\n" + out + ".txt", Icon::Save, Buttons::Ok}));
    EXPECT_EQ(exchanging.app.grid.CellEdge[1][1][Side::Left], XMark);  // the player's X stays

    // Over a file with content only after Yes.
    SavePlainTextCommand(exchanging.app);
    EXPECT_EQ(exchanging.host.messages[1].text, "OverWrite file:\r\n" + out + ".txt ?");
    EXPECT_EQ(ReadBytes(out + ".txt"), "3.\r\n");
    EXPECT_EQ(exchanging.LastMessage().text, "Current Puzzle saved in file:\r\n" + out + ".txt");

    // The spreadsheet gets its own extension; a file that cannot be written is reported.
    const std::string inTheWay = exchanging.folder.File("sheet.xls");
    std::filesystem::create_directory(inTheWay + ".tmp");
    exchanging.host.fileNames = {exchanging.folder.File("sheet")};
    SaveSpreadsheetCommand(exchanging.app);
    EXPECT_EQ(exchanging.host.fileRequests.back().filter, "*.xls");
    EXPECT_EQ(exchanging.LastMessage(),
              (Message{"Error writing file:\r\n" + inTheWay, Icon::Critical, Buttons::Ok}));

    exchanging.app.place.number = 0;
    SavePlainTextCommand(exchanging.app);
    EXPECT_EQ(exchanging.LastMessage().text, "This puzzle is not complete");
}

TEST(ExchangeCommandsTest, AnImportedFileJoinsItsCompanionRecordFile) {
    Exchanging exchanging;
    const std::string folder = exchanging.folder.File("a.b") + "/";
    std::filesystem::create_directory(folder);
    WriteBytes(folder + "grid.txt", "3.1\n0\n.22\n");
    exchanging.host.fileNames = {folder + "grid"};
    EXPECT_TRUE(ImportPuzzleFileCommand(exchanging.app));
    EXPECT_EQ(ReadBytes(folder + "grid.rlc"), "0303ME3 10   22XXXXXXXXX\r\n");
    EXPECT_EQ(exchanging.app.place.file, folder + "grid.rlc");
    EXPECT_EQ(exchanging.app.grid.Clue[3], 1);
    EXPECT_EQ(exchanging.LastMessage().text, "Imported puzzle file:\r\n" + folder +
                                                 "grid.txt\r\nsaved as:\r\n" + folder + "grid.rlc");

    // A bad character: nothing is written and the puzzle stays.
    WriteBytes(folder + "bad.txt", "3.4\n");
    exchanging.host.fileNames = {folder + "bad.txt"};
    EXPECT_FALSE(ImportPuzzleFileCommand(exchanging.app));
    EXPECT_EQ(exchanging.LastMessage(), (Message{"Error importing file:\r\n" + folder + "bad.txt",
                                                 Icon::Critical, Buttons::Ok}));
    EXPECT_FALSE(FileExists(folder + "bad.rlc"));
    EXPECT_EQ(exchanging.app.place.file, folder + "grid.rlc");
}

TEST(ExchangeCommandsTest, PastingTakesTextGridsAndGameIdsAndKeepsThePuzzleOnFailure) {
    Exchanging exchanging;
    exchanging.host.clipboardText = "3x\n.2\n";
    EXPECT_TRUE(PastePuzzleCommand(exchanging.app));
    EXPECT_EQ(ReadBytes(exchanging.folder.File("temporarypuzfile.txt")), "0202ME3  2XXXX\r\n");
    EXPECT_EQ(exchanging.app.place.count, 1);
    EXPECT_EQ(exchanging.host.statuses.back(), "Imported puzzle from clipboard");

    exchanging.host.clipboardText = "5x5t0:a3b0b1a2c2a121b3a01a";
    EXPECT_TRUE(PastePuzzleCommand(exchanging.app));
    EXPECT_EQ(exchanging.app.grid.Rows, 5);
    EXPECT_EQ(exchanging.app.grid.Clue[2], 3);

    for (const char* text : {"", "  \r\n", "3.4", "5x5t0:a3",
                             "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n"
                             "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1"}) {
        exchanging.host.clipboardText = text;
        EXPECT_FALSE(PastePuzzleCommand(exchanging.app)) << text;
        EXPECT_EQ(exchanging.LastMessage().text, "Error importing from clipboard");
        EXPECT_EQ(exchanging.app.grid.Rows, 5);
    }
}

TEST(ExchangeCommandsTest, CopiesCarryThePictureAndTheTextGrid) {
    Exchanging exchanging;
    CopyToClipboardCommand(exchanging.app, ClipboardCopy::Solution);
    CopyToClipboardCommand(exchanging.app, ClipboardCopy::GameId);
    ASSERT_EQ(exchanging.host.clipboard.size(), 2u);
    const ClipboardEntry& solution = exchanging.host.clipboard[0];
    EXPECT_EQ(solution.text, "3.\r\n");
    ASSERT_TRUE(solution.picture);
    test::RecordingCanvas canvas;
    EXPECT_EQ(solution.picture->measure(canvas).height, 400 + 300 + 500);
    // Drawn from the puzzle as it was copied, whatever the board holds by then.
    exchanging.app.grid.Clue[1] = 0;
    solution.picture->draw(canvas);
    EXPECT_EQ(canvas.calls[1].text, "Sol# 1 of 1 (Easy) : File: " + exchanging.file);
    EXPECT_EQ(canvas.calls[2].text, "3");
    EXPECT_EQ(exchanging.host.clipboard[1].text, "2x1t0:3a");
    EXPECT_FALSE(exchanging.host.clipboard[1].picture);
    EXPECT_EQ(exchanging.host.statuses.back(), "Game ID copied to clipboard");
}

}  // namespace
}  // namespace ringlace
