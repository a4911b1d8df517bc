#include "play/entry.h"

#include <gtest/gtest.h>

#include "play/undo_list.h"
#include "support/play_board.h"

namespace ringlace {
namespace {

using test::PlayBoard;

TEST(HoverTest, ZonesKeepA120TwipMarginWhateverTheZoom) {
    EXPECT_EQ(HoverZone(121, 60, 600), Side::Top);
    EXPECT_EQ(HoverZone(120, 300, 600), Side::Left);
    EXPECT_EQ(HoverZone(480, 300, 600), Side::Right);
    EXPECT_EQ(HoverZone(300, 480, 600), Side::Bottom);
    EXPECT_EQ(HoverZone(300, 300, 600), std::nullopt);
    EXPECT_EQ(HoverZone(60, 60, 600), std::nullopt);    // a corner square
    EXPECT_EQ(HoverZone(300, 120, 600), std::nullopt);  // the line dy = margin
    EXPECT_EQ(HoverZone(879, 500, 1000), std::nullopt);
    EXPECT_EQ(HoverZone(880, 500, 1000), Side::Right);
}

// The play board's cells are 600 twips, dot (1, 1) at (300, 400); markers are 100 thick.
TEST(HoverTest, ASideSelectsItAndMovesTheMarkersOntoItsDots) {
    PlayBoard board;
    EXPECT_TRUE(Hover(board.play, board.X(2, 121), board.Y(2, 60)));
    EXPECT_EQ(board.state.selection.row, 2);
    EXPECT_EQ(board.state.selection.col, 2);
    EXPECT_EQ(board.state.selection.side, Side::Top);
    const BoardMarkers& m = board.state.markers;
    EXPECT_EQ(m.firstEnd, (MarkerBox{true, 900 - 50, 1000 - 50, 100, 100}));
    EXPECT_EQ(m.secondEnd, (MarkerBox{true, 1500 - 50, 1000 - 50, 100, 100}));
    EXPECT_EQ(m.horizontalHighlight, (MarkerBox{true, 900, 1000 - 50, 600, 100}));
    EXPECT_FALSE(m.verticalHighlight.visible);
    EXPECT_FALSE(m.cellMarker.visible);

    Hover(board.play, board.X(3, 580), board.Y(1, 300));
    EXPECT_EQ(board.state.selection.side, Side::Right);
    EXPECT_EQ(m.verticalHighlight, (MarkerBox{true, 2100 - 50, 400, 100, 600}));
    EXPECT_FALSE(m.horizontalHighlight.visible);
}

TEST(HoverTest, TheCentreShowsTheCellMarkerAndKeepsTheSide) {
    PlayBoard board;
    board.HoverSide(1, 1, Side::Bottom);
    EXPECT_TRUE(Hover(board.play, board.X(2, 60), board.Y(3, 60)));  // corner square of (3, 2)
    EXPECT_EQ(board.state.selection.row, 3);
    EXPECT_EQ(board.state.selection.side, Side::Bottom);
    const BoardMarkers& m = board.state.markers;
    EXPECT_EQ(m.cellMarker, (MarkerBox{true, 900 + 100, 1600 + 100, 400, 400}));
    EXPECT_FALSE(m.firstEnd.visible);
    EXPECT_FALSE(m.secondEnd.visible);
    // Moving within the same cell changes nothing and does not ask for the focus again.
    EXPECT_FALSE(Hover(board.play, board.X(2, 300), board.Y(3, 300)));
    // Into the next cell through the corners, the marker follows.
    EXPECT_TRUE(Hover(board.play, board.X(3, 60), board.Y(3, 540)));
    EXPECT_EQ(m.cellMarker.left, 1500 + 100);
}

TEST(HoverTest, NothingIsSelectedOutsideTheGridWhileBusyOrWithoutAPuzzle) {
    PlayBoard board;
    board.HoverSide(2, 2, Side::Left);
    EXPECT_FALSE(Hover(board.play, board.X(1, -10), board.Y(1, 300)));
    EXPECT_EQ(board.state.selection.row, 0);
    EXPECT_EQ(board.state.selection.col, 0);
    EXPECT_FALSE(board.state.markers.firstEnd.visible);
    EXPECT_FALSE(board.state.markers.verticalHighlight.visible);
    Hover(board.play, board.X(4, 10), board.Y(1, 300));
    EXPECT_EQ(board.state.selection.row, 0);

    board.play.busy = true;
    board.HoverSide(2, 2, Side::Left);
    EXPECT_EQ(board.state.selection.row, 0);
    board.play.busy = false;
    board.play.puzzleShown = false;
    board.HoverSide(2, 2, Side::Left);
    EXPECT_EQ(board.state.selection.row, 0);
}

TEST(EntryTest, RightClicksCycleFreeBarXAndRecordEachClick) {
    PlayBoard board;
    std::string seen;
    for (int click = 0; click < 3; ++click) {
        EXPECT_EQ(board.RightClickNearSide(2, 2, Side::Right), RightRelease::Entered);
        seen += board.Sides(2, 2)[2];
    }
    EXPECT_EQ(seen, "120");
    EXPECT_EQ(board.state.undo.size(), 3u);
    // The change is drawn at once: a bar line on the left of (2, 3) after the first click.
    board.canvas.calls.clear();
    board.RightClickNearSide(2, 2, Side::Right);
    ASSERT_FALSE(board.canvas.calls.empty());
    EXPECT_EQ(board.canvas.calls.back().kind, "line");
    EXPECT_EQ(board.canvas.calls.back().x1, board.geometry.NodeX(3));
}

TEST(EntryTest, TheMiddleNinthOpensThePopupAndTakesTheSide) {
    PlayBoard board;
    board.HoverSide(2, 2, Side::Top);
    const int middle = board.Y(2, 300);
    EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 200 + 1), middle),
              RightRelease::OpenPopup);
    EXPECT_EQ(board.state.selection.side, std::nullopt);
    EXPECT_TRUE(board.state.undo.empty());
    // With the side taken, the keys change nothing until the pointer selects a side again.
    for (const char key : {'X', 'b', 'C', ' '}) CharacterKey(board.play, key);
    EXPECT_EQ(board.Sides(2, 2), "0000");
    EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 10), middle), RightRelease::Ignored);

    board.HoverSide(2, 2, Side::Top);
    EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 200), middle), RightRelease::Entered);
    EXPECT_EQ(board.Sides(2, 2), "0100");
}

