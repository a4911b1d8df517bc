#include "play/autofill.h"

#include <gtest/gtest.h>

#include "support/grid_builder.h"
#include "support/play_board.h"

namespace ringlace {
namespace {

using test::PlayBoard;
using test::SetSides;

TEST(AutofillTest, ASatisfiedClueCrossesOutItsFreeSides) {
    PlayBoard board(3, 3, "    3   0");
    SetSides(board.grid, 2, 2, "LTR", Bar);
    SetSides(board.grid, 1, 1, "L", Bar);  // a blank cell is never satisfied
    AutofillPass(board.grid, board.painter);
    EXPECT_EQ(board.Sides(2, 2), "1112");
    EXPECT_EQ(board.Sides(3, 3), "0000");  // a "0" is left to the player
    EXPECT_EQ(board.Sides(1, 1), "1000");
}

TEST(AutofillTest, ColouredNeighboursDecideTheEdgeBetweenThem) {
    PlayBoard board;
    Grid& grid = board.grid;
    grid.CellColour[2][2] = Yellow;
    grid.CellColour[2][3] = Pink;
    grid.CellColour[1][2] = Yellow;
    SetSides(grid, 2, 2, "R", XMark);  // wrong: Yellow beside Pink is a bar whatever was there
    SetSides(grid, 2, 2, "T", Bar);    // wrong the other way
    AutofillPass(grid, board.painter);
    EXPECT_EQ(board.Sides(2, 2).substr(1, 2), "21");
    EXPECT_EQ(board.Sides(1, 2)[1], '1');  // a bar towards the Pink frame
}

TEST(AutofillTest, AnUncolouredCellTakesItsColourAcrossDecidedEdges) {
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
    EXPECT_EQ(grid.CellColour[1][1], Yellow);
    EXPECT_EQ(grid.CellColour[1][2], Yellow);
    EXPECT_EQ(grid.CellColour[3][4], Pink);
    EXPECT_EQ(grid.CellColour[2][2], Yellow);
    EXPECT_EQ(grid.CellColour[2][3], 0);
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
