#include "commands/board_commands.h"

#include <gtest/gtest.h>

#include "commands/autosolve_command.h"
#include "commands/create_new_command.h"
#include "model/puzzle_record.h"
#include "play/board_drawing.h"
#include "play/check_display.h"
#include "play/solution_view.h"
#include "play/undo_list.h"
#include "support/loop_picture.h"
#include "support/recording_canvas.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

// The 2 x 2 puzzle whose loop runs round the whole grid, with its stored solution.
constexpr const char* kRound = "0202EA2  2BHFL\r\n";

struct Played : test::TestApp {
    Played() : painter(canvas, app.geometry, app.settings, app.scheme) {
        file = folder.File("puzzles.txt");
        test::WriteBytes(file, kRound);
        EXPECT_TRUE(Load(file, 1));
        app.geometry.CellSize = 600;
        app.geometry.GridLeft = 200;
        app.geometry.GridTop = 200;
    }
    std::string Edges() const { return UserRecordText(app.grid).substr(10); }

    std::string file;
    test::RecordingCanvas canvas;
    BoardPainter painter;
};

// Clear and Reset ask first; a clear keeps the undo list, a reset loads the puzzle again and says
// when it cannot, leaving the entries to be saved.
TEST(BoardCommandsTest, ClearAndResetAskFirst) {
    Played played;
    Grid& grid = played.app.grid;
    grid.SetEdge(1, 1, Side::Left, Bar);
    grid.SetEdge(2, 2, Side::Right, XMark);
    grid.CellColour[1][2] = Yellow;
    SaveUndoCell(grid, played.app.play.undo, 1, 1);
    played.host.answers = {Answer::No, Answer::No};
    EXPECT_FALSE(ClearAllBarsCommand(played.app));
    EXPECT_FALSE(ResetCommand(played.app));
    EXPECT_EQ(played.host.messages,
              (std::vector<Message>{{"All Bars/Xs will be cleared (cannot undo), Proceed ?",
                                     Icon::Question, Buttons::YesNo},
                                    {"All User Entries will be cleared (cannot undo)\r\nProceed ?",
                                     Icon::Question, Buttons::YesNo}}));
    EXPECT_EQ(played.Edges(), "b.............x.");

    played.host.answers = {Answer::Yes};
    EXPECT_TRUE(ClearAllBarsCommand(played.app));
    EXPECT_EQ(played.Edges(), "................");
    EXPECT_EQ(grid.CellColour[1][2], 0);
    EXPECT_EQ(grid.CellColour[0][1], Pink);  // the outside stays outside
    EXPECT_EQ(grid.CellEdge[0][1][Side::Top], Outside);
    RestoreNewestEntry(grid, played.app.play.undo, played.app.play.redo, played.painter);
    EXPECT_EQ(played.Edges(), "b...............");

    SaveUndoCell(grid, played.app.play.undo, 1, 1);
    played.host.answers = {Answer::Yes};
    EXPECT_TRUE(ResetCommand(played.app));
    EXPECT_EQ(played.Edges(), "................");
    EXPECT_TRUE(played.app.play.undo.empty());

    test::WriteBytes(played.file, "");
    grid.SetEdge(1, 1, Side::Left, Bar);
    played.host.answers = {Answer::Yes};
    EXPECT_FALSE(ResetCommand(played.app));
    EXPECT_EQ(played.host.messages.back(),
              (Message{"Error reading file:\r\n" + played.file, Icon::Critical, Buttons::Ok}));
    EXPECT_EQ(played.Edges()[0], 'b');
}

TEST(BoardCommandsTest, WhileBusyTheCommandsOnlySayWhatToDoFirst) {
    Played played;
    played.app.grid.SetEdge(1, 1, Side::Left, Bar);
    SaveUndoCell(played.app.grid, played.app.play.undo, 1, 1);
    played.app.runState.busy = true;
    EXPECT_FALSE(ClearAllBarsCommand(played.app));
    EXPECT_FALSE(ResetCommand(played.app));
    UndoCommand(played.app, played.painter);
    EXPECT_FALSE(ShowSolutionBarsCommand(played.app, played.painter));
    EXPECT_FALSE(ShowSolutionLoopCommand(played.app, played.painter, true));
    EXPECT_FALSE(VerifyPressed(played.app));
    EXPECT_EQ(TimedAutoSolve(played.app).end, AutoSolveEnd::Refused);
    EXPECT_EQ(CreateNew(played.app, {CreateKind::Normal, "7", "Easy"}), CreateEnd::Refused);
    EXPECT_EQ(played.host.messages, std::vector<Message>(8, {"Cancel Autosolve/Create first",
                                                             Icon::Information, Buttons::Ok}));
    EXPECT_EQ(played.app.play.undo.size(), 1u);
    EXPECT_EQ(played.Edges()[0], 'b');
}

