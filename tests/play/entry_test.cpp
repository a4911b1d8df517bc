#include "play/entry.h"

#include <gtest/gtest.h>

#include "play/undo_list.h"
#include "support/play_board.h"

namespace ringlace {
namespace {

using test::PlayBoard;

TEST(HoverTest, ZonesKeepA120TwipMarginWhateverTheZoom) {
    const std::tuple<int, int, int, std::optional<Side>> cases[] = {
        {121, 60, 600, Side::Top},     {120, 300, 600, Side::Left},
        {480, 300, 600, Side::Right},  {300, 480, 600, Side::Bottom},
        {300, 300, 600, std::nullopt}, {60, 60, 600, std::nullopt},  // a corner square
        {300, 120, 600, std::nullopt}, {879, 500, 1000, std::nullopt},
        {880, 500, 1000, Side::Right}};
    for (const auto& [dx, dy, size, side] : cases)
        EXPECT_EQ(HoverZone(dx, dy, size), side) << dx << "," << dy;
}

// The play board's cells are 600 twips, dot (1, 1) at (300, 400); markers are 100 thick.
TEST(HoverTest, ASideOrTheCentreMovesTheMarkersAndNothingIsSelectedOffTheGrid) {
    PlayBoard board;
    const BoardMarkers& m = board.state.markers;
    EXPECT_TRUE(Hover(board.play, board.X(2, 121), board.Y(2, 60)));
    EXPECT_EQ(board.state.selection.side, Side::Top);
    EXPECT_EQ(m.secondEnd, (MarkerBox{true, 1500 - 50, 1000 - 50, 100, 100}));
    EXPECT_EQ(m.horizontalHighlight, (MarkerBox{true, 900, 1000 - 50, 600, 100}));
    board.HoverSide(1, 3, Side::Right);
    EXPECT_EQ(m.verticalHighlight, (MarkerBox{true, 2100 - 50, 400, 100, 600}));
    EXPECT_FALSE(m.horizontalHighlight.visible);

    // The corner square of (3, 2) shows the cell marker alone and keeps the side.
    EXPECT_TRUE(Hover(board.play, board.X(2, 60), board.Y(3, 60)));
    EXPECT_EQ(board.state.selection.row, 3);
    EXPECT_EQ(board.state.selection.side, Side::Right);
    EXPECT_EQ(m.cellMarker, (MarkerBox{true, 900 + 100, 1600 + 100, 400, 400}));
    EXPECT_FALSE(m.firstEnd.visible || m.verticalHighlight.visible);
    // Within the same cell nothing changes and the focus is not asked for again.
    EXPECT_FALSE(Hover(board.play, board.X(2, 300), board.Y(3, 300)));
    EXPECT_TRUE(Hover(board.play, board.X(3, 60), board.Y(3, 540)));
    EXPECT_EQ(m.cellMarker.left, 1500 + 100);
    board.HoverSide(3, 3, Side::Left);
    EXPECT_FALSE(m.cellMarker.visible);

    // Nothing is selected outside the grid, while busy or without a puzzle.
    EXPECT_FALSE(Hover(board.play, board.X(1, -10), board.Y(1, 300)));
    EXPECT_EQ(board.state.selection.col, 0);
    EXPECT_FALSE(m.firstEnd.visible || m.verticalHighlight.visible);
    Hover(board.play, board.X(4, 10), board.Y(1, 300));
    EXPECT_EQ(board.state.selection.row, 0);
    for (const bool busy : {true, false}) {
        board.play.busy = busy;
        board.play.puzzleShown = busy;
        board.HoverSide(2, 2, Side::Left);
        EXPECT_EQ(board.state.selection.row, 0) << busy;
    }
}

TEST(EntryTest, RightClicksCycleFreeBarXOrOpenThePopup) {
    PlayBoard board;
    std::string seen;
    for (int click = 0; click < 3; ++click) {
        EXPECT_EQ(board.RightClickNearSide(2, 2, Side::Right), RightRelease::Entered);
        seen += board.Sides(2, 2)[2];
    }
    EXPECT_EQ(seen, "120");
    EXPECT_EQ(board.state.undo.size(), 3u);
    EXPECT_FALSE(board.state.autofillDue);
    // The change is drawn at once: a bar line on the left of (2, 3).
    board.settings.AutofillOn = 1;
    board.canvas.calls.clear();
    board.RightClickNearSide(2, 2, Side::Right);
    ASSERT_FALSE(board.canvas.calls.empty());
    EXPECT_EQ(board.canvas.calls.back().kind, "line");
    EXPECT_EQ(board.canvas.calls.back().x1, board.geometry.NodeX(3));
    EXPECT_TRUE(board.state.autofillDue);

    // The middle ninth opens the pop-up and takes the side.
    board.state.autofillDue = false;
    board.state.undo.clear();
    board.HoverSide(2, 2, Side::Top);
    const int middle = board.Y(2, 300);
    EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 200 + 1), middle),
              RightRelease::OpenPopup);
    EXPECT_TRUE(board.state.undo.empty());
    EXPECT_FALSE(board.state.autofillDue);
    // With the side taken, the keys change nothing until the pointer selects a side again.
    for (const char key : {'X', 'b', 'C', ' '}) CharacterKey(board.play, key);
    EXPECT_EQ(board.Sides(2, 2), "0010");
    EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 10), middle), RightRelease::Ignored);

    board.HoverSide(2, 2, Side::Top);
    EXPECT_EQ(RightButtonReleased(board.play, board.X(2, 200), middle), RightRelease::Entered);
    EXPECT_EQ(board.Sides(2, 2), "0110");
}

