#include "play/autofill.h"

#include <gtest/gtest.h>

#include <array>

#include "support/grid_builder.h"
#include "support/play_board.h"

namespace ringlace {
namespace {

using test::PlayBoard;
using test::SetSides;

// A satisfied clue crosses out its free sides; coloured neighbours decide the edge between them,
// whatever was there; an uncoloured cell takes its colour across decided edges.
TEST(AutofillTest, APassCompletesCluesAndColoursFromWhatIsDecided) {
    PlayBoard clues(3, 3, "    3   0");
    SetSides(clues.grid, 2, 2, "LTR", Bar);
    SetSides(clues.grid, 1, 1, "L", Bar);  // a blank cell is never satisfied
    AutofillPass(clues.grid, clues.painter);
    EXPECT_EQ(clues.Sides(2, 2), "1112");
    EXPECT_EQ(clues.Sides(3, 3), "0000");  // a "0" is left to the player
    EXPECT_EQ(clues.Sides(1, 1), "1000");

    PlayBoard edges;
    edges.grid.CellColour[2][2] = Yellow;
    edges.grid.CellColour[2][3] = Pink;
    edges.grid.CellColour[1][2] = Yellow;
    SetSides(edges.grid, 2, 2, "R", XMark);  // wrong: Yellow beside Pink is a bar
    SetSides(edges.grid, 2, 2, "T", Bar);    // wrong the other way
    AutofillPass(edges.grid, edges.painter);
    EXPECT_EQ(edges.Sides(2, 2).substr(1, 2), "21");
    EXPECT_EQ(edges.Sides(1, 2)[1], '1');  // a bar towards the Pink frame

    PlayBoard board(3, 4);
    Grid& grid = board.grid;
    SetSides(grid, 1, 1, "L", Bar);    // across a bar from the Pink frame: inside
    SetSides(grid, 1, 1, "R", XMark);  // and the same across an X: (1, 2) follows in the sweep
    SetSides(grid, 3, 4, "B", XMark);  // across an X from the frame: outside
    SetSides(grid, 2, 2, "L", Bar);    // an X seen later overrules the bar
    SetSides(grid, 2, 2, "B", XMark);
    grid.CellColour[2][1] = Pink;
    grid.CellColour[3][2] = Yellow;
    AutofillPass(grid, board.painter);
    EXPECT_EQ((std::array{grid.CellColour[1][1], grid.CellColour[1][2], grid.CellColour[3][4],
                          grid.CellColour[2][2], grid.CellColour[2][3]}),
              (std::array<std::int32_t, 5>{Yellow, Yellow, Pink, Yellow, 0}));
}

TEST(AutofillTest, TheBoxSwitchesTheModeAndATickChecksTheEntries) {
    PlayBoard board(1, 2, "1 ");
    ToggleAutofill(board.settings, board.state);
    EXPECT_EQ(board.settings.AutofillOn, 1);
    EXPECT_TRUE(board.state.autofillDue);
    SetSides(board.grid, 1, 1, "L", Bar);
    // The bar alone has two loose ends: the first is reported and marked for three seconds.
    EXPECT_EQ(AutofillTick(board.play), "one isolated bar");
    EXPECT_FALSE(board.state.autofillDue);
    EXPECT_EQ(board.Sides(1, 1), "1222");
    EXPECT_EQ(board.state.checkLight, CheckLight::Error);
    EXPECT_EQ(board.state.markers.errorMarker.left, board.geometry.NodeX(1));
    EXPECT_TRUE(board.state.errorMarkerTimed);
    ToggleAutofill(board.settings, board.state);
    EXPECT_EQ(board.settings.AutofillOn, 0);
}

TEST(AutofillTest, AFinishedLoopIsDoneAnOpenOneShowsNothing) {
    PlayBoard board(2, 2, "2  2");
    SetSides(board.grid, 1, 1, "LT", Bar);
    EXPECT_EQ(AutofillTick(board.play), "");
    EXPECT_EQ(board.state.checkLight, CheckLight::Neutral);

    test::LoopAround(board.grid, 1, 1, 2, 2);
    board.grid.CellColour[1][1] = Yellow;
    board.state.markers.errorMarker.visible = true;
    EXPECT_EQ(AutofillTick(board.play), "Done !");
    EXPECT_EQ(board.grid.CellColour[2][2], Yellow);  // coloured across the Xs the pass put inside
    EXPECT_EQ(board.state.checkLight, CheckLight::Done);
    EXPECT_FALSE(board.state.markers.errorMarker.visible);
}

// A held view waits for its end; a solve owns the grid, and the tick is dropped.
TEST(AutofillTest, ATickNeverTouchesTheGridOfASolveOrASolutionView) {
    PlayBoard board(1, 2, "1 ");
    SetSides(board.grid, 1, 1, "L", Bar);
    board.state.autofillDue = true;
    board.state.view.showing = SolutionView::Kind::Bars;
    EXPECT_EQ(AutofillTick(board.play), std::nullopt);
    EXPECT_TRUE(board.state.autofillDue);
    board.state.view.showing = SolutionView::Kind::None;
    board.play.busy = true;
    EXPECT_EQ(AutofillTick(board.play), std::nullopt);
    EXPECT_FALSE(board.state.autofillDue);
    EXPECT_EQ(board.Sides(1, 1), "1000");
}

}  // namespace
}  // namespace ringlace