// While held, Verify lights the check light and marks the dot of the first error; a problem
// without a dot (row 0) marks nothing.
TEST(BoardCommandsTest, VerifyShowsDoneOrTheFirstErrorWhileHeld) {
    Played played;
    ASSERT_TRUE(VerifyPressed(played.app));  // no entry at all breaks no rule
    EXPECT_EQ(played.host.statuses.back(), "Done !");
    EXPECT_EQ(CheckLightColour(played.app.play.checkLight, played.app.scheme), Rgb(50, 150, 50));
    VerifyReleased(played.app);
    EXPECT_EQ(played.host.statuses.back(), "");
    EXPECT_EQ(played.app.play.checkLight, CheckLight::Neutral);

    played.app.grid.SetEdge(1, 1, Side::Top, Bar);
    ASSERT_TRUE(VerifyPressed(played.app));
    EXPECT_EQ(played.host.statuses.back(), "one isolated bar");
    EXPECT_EQ(CheckLightColour(played.app.play.checkLight, played.app.scheme), Rgb(255, 0, 0));
    const MarkerBox& marker = played.app.play.markers.errorMarker;
    EXPECT_TRUE(marker.visible && played.app.play.errorMarkerTimed);
    EXPECT_EQ(marker.left, played.app.geometry.NodeX(1));
    EXPECT_EQ(marker.top, played.app.geometry.NodeY(1));
    HideErrorMarker(played.app.play);
    EXPECT_FALSE(marker.visible || played.app.play.errorMarkerTimed);

    const Verification closed{VerifyResult::Broken, {0, 0, "Closed Loop Yellow"}};
    EXPECT_EQ(ShowCheckResult(played.app.play, played.app.geometry, closed), "Closed Loop Yellow");
    EXPECT_FALSE(marker.visible || played.app.play.errorMarkerTimed);
}

// While a view is held the board shows the solution: another view, an undo, a clear, a reset, a
// solve or a creation then would act on it, so they do nothing; on release the player's entries
// and colours come back, and a second release draws nothing.
TEST(SolutionViewTest, TheCommandsOnTheGridDoNothingWhileAViewShows) {
    for (const bool loop : {false, true}) {
        Played played;
        Grid& grid = played.app.grid;
        SaveUndoCell(grid, played.app.play.undo, 1, 1);
        grid.SetEdge(1, 1, Side::Left, XMark);
        grid.CellColour[2][2] = Pink;
        ASSERT_TRUE(loop ? ShowSolutionLoopCommand(played.app, played.painter, false)
                         : ShowSolutionBarsCommand(played.app, played.painter));
        EXPECT_FALSE(ShowSolutionLoopCommand(played.app, played.painter, !loop));
        UndoCommand(played.app, played.painter);
        played.host.answers = {Answer::Yes, Answer::Yes};
        EXPECT_FALSE(ClearAllBarsCommand(played.app));
        EXPECT_FALSE(ResetCommand(played.app));
        EXPECT_EQ(TimedAutoSolve(played.app).end, AutoSolveEnd::Refused) << loop;
        EXPECT_EQ(CreateNew(played.app, {CreateKind::Normal, "5", "Easy"}), CreateEnd::Refused)
            << loop;
        EXPECT_TRUE(played.host.messages.empty()) << loop;
        EXPECT_EQ(played.Edges(), "bb...bb.b..b..bb") << loop;

        HideSolutionCommand(played.app, played.painter);
        EXPECT_EQ(played.Edges(), "x...............") << loop;
        EXPECT_EQ(grid.CellColour[2][2], Pink) << loop;
        EXPECT_EQ(played.app.play.view.showing, SolutionView::Kind::None);
        played.canvas.calls.clear();
        HideSolutionCommand(played.app, played.painter);
        EXPECT_TRUE(played.canvas.calls.empty());
        UndoCommand(played.app, played.painter);
        EXPECT_EQ(played.Edges(), "................") << loop;
    }
}

// The loop view colours by parity and hides the grid lines, even dotted ones, while it draws.
TEST(SolutionViewTest, TheLoopViewColoursByParityOnADotsOnlyGrid) {
    Played played;
    Grid& grid = played.app.grid;
    grid.CellColour[1][1] = Pink;
    played.app.settings.GridLine = kGridDotted;
    ASSERT_TRUE(ShowSolutionLoopCommand(played.app, played.painter, true));
    EXPECT_EQ(played.app.settings.GridLine, kGridDotted);
    int dottedLines = 0;
    int yellowSquares = 0;
    for (const test::CanvasCall& call : played.canvas.calls) {
        dottedLines += call.kind == "line" && call.style == LineStyle::Dotted;
        yellowSquares += call.kind == "fill" && call.colour == Yellow;
    }
    EXPECT_EQ(dottedLines, 0);
    EXPECT_EQ(yellowSquares, 4);
    HideSolutionCommand(played.app, played.painter);
    EXPECT_EQ(grid.CellColour[1][1], Pink);
    EXPECT_EQ(grid.CellColour[1][2], 0);

    // Along a row the side flips at every Bar crossed.
    Grid row = test::GridFromPicture({"+ + + + + +", "  |   | |  ", "+ + + + + +"});
    ColourBySideOfLoop(row);
    const std::int32_t expected[] = {Pink, Yellow, Yellow, Pink, Yellow};
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(row.CellColour[1][c], expected[c - 1]) << c;
}

TEST(BoardCommandsTest, TheLevelStepsEasyMediumHard) {
    EXPECT_EQ(NextLevelName("Easy") + NextLevelName("Medium") + NextLevelName("hard") +
                  NextLevelName("03Only"),
              "MediumHardEasyMedium");
}

}  // namespace
}  // namespace ringlace
