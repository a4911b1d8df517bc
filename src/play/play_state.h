// What the board keeps while a person plays: the selected cell and side, the undo list, the
// markers above the drawing, the check light, the two timed events, and a solution view being
// held. Solving and creating never see it.
#pragma once

#include <optional>

#include "model/grid.h"
#include "play/board_markers.h"
#include "play/undo_list.h"
#include "solver/colouring.h"

namespace ringlace {

// The cell and side that the pointer or the keyboard designates; row and column 0 when none.
struct Selection {
    int row = 0;
    int col = 0;
    std::optional<Side> side = Side::Left;  // none while the pop-up menu has taken the selection
};

// The light of the autofill switch: what the last check found.
enum class CheckLight { Neutral, Done, Error };

// The stored solution shown while a view button is held.
struct SolutionView {
    enum class Kind { None, Bars, Loop };
    Kind showing = Kind::None;
    GridSnapshot players;  // the player's sides and colours while the loop shows

    // While a view is held, the board holds the solution, not the player's entries: entries and
    // the commands on the board do nothing then, as the release puts the player's entries back
    // over whatever they changed.
    bool Held() const { return showing != Kind::None; }
};

struct PlayState {
    Selection selection;
    UndoList undo;
    UndoList redo;  // what undo took back, until the next entry
    BoardMarkers markers;
    CheckLight checkLight = CheckLight::Neutral;
    bool autofillDue = false;       // an autofill tick is to run a moment after the last entry
    bool errorMarkerTimed = false;  // the error marker shows until its three seconds are over
    SolutionView view;

    // Records cell (r, c) before an entry changes it; what was undone can no longer be redone.
    // A hint shown is about the entries before this one: its markers go.
    void RecordEntry(const Grid& grid, int r, int c) {
        SaveUndoCell(grid, undo, r, c);
        redo.clear();
        markers.hint = {};
    }

    // The board holds a new puzzle, or a solve's: nothing to undo or redo, no hint to show.
    void ForgetEntries() {
        undo.clear();
        redo.clear();
        markers.hint = {};
    }

    // A puzzle was loaded: nothing to undo, the selection on the first cell's left side.
    void StartPuzzle() {
        ForgetEntries();
        selection = {1, 1, Side::Left};
    }
};

}  // namespace ringlace