TEST(EntryTest, KeysSetTheSelectedSideAndOnlySpaceIsRecorded) {
    PlayBoard board;
    board.settings.AutofillOn = 1;
    board.HoverSide(3, 1, Side::Bottom);
    const std::pair<char, const char*> steps[] = {{'b', "0001"}, {'B', "0001"},
                                                  {' ', "0002"}, {kEscapeKey, "0000"},
                                                  {'x', "0002"}, {'c', "0000"}};
    for (const auto& [key, sides] : steps) {
        EXPECT_TRUE(CharacterKey(board.play, key));
        EXPECT_EQ(board.Sides(3, 1), sides) << key;
    }
    ASSERT_EQ(board.state.undo.size(), 1u);
    EXPECT_EQ(board.state.undo.back(), (UndoEntry{3, 1, {Free, Free, Free, Bar}, 0}));
    EXPECT_TRUE(board.state.autofillDue);
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
        for (const char key : {'X', 'B', ' ', 'C', kEscapeKey})
            EXPECT_TRUE(CharacterKey(board.play, key));
        if (!busy) {  // a pop-up menu left open when the view was pressed
            PopupCommand(board.play, PopupEntry::SetAllX);
            PopupCommand(board.play, PopupEntry::SetYellow);
        }
        EXPECT_EQ(board.Sides(2, 2), "0000") << busy;
        EXPECT_EQ(board.grid.CellColour[2][2], 0);
        EXPECT_TRUE(board.state.undo.empty());
    }
}

// The arrows wrap over one more row and column; End steps the side; any key starts at (1, 1).
TEST(NavigationTest, ArrowsWrapAndEndStepsTheSide) {
    PlayBoard board(3, 4);
    Hover(board.play, 0, 0);
    using enum NavigationKey;
    std::string cells;
    for (const NavigationKey key :
         {Other, Left, Left, Left, Right, Right, Up, Down, Down, Up, Up, End, End, End, End}) {
        NavigationKeyReleased(board.play, key);
        const Selection& at = board.state.selection;
        cells += std::to_string(at.row) + std::to_string(at.col) +
                 static_cast<char>('0' + SideNumber(*at.side)) + " ";
    }
    EXPECT_EQ(cells, "121 111 151 141 151 111 411 111 211 111 411 412 413 414 411 ");
    // On the extra row the keys enter nothing. The dot markers stand with their top-left corners
    // on the ends of the side.
    CharacterKey(board.play, 'B');
    EXPECT_EQ(board.Sides(4, 1), "-0--");
    EXPECT_EQ(board.state.markers.firstEnd, (MarkerBox{true, 300, 2200, 100, 100}));
    EXPECT_EQ(board.state.markers.secondEnd, (MarkerBox{true, 300, 2800, 100, 100}));
}

TEST(PopupTest, EntriesActOnTheSelectedCellAndUndoRestoresIt) {
    PlayBoard board;
    board.grid.CellColour[2][2] = Pink;
    board.HoverSide(2, 2, Side::Top);
    const std::tuple<PopupEntry, std::optional<Side>, const char*, std::int32_t> steps[] = {
        {PopupEntry::SetAllX, std::nullopt, "2222", Pink},
        {PopupEntry::SetClearBar, Side::Bottom, "2220", Pink},  // an X is cleared, not barred
        {PopupEntry::SetClearBar, Side::Bottom, "2221", Pink},
        {PopupEntry::SetYellow, std::nullopt, "2221", Yellow},
        {PopupEntry::ClearAll, std::nullopt, "0000", 0},
        {PopupEntry::SetPink, std::nullopt, "0000", Pink}};
    for (const auto& [entry, side, sides, colour] : steps) {
        PopupCommand(board.play, entry, side);
        EXPECT_EQ(board.Sides(2, 2), sides);
        EXPECT_EQ(board.grid.CellColour[2][2], colour);
    }
    EXPECT_EQ(board.state.undo.back(), (UndoEntry{2, 2, {}, 0}));
    // With no cell selected, or on the frame, the pop-up entries do nothing.
    Hover(board.play, 0, 0);
    PopupCommand(board.play, PopupEntry::SetAllX);
    board.state.selection = {4, 2, Side::Top};
    PopupCommand(board.play, PopupEntry::SetYellow);
    EXPECT_EQ(board.grid.CellColour[4][2], Pink);
    EXPECT_EQ(board.state.undo.size(), 6u);

    for (int step = 0; step < 6; ++step)
        EXPECT_TRUE(
            RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter));
    EXPECT_FALSE(RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter));
    EXPECT_EQ(board.Sides(2, 2), "0000");
    EXPECT_EQ(board.grid.CellColour[2][2], Pink);
    // The cell is drawn as it came back: its colour square last.
    EXPECT_EQ(board.canvas.calls.back().kind, "fill");
    EXPECT_EQ(board.canvas.calls.back().colour, Pink);
    // An entry without a position is dropped.
    board.state.undo.push_back(UndoEntry{0, 2, {Bar, Bar, Bar, Bar}, Yellow});
    EXPECT_TRUE(RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter));
    EXPECT_TRUE(board.state.undo.empty());
    EXPECT_EQ(board.Sides(1, 2), "0000");
}

}  // namespace
}  // namespace ringlace
