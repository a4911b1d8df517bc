#include "commands/print_commands.h"

#include <gtest/gtest.h>

#include "model/puzzle_record.h"
#include "support/grid_builder.h"
#include "support/recording_canvas.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;
using test::Texts;

using test::GridFromClues;

TEST(PrintedPageTest, CellsAndCluesShrinkForLargeGrids) {
    struct Case {
        int side;
        int cell;
        double clue;
    };
    for (const Case& c :
         {Case{10, 500, 13}, Case{17, 400, 13}, Case{20, 400, 10}, Case{25, 400, 10}}) {
        RecordingCanvas canvas;
        DrawPrintedPage(canvas, GridFromClues(c.side, c.side, "2"), "header", PaperStyle{},
                        PageSolution::Shown);
        const std::vector<CanvasCall> twos = Texts(canvas.calls, "2");
        ASSERT_EQ(twos.size(), 2u) << c.side;  // the puzzle's and the small solution's
        EXPECT_EQ(twos[0].font.points, c.clue) << c.side;
        // Centred in cell (1, 1), whose corner is one cell right of the page's left edge.
        const TextSize size = canvas.MeasureText("2", twos[0].font);
        EXPECT_EQ(twos[0].x1, 1200 + c.cell + (c.cell - size.width) / 2) << c.side;
        EXPECT_EQ(twos[0].y1, 1500 + (c.cell - size.height) / 2) << c.side;
        EXPECT_EQ(twos[1].font.points, 7);
        EXPECT_EQ(Texts(canvas.calls, "header")[0].x1, 1200 + c.cell);
        EXPECT_EQ(Texts(canvas.calls, "+").size(),
                  static_cast<std::size_t>((c.side + 1) * (c.side + 1)));
    }
}

TEST(PrintedPageTest, TheOptionsAndTheSmallSolution) {
    Grid pair = GridFromClues(1, 2, "3");
    pair.SolutionCode = "DI";
    RecordingCanvas canvas;
    DrawPrintedPage(canvas, pair, "", PaperStyle{"Arial", "", true, true, 2}, PageSolution::Shown);
    int squares = 0, grey = 0, lines = 0;
    for (const CanvasCall& call : canvas.calls) {
        squares += call.kind == "fill" && call.x2 - call.x1 == 40;
        grey += call.kind == "rect" && call.colour == kPaperGrey;
        lines += call.kind == "line";
    }
    EXPECT_EQ(squares, 6);  // a square at every dot, no corner characters
    EXPECT_TRUE(Texts(canvas.calls, "+").empty());
    EXPECT_EQ(grey, 2 + 2);  // the printed grid, and the small solution's cells always
    EXPECT_EQ(lines, 6);     // the loop round both cells of the small solution
    const CanvasCall label = Texts(canvas.calls, "Solution:")[0];
    EXPECT_EQ(label.x1, 1325);
    EXPECT_EQ(label.y1, 12000);

    // Without a stored solution the small grid is empty; without options only the clues show.
    RecordingCanvas plain;
    DrawPrintedPage(plain, GridFromClues(1, 2, "3"), "", PaperStyle{"Arial", "", false, false, 2},
                    PageSolution::Shown);
    for (const CanvasCall& call : plain.calls) {
        EXPECT_NE(call.kind, "line");
        EXPECT_NE(call.kind, "fill");
    }

    // A book that keeps its solutions apart leaves the page's lower part empty.
    RecordingCanvas alone;
    DrawPrintedPage(alone, pair, "", PaperStyle{}, PageSolution::LeftOut);
    EXPECT_TRUE(Texts(alone.calls, "Solution:").empty());
    EXPECT_EQ(Texts(alone.calls, "3").size(), 1u);
    EXPECT_EQ(PrintedPageExtent(pair, "", alone, PaperStyle{}, PageSolution::LeftOut).height,
              1200 + 300 + 500);
    EXPECT_EQ(PrintedPageExtent(pair, "", alone, PaperStyle{}, PageSolution::Shown).height,
              12200 + 125);
}

struct Printing : test::TestApp {
    Printing() {
        file = folder.File("set.txt");
        test::WriteBytes(file, "0102EA3 DI\r\nbroken\r\n0101ME2A\r\n");
        EXPECT_TRUE(Load(file, 1));
    }
    std::string file;
};

TEST(PrintCommandsTest, TheCurrentPuzzleIsPrintedAfterTheQuestion) {
    Printing printing;
    printing.host.answers = {Answer::No};
    PrintCurrentPuzzleCommand(printing.app);
    EXPECT_TRUE(printing.host.printJobs.empty());
    PrintCurrentPuzzleCommand(printing.app);
    ASSERT_EQ(printing.host.printJobs.size(), 1u);
    EXPECT_EQ(printing.host.messages[1],
              (Message{"Print Current Puzzle and its solution?", Icon::Print, Buttons::YesNo}));
    EXPECT_EQ(printing.host.messages.back(), (Message{"Printed", Icon::Print, Buttons::Ok}));
    RecordingCanvas canvas;
    printing.host.printJobs[0][0].draw(canvas);
    EXPECT_EQ(Texts(canvas.calls, "Puz# 1 of 3 (Easy) : File: " + printing.file +
                                      ": Ringlace 3.0 - https://ringlace.example.org")
                  .size(),
              1u);
    // The page reaches as far as its small solution.
    EXPECT_EQ(printing.host.printJobs[0][0].measure(canvas).height, 12200 + 125);
}

TEST(PrintCommandsTest, ARangeIsCheckedThenPrintedWithoutTheRecordsThatFail) {
    Printing printing;
    EXPECT_EQ(CheckPrintRange({printing.folder.File("none.txt"), 1, 1, {}})->text,
              "No puzzles in this file: " + printing.folder.File("none.txt"));
    for (const auto& [first, last] : {std::pair{0, 1}, {1, 4}, {3, 2}})
        EXPECT_EQ(CheckPrintRange({printing.file, first, last, {}})->text,
                  "Invalid from or to puzzle number");
    EXPECT_FALSE(CheckPrintRange({printing.file, 1, 3, {}}));

    PrintRangeCommand(printing.app, {printing.file, 1, 3, {"Arial", "*#", false, true, 3}});
    ASSERT_EQ(printing.host.printJobs.size(), 1u);
    EXPECT_EQ(printing.host.printJobs[0].size(), 2u);
    EXPECT_EQ(printing.host.messages.back().text,
              "Printed\r\n1 puzzles could not be read and were left out");
    RecordingCanvas canvas;
    printing.host.printJobs[0][1].draw(canvas);
    EXPECT_EQ(Texts(canvas.calls, "*").size(), 4u);  // the corner character, cut to one
    EXPECT_EQ(printing.app.settings.CornerChar, "*");
    EXPECT_EQ(printing.app.settings.PrintGrid, 1);
    EXPECT_EQ(printing.app.grid.Cols, 2);  // the board keeps its puzzle

    PrintRangeCommand(printing.app, {printing.file, 1, 1, {"Arial", "+", true, false, 2}});
    EXPECT_EQ(printing.app.settings.CornerChar, "");  // rectangle corners take its place
}

}  // namespace
}  // namespace ringlace
