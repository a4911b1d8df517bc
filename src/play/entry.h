// Entry on the board: which cell and side the pointer designates, how a right click or a key
// changes an edge, and the pop-up menu's commands on the selected cell. Positions are board twips.
#pragma once

#include <optional>

#include "model/grid.h"
#include "model/settings.h"
#include "play/board_drawing.h"
#include "play/board_geometry.h"
#include "play/play_state.h"
#include "solver/hint_finder.h"

namespace ringlace {

// How close to a side, in board twips, the pointer selects it. Fixed: it does not grow with zoom.
inline constexpr int kHitMargin = 120;

inline constexpr char kEscapeKey = '\x1b';

// What an entry works on: the puzzle, the play state, the options, the layout, the painter that
// shows each change at once, and whether the board takes entries at all.
struct PlayContext {
    Grid& grid;
    PlayState& state;
    const Settings& settings;
    const BoardGeometry& geometry;
    BoardPainter& painter;
    bool busy = false;        // a long command works on the grid: no entry, no selection
    bool puzzleShown = true;  // false on the empty board shown when no puzzle could be loaded
};

// The zone of a cell of size s that offset (dx, dy) from its top-left dot lies in: a side, or
// none for the centre (which includes the four corner squares).
std::optional<Side> HoverZone(int dx, int dy, int s);

// Pointer moved without the left button. Selects the cell and side under the pointer and moves
// the markers. True when the board should take the keyboard focus.
bool Hover(PlayContext& play, int x, int y);

enum class RightRelease { Ignored, OpenPopup, Entered };
// The right button released at (x, y): in the middle ninth of the selected cell it asks for the
// pop-up menu (and the selection loses its side); elsewhere it cycles the selected side.
RightRelease RightButtonReleased(PlayContext& play, int x, int y);

// Records the selected cell for undo, then cycles its selected side Free -> Bar -> X -> Free.
void CycleSelectedSide(PlayContext& play);

// A character key on the board ("X", "B", "C", Escape or Space, any case). Every character key is
// the board's; true when it was one of those five.
bool CharacterKey(PlayContext& play, char key);

// A hint's step made an entry as a right click makes one: recorded for undo, drawn, autofill
// armed. Anything but a step is left alone (false).
bool EnterHintStep(PlayContext& play, const Hint& hint);

enum class NavigationKey { Other, Left, Right, Up, Down, End };
// A key released on the board: the arrows move the selected cell (over one more row and column
// than the grid, wrapping round), End steps the selected side.
void NavigationKeyReleased(PlayContext& play, NavigationKey key);

// The pop-up menu's entries, acting on the selected cell.
enum class PopupEntry { ClearAll, SetAllX, SetClearBar, SetPink, SetYellow, SetClear };
// side: for SetClearBar, the side to switch between Free and Bar.
void PopupCommand(PlayContext& play, PopupEntry entry, std::optional<Side> side = std::nullopt);

}  // namespace ringlace