TEST(EntryTest, AutofillIsArmedAfterEntriesOnlyWhenOn) {
    PlayBoard board;
    board.RightClickNearSide(1, 1, Side::Left);
    EXPECT_FALSE(board.state.autofillDue);
    board.settings.AutofillOn = 1;
    board.HoverSide(1, 1, Side::Top);
    RightButtonReleased(board.play, board.X(1, 300), board.Y(1, 300));  // the pop-up: no entry yet
    EXPECT_FALSE(board.state.autofillDue);
    board.RightClickNearSide(1, 1, Side::Left);
    EXPECT_TRUE(board.state.autofillDue);
    board.state.autofillDue = false;
    CharacterKey(board.play, 'x');
    EXPECT_TRUE(board.state.autofillDue);
}

TEST(EntryTest, KeysSetTheSelectedSideAndOnlySpaceIsRecorded) {
    PlayBoard board;
    board.HoverSide(3, 1, Side::Bottom);
    const std::pair<char, const char*> steps[] = {{'b', "0001"}, {'B', "0001"},
                                                  {' ', "0002"}, {kEscapeKey, "0000"},
                                                  {'x', "0002"}, {'c', "0000"}};
    for (const auto& [key, sides] : steps) {
        EXPECT_TRUE(CharacterKey(board.play, key));
        EXPECT_EQ(board.Sides(3, 1), sides) << key;
    }
    ASSERT_EQ(board.state.undo.size(), 1u);
    EXPECT_EQ(UndoEntryText(board.state.undo.back()), "3,1,0,0,0,1,0");
    EXPECT_FALSE(CharacterKey(board.play, 'Q'));
}

// A solve works on the grid in place; a held view shows the solution, not the player's entries.
TEST(EntryTest, NothingIsEnteredWhileBusyOrWhileASolutionViewIsHeld) {
    for (const bool busy : {true, false}) {
        PlayBoard board;
        board.HoverSide(2, 2, Side::Left);
        board.play.busy = busy;
        if (!busy) board.state.view.showing = SolutionView::Kind::Bars;
        EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 10), board.Y(2, 10)),
                  RightRelease::Ignored);
        EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 300), board.Y(2, 300)),
                  RightRelease::Ignored);  // no pop-up either
        for (const char key : {'X', 'B', ' ', 'C', kEscapeKey}) {
            EXPECT_TRUE(CharacterKey(board.play, key));
            EXPECT_EQ(board.Sides(2, 2), "0000") << key << busy;
        }
        if (!busy) {  // a pop-up menu left open when the view was pressed
            PopupCommand(board.play, PopupEntry::SetAllX);
            PopupCommand(board.play, PopupEntry::SetYellow);
        }
        EXPECT_EQ(board.Sides(2, 2), "0000");
        EXPECT_EQ(board.grid.CellColour[2][2], 0);
        EXPECT_TRUE(board.state.undo.empty());
    }
}

