#include "commands/hint_commands.h"

#include <gtest/gtest.h>

#include "commands/board_commands.h"
#include "play/board_drawing.h"
#include "support/recording_canvas.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

// The first puzzle of the easy 10 x 10 corpus file: its first step is the X left of its top 0.
struct Hinted : test::TestApp {
    Hinted() : painter(canvas, app.geometry, app.settings, app.scheme) {
        EXPECT_TRUE(Load(std::string(RINGLACE_CORPUS_DIR) + "/10x10-easy.txt", 1));
    }
    EdgeState Edge() const { return app.grid.CellEdge[4][2][Side::Right]; }

    test::RecordingCanvas canvas;
    BoardPainter painter;
};

TEST(HintCommandsTest, AHintIsMarkedAndSaidWithoutAnEntry) {
    Hinted hinted;
    ASSERT_TRUE(ShowHintCommand(hinted.app));
    const HintMarkers& marks = hinted.app.play.markers.hint;
    EXPECT_TRUE(marks.edge.visible);
    EXPECT_FALSE(marks.mistake);
    EXPECT_EQ(marks.cells.size(), 1u);
    EXPECT_EQ(hinted.host.statuses.back(), "Direct lines: a 0 has no loop edges");
    EXPECT_EQ(hinted.Edge(), Free);
    EXPECT_TRUE(hinted.app.play.undo.empty());
    // A zoom lays the board out anew: the marks would no longer lie where they belong.
    ZoomCommand(hinted.app, hinted.canvas, ZoomStep::Out);
    EXPECT_FALSE(hinted.app.play.markers.hint.edge.visible);
    // So does another puzzle.
    ShowHintCommand(hinted.app);
    ASSERT_TRUE(hinted.app.play.markers.hint.edge.visible);
    const std::string file = hinted.app.place.file;
    ASSERT_TRUE(hinted.Load(file, 2));
    EXPECT_FALSE(hinted.app.play.markers.hint.edge.visible);
}

TEST(HintCommandsTest, TheAppliedStepIsAnEntryThatUndoTakesBack) {
    Hinted hinted;
    ShowHintCommand(hinted.app);
    ASSERT_TRUE(ApplyHintCommand(hinted.app, hinted.painter));
    EXPECT_EQ(hinted.Edge(), XMark);
    EXPECT_EQ(hinted.app.play.undo.size(), 1u);
    EXPECT_FALSE(hinted.app.play.markers.hint.edge.visible);
    EXPECT_EQ(hinted.host.statuses.back(), "Direct lines: a 0 has no loop edges");
    UndoCommand(hinted.app, hinted.painter);
    EXPECT_EQ(hinted.Edge(), Free);
}

TEST(HintCommandsTest, AMistakeIsShownAndNeverApplied) {
    Hinted hinted;
    hinted.app.grid.SetEdge(4, 2, Side::Right, Bar);
    ASSERT_TRUE(ApplyHintCommand(hinted.app, hinted.painter));
    EXPECT_EQ(hinted.host.statuses.back(), "This bar is not on the loop");
    EXPECT_TRUE(hinted.app.play.markers.hint.mistake);
    EXPECT_EQ(hinted.Edge(), Bar);
    EXPECT_TRUE(hinted.app.play.undo.empty());
    // While busy the hint waits, like every command on the grid.
    hinted.app.runState.busy = true;
    EXPECT_FALSE(ShowHintCommand(hinted.app));
}

}  // namespace
}  // namespace ringlace
