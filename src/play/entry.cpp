#include "play/entry.h"

#include <cctype>
#include <cmath>

#include "play/board_markers.h"
#include "play/undo_list.h"

namespace ringlace {

namespace {

bool RealCellSelected(const PlayContext& play) {
    return play.grid.IsRealCell(play.state.selection.row, play.state.selection.col);
}

// Entries are only for the grid's own cells: the keyboard cursor may stand on the extra row and
// column beyond it, whose sides belong to the frame.
bool CanEnterOnSelection(const PlayContext& play) {
    return RealCellSelected(play) && play.state.selection.side.has_value();
}

void ArmAutofill(PlayContext& play) {
    if (play.settings.AutofillOn == 1) play.state.autofillDue = true;
}

void SetSide(PlayContext& play, int r, int c, Side side, EdgeState value) {
    play.grid.SetEdge(r, c, side, value);
    play.painter.DrawEdge(r, c, side, value);
}

EdgeState NextInCycle(EdgeState state) {
    if (state == Free) return Bar;
    if (state == Bar) return XMark;
    if (state == XMark) return Free;
    return state;
}

int FloorDiv(int numerator, int denominator) {
    return static_cast<int>(std::floor(static_cast<double>(numerator) / denominator));
}

}  // namespace

std::optional<Side> HoverZone(int dx, int dy, int s) {
    const int m = kHitMargin;
    const bool acrossMiddle = m < dx && dx < s - m;
    const bool downMiddle = m < dy && dy < s - m;
    if (acrossMiddle && downMiddle) return std::nullopt;
    if (acrossMiddle && dy >= s - m) return Side::Bottom;
    if (acrossMiddle && dy < m) return Side::Top;
    if (dx >= s - m && downMiddle) return Side::Right;
    if (dx <= m && downMiddle) return Side::Left;
    return std::nullopt;
}

bool Hover(PlayContext& play, int x, int y) {
    PlayState& state = play.state;
    const BoardGeometry& geometry = play.geometry;
    state.selection.row = 0;
    state.selection.col = 0;
    const int row = FloorDiv(y - geometry.GridTop, geometry.CellSize) + 1;
    const int col = FloorDiv(x - geometry.GridLeft, geometry.CellSize) + 1;
    // Markers left behind where nothing is selected would promise entries that cannot happen.
    if (play.busy || !play.puzzleShown || !play.grid.IsRealCell(row, col)) {
        HideSelectionMarkers(state.markers);
        return false;
    }
    state.selection.row = row;
    state.selection.col = col;
    const std::optional<Side> side =
        HoverZone(x - geometry.NodeX(col), y - geometry.NodeY(row), geometry.CellSize);
    if (side) {
        state.selection.side = side;
        ShowSideMarkers(state.markers, geometry, row, col, *side, DotPlacement::Centred);
        return true;
    }
    return ShowCellMarker(state.markers, geometry, row, col);
}

RightRelease RightButtonReleased(PlayContext& play, int x, int y) {
    PlayState& state = play.state;
    if (play.busy || state.view.Held() || !RealCellSelected(play)) return RightRelease::Ignored;
    const int third = play.geometry.Third;
    const int left = play.geometry.NodeX(state.selection.col);
    const int top = play.geometry.NodeY(state.selection.row);
    if (left + third < x && x < left + 2 * third && top + third < y && y < top + 2 * third) {
        state.selection.side.reset();
        return RightRelease::OpenPopup;
    }
    if (!state.selection.side) return RightRelease::Ignored;
    CycleSelectedSide(play);
    ArmAutofill(play);
    return RightRelease::Entered;
}

void CycleSelectedSide(PlayContext& play) {
    const int r = play.state.selection.row;
    const int c = play.state.selection.col;
    const Side side = *play.state.selection.side;
    play.state.RecordEntry(play.grid, r, c);
    const EdgeState state = play.grid.CellEdge[r][c][side];
    const EdgeState next = NextInCycle(state);
    if (next != state) SetSide(play, r, c, side, next);
}

bool CharacterKey(PlayContext& play, char key) {
    key = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (key == kEscapeKey) key = 'C';
    if (key != 'X' && key != 'B' && key != 'C' && key != ' ') return false;
    // A solve or creation works on the grid in place: an entry now would corrupt its work.
    if (play.busy || play.state.view.Held()) return true;
    if (CanEnterOnSelection(play)) {
        const int r = play.state.selection.row;
        const int c = play.state.selection.col;
        const Side side = *play.state.selection.side;
        if (key == 'X')
            SetSide(play, r, c, side, XMark);
        else if (key == 'B')
            SetSide(play, r, c, side, Bar);
        else if (key == 'C')
            SetSide(play, r, c, side, Free);
        else
            CycleSelectedSide(play);
    }
    ArmAutofill(play);
    return true;
}

bool EnterHintStep(PlayContext& play, const Hint& hint) {
    if (hint.kind != HintKind::Step) return false;
    play.state.RecordEntry(play.grid, hint.row, hint.col);
    SetSide(play, hint.row, hint.col, hint.side, hint.value);
    ArmAutofill(play);
    return true;
}

void NavigationKeyReleased(PlayContext& play, NavigationKey key) {
    PlayState& state = play.state;
    const Grid& grid = play.grid;
    if (state.selection.row == 0 && state.selection.col == 0) {
        state.selection.row = 1;
        state.selection.col = 1;
        state.selection.side = Side::Left;
        key = NavigationKey::Right;
    }
    switch (key) {
        case NavigationKey::End:
            state.selection.side =
                state.selection.side ? NextSide(*state.selection.side) : Side::Left;
            break;
        case NavigationKey::Right:
            state.selection.col = state.selection.col > grid.Cols ? 1 : state.selection.col + 1;
            break;
        case NavigationKey::Left:
            state.selection.col =
                state.selection.col <= 1 ? grid.Cols + 1 : state.selection.col - 1;
            break;
        case NavigationKey::Up:
            state.selection.row =
                state.selection.row <= 1 ? grid.Rows + 1 : state.selection.row - 1;
            break;
        case NavigationKey::Down:
            state.selection.row = state.selection.row > grid.Rows ? 1 : state.selection.row + 1;
            break;
        case NavigationKey::Other:
            return;
    }
    if (state.selection.side) {
        ShowSideMarkers(state.markers, play.geometry, state.selection.row, state.selection.col,
                        *state.selection.side, DotPlacement::TopLeft);
    } else {
        HideSelectionMarkers(state.markers);
    }
}

void PopupCommand(PlayContext& play, PopupEntry entry, std::optional<Side> side) {
    if (play.state.view.Held() || !RealCellSelected(play)) return;
    Grid& grid = play.grid;
    const int r = play.state.selection.row;
    const int c = play.state.selection.col;
    if (entry == PopupEntry::SetClearBar && !side) return;
    play.state.RecordEntry(grid, r, c);
    switch (entry) {
        case PopupEntry::ClearAll:
            for (const Side s : kSides) SetSide(play, r, c, s, Free);
            grid.CellColour[r][c] = 0;
            play.painter.PaintCell(grid, r, c, 0);
            break;
        case PopupEntry::SetAllX:
            for (const Side s : kSides) SetSide(play, r, c, s, XMark);
            break;
        case PopupEntry::SetClearBar:
            SetSide(play, r, c, *side, grid.CellEdge[r][c][*side] == Free ? Bar : Free);
            break;
        case PopupEntry::SetPink:
        case PopupEntry::SetYellow:
        case PopupEntry::SetClear: {
            const std::int32_t colour = entry == PopupEntry::SetPink     ? Pink
                                        : entry == PopupEntry::SetYellow ? Yellow
                                                                         : 0;
            grid.CellColour[r][c] = colour;
            play.painter.PaintCell(grid, r, c, colour);
            break;
        }
    }
    ArmAutofill(play);
}

}  // namespace ringlace