TEST(NavigationTest, ArrowsWrapOverOneMoreRowAndColumn) {
    PlayBoard board(3, 4);
    board.HoverSide(1, 1, Side::Left);
    using enum NavigationKey;
    std::string cells;
    for (const NavigationKey key : {Left, Left, Right, Right, Up, Down, Down, Up, Up}) {
        NavigationKeyReleased(board.play, key);
        cells += std::to_string(board.state.selection.row) +
                 std::to_string(board.state.selection.col) + " ";
    }
    EXPECT_EQ(cells, "15 14 15 11 41 11 21 11 41 ");
    // On the extra row the keys enter nothing. The dot markers stand with their top-left corners
    // on the ends of the side.
    CharacterKey(board.play, 'B');
    EXPECT_EQ(board.Sides(3, 1), "0000");
    EXPECT_EQ(board.state.markers.firstEnd, (MarkerBox{true, 300, 2200, 100, 100}));
    EXPECT_EQ(board.state.markers.secondEnd, (MarkerBox{true, 300, 2800, 100, 100}));
}

TEST(NavigationTest, EndStepsTheSideAndAnyKeyStartsAtTheFirstCell) {
    PlayBoard board;
    board.HoverSide(2, 2, Side::Left);
    std::string sides;
    for (int step = 0; step < 4; ++step) {
        NavigationKeyReleased(board.play, NavigationKey::End);
        sides += static_cast<char>('0' + SideNumber(*board.state.selection.side));
    }
    EXPECT_EQ(sides, "2341");

    Hover(board.play, 0, 0);  // off the grid: nothing selected
    NavigationKeyReleased(board.play, NavigationKey::Other);
    EXPECT_EQ(board.state.selection.row, 1);
    EXPECT_EQ(board.state.selection.col, 2);
    EXPECT_EQ(board.state.selection.side, Side::Left);
    EXPECT_TRUE(board.state.markers.firstEnd.visible);
}

TEST(PopupTest, EntriesActOnTheSelectedCellAndAreRecorded) {
    PlayBoard board;
    board.HoverSide(2, 2, Side::Top);
    PopupCommand(board.play, PopupEntry::SetAllX);
    EXPECT_EQ(board.Sides(2, 2), "2222");
    PopupCommand(board.play, PopupEntry::SetClearBar, Side::Bottom);
    EXPECT_EQ(board.Sides(2, 2), "2220");  // an X is cleared, not turned into a bar
    PopupCommand(board.play, PopupEntry::SetClearBar, Side::Bottom);
    EXPECT_EQ(board.Sides(2, 2), "2221");
    PopupCommand(board.play, PopupEntry::SetYellow);
    EXPECT_EQ(board.grid.CellColour[2][2], Yellow);
    PopupCommand(board.play, PopupEntry::SetPink);
    EXPECT_EQ(board.grid.CellColour[2][2], Pink);
    PopupCommand(board.play, PopupEntry::ClearAll);
    EXPECT_EQ(board.Sides(2, 2), "0000");
    EXPECT_EQ(board.grid.CellColour[2][2], 0);
    EXPECT_EQ(board.state.undo.size(), 6u);
    EXPECT_EQ(UndoEntryText(board.state.undo.back()), "2,2,2,2,2,1," + NumText(Pink));

    // With no cell selected, or on the frame, the pop-up entries do nothing.
    Hover(board.play, 0, 0);
    PopupCommand(board.play, PopupEntry::SetAllX);
    board.state.selection.row = 4;
    board.state.selection.col = 2;
    PopupCommand(board.play, PopupEntry::SetYellow);
    EXPECT_EQ(board.grid.CellColour[4][2], Pink);
    EXPECT_EQ(board.state.undo.size(), 6u);
}

TEST(UndoTest, OneUndoRestoresAWholeCellAndDrawsIt) {
    PlayBoard board;
    board.grid.CellColour[2][2] = Pink;
    board.HoverSide(2, 2, Side::Left);
    PopupCommand(board.play, PopupEntry::SetAllX);
    PopupCommand(board.play, PopupEntry::SetYellow);
    EXPECT_TRUE(RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter));
    EXPECT_TRUE(RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter));
    EXPECT_FALSE(RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter));
    EXPECT_EQ(board.Sides(2, 2), "0000");
    EXPECT_EQ(board.grid.CellColour[2][2], Pink);
    // The cell is drawn as it came back: its colour square last.
    EXPECT_EQ(board.canvas.calls.back().kind, "fill");
    EXPECT_EQ(board.canvas.calls.back().colour, Pink);
}

TEST(UndoTest, AnEntryWithoutAPositionIsDropped) {
    PlayBoard board;
    board.state.undo.push_back(UndoEntry{0, 2, {Bar, Bar, Bar, Bar}, Yellow});
    EXPECT_TRUE(RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter));
    EXPECT_TRUE(board.state.undo.empty());
    EXPECT_EQ(board.Sides(1, 2), "0000");
}

}  // namespace
}  // namespace ringlace
