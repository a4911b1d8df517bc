#include <gtest/gtest.h>

#include "play/undo_list.h"
#include "support/play_board.h"

namespace ringlace {
namespace {

using test::PlayBoard;

TEST(RedoTest, RedoPutsBackWhatUndoTookUntilTheNextEntry) {
    PlayBoard board;
    board.HoverSide(2, 2, Side::Left);
    CycleSelectedSide(board.play);  // Bar
    CycleSelectedSide(board.play);  // X
    const auto undo = [&] {
        return RestoreNewestEntry(board.grid, board.state.undo, board.state.redo, board.painter);
    };
    const auto redo = [&] {
        return RestoreNewestEntry(board.grid, board.state.redo, board.state.undo, board.painter);
    };
    ASSERT_TRUE(undo());
    ASSERT_TRUE(undo());
    EXPECT_EQ(board.Sides(2, 2), "0000");
    EXPECT_TRUE(redo());
    EXPECT_EQ(board.Sides(2, 2), "1000");
    EXPECT_EQ(board.Sides(2, 1), "0010");  // the neighbour shares the side
    EXPECT_TRUE(redo());
    EXPECT_EQ(board.Sides(2, 2), "2000");
    EXPECT_FALSE(redo());

    // Undone, then a new entry: the undone step is gone for good.
    ASSERT_TRUE(undo());
    board.HoverSide(1, 1, Side::Top);
    CycleSelectedSide(board.play);
    EXPECT_FALSE(redo());
    EXPECT_EQ(board.Sides(2, 2), "1000");

    ASSERT_TRUE(undo());
    board.state.StartPuzzle();
    EXPECT_FALSE(redo());
    EXPECT_FALSE(undo());
}

}  // namespace
}  // namespace ringlace
