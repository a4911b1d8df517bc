#include <gtest/gtest.h>

#include "model/puzzle_record.h"
#include "play/entry.h"
#include "play/undo_list.h"
#include "support/play_board.h"
#include "support/temp_folder.h"

namespace ringlace {
namespace {

using test::PlayBoard;

TEST(UndoTest, EntriesKeepTheCellsSidesAndColour) {
    PlayBoard board(4, 6);
    board.grid.SetEdge(3, 5, Side::Top, Bar);
    board.grid.SetEdge(3, 5, Side::Right, XMark);
    SaveUndoCell(board.grid, board.state.undo, 3, 5);
    EXPECT_EQ(UndoEntryText(board.state.undo.back()), "3,5,0,1,2,0,0");
    board.grid.CellColour[1][1] = Yellow;
    SaveUndoCell(board.grid, board.state.undo, 1, 1);
    EXPECT_EQ(UndoEntryText(board.state.undo.back()), "1,1,0,0,0,0," + NumText(Yellow));
}

TEST(UndoTest, UndoingThreeClicksWalksBackThroughXAndBar) {
    PlayBoard board;
    for (int click = 0; click < 3; ++click) board.RightClickNearSide(1, 2, Side::Bottom);
    std::string seen;
    for (int undo = 0; undo < 3; ++undo) {
        EXPECT_TRUE(UndoLastEntry(board.grid, board.state.undo, board.painter));
        seen += board.Sides(1, 2)[3];
    }
    EXPECT_EQ(seen, "210");
    EXPECT_EQ(board.Sides(2, 2)[1], '0');  // the shared side came back with it
    EXPECT_FALSE(UndoLastEntry(board.grid, board.state.undo, board.painter));
}

TEST(UndoTest, OneUndoRestoresAWholeCellAndItsNeighboursSharedSides) {
    PlayBoard board;
    board.grid.CellColour[2][2] = Pink;
    board.HoverSide(2, 2, Side::Left);
    PopupCommand(board.play, PopupEntry::SetAllX);
    PopupCommand(board.play, PopupEntry::SetYellow);
    UndoLastEntry(board.grid, board.state.undo, board.painter);
    UndoLastEntry(board.grid, board.state.undo, board.painter);
    EXPECT_EQ(board.Sides(2, 2), "0000");
    EXPECT_EQ(board.grid.CellColour[2][2], Pink);
    EXPECT_EQ(board.Sides(2, 1)[2], '0');
    EXPECT_EQ(board.Sides(1, 2)[3], '0');
    EXPECT_EQ(board.grid.NodeLink[2][2][Side::Bottom], Free);
    // The cell is drawn as it came back: its colour square last.
    EXPECT_EQ(board.canvas.calls.back().kind, "fill");
    EXPECT_EQ(board.canvas.calls.back().colour, Pink);
}

TEST(UndoTest, KeyEntriesAreNotRecordedSoUndoReachesTheEntryBefore) {
    PlayBoard board;
    board.RightClickNearSide(1, 1, Side::Top);  // recorded: T was Free
    board.HoverSide(1, 1, Side::Left);
    CharacterKey(board.play, 'B');  // not recorded
    UndoLastEntry(board.grid, board.state.undo, board.painter);
    EXPECT_EQ(board.Sides(1, 1), "0000");
}

TEST(UndoTest, AnEntryWithoutAPositionIsDropped) {
    PlayBoard board;
    board.state.undo.push_back(UndoEntry{0, 2, {Bar, Bar, Bar, Bar}, Yellow});
    EXPECT_TRUE(UndoLastEntry(board.grid, board.state.undo, board.painter));
    EXPECT_TRUE(board.state.undo.empty());
    EXPECT_EQ(board.Sides(1, 2), "0000");
}

}  // namespace
}  // namespace ringlace
