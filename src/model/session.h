// The running program's state beside the puzzle itself: which puzzle of which file is shown, the
// labels a load fills, the run flags of long operations, the entry selection, the undo list and
// what the board shows above its drawing.
#pragma once

#include <string>

#include "model/grid.h"
#include "play/board_markers.h"
#include "play/check_display.h"
#include "play/solution_view.h"
#include "play/undo_list.h"

namespace ringlace {

// The texts beside the board that describe the puzzle shown.
struct BoardLabels {
    std::string fileName;      // the puzzle file's own name
    std::string filePath;      // its full path (the file label's tool tip)
    std::string puzzleNumber;  // the puzzle-number box
    std::string puzzleCount;   // " of 25"
    std::string size;          // "10x10"
    std::string difficulty;    // "Easy", "Medium" or "Hard"
    std::string openShare;     // "62%"
};

struct Session {
    std::string PuzFile;  // full path of the current puzzle file
    int PuzNum = 0;       // 1-based number of the current puzzle in it; 0 when none is shown
    int PuzCount = 0;     // number of puzzles in it
    bool Busy = false;    // a solve or creation runs; other commands wait
    bool CancelRequested = false;
    bool SilentSolve = false;  // the solver never asks whether to go on
    std::string ClueBackup;    // the clues as the last solve started, a blank as one space

    // Creation. With PatternFlag above 0 the creators show exactly the clues of the cells whose
    // PatternMask entry is 1 ([row][column]) instead of choosing them; JumboFlag marks a grid
    // beyond the board's limits, made without a solver check; CompositeFlag tells CreatePuzzle
    // that it makes one quadrant of a composite grid.
    int PatternFlag = 0;
    Table2<std::uint8_t, kCellIndexes> PatternMask{};
    bool JumboFlag = false;
    bool CompositeFlag = false;

    BoardLabels Labels;
    int SelectedRow = 0;  // hover or keyboard selection; (0, 0) = none
    int SelectedCol = 0;
    int SelectedSide = L;  // 0 while the pop-up menu has taken the selection
    UndoList Undo;

    BoardMarkers Markers;
    CheckLight Label4Light = CheckLight::Neutral;
    // The two timers of the board, as the window is to run them: Timer2 is a pending autofill
    // tick, Timer3 the three seconds the error marker shows.
    bool Timer2 = false;
    bool Timer3 = false;
    SolutionView View;
};

}  // namespace ringlace
