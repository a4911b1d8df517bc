// The running program's state in one place, each part with its one owner: the puzzle and its place
// in its file, the play state of the board, the run state of long commands, the options, the
// layout, the folders, the colour scheme, and the Host through which the commands talk to the
// person. The window and the console each own one; lower layers take only the parts they use.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "create/pattern_file.h"
#include "model/app_paths.h"
#include "model/grid.h"
#include "model/puzzle_place.h"
#include "model/random_source.h"
#include "model/settings.h"
#include "play/board_geometry.h"
#include "play/colour_scheme.h"
#include "play/play_state.h"
#include "seams/host.h"
#include "seams/run_context.h"

namespace ringlace {

inline constexpr const char* kProgramTitle = "Ringlace 3.0";
inline constexpr const char* kProgramVersion = "3.0";
inline constexpr const char* kScratchPuzzleFile = "temporarypuzfile.txt";
inline constexpr const char* kSolutionRegisterFile = "solutionregister.txt";
inline constexpr const char* kHelpPageFile = "ringlace.htm";

struct App {
    explicit App(Host& talkTo) : host(talkTo) {}

    Grid grid;
    PuzzlePlace place;
    PlayState play;
    RunState runState;
    Settings settings;
    BoardGeometry geometry;
    AppPaths paths;
    SchemeColours scheme{};
    std::vector<std::string> schemeList;  // scheme names for the options dialog
    std::vector<std::string> fontList;    // screen fonts for the options dialog
    RandomSource random;                  // every random draw of the program; seeded from the clock
    // A pattern applied from the number locations editor: the next Autosolve creates a puzzle on
    // it instead of solving. Loading any puzzle drops it.
    std::optional<Pattern> pendingPattern;
    Host& host;
};

// Loads puzzle `number` of `file` (place.count must be that file's count) onto the board: the
// place moves there and the play state starts afresh. False, with nothing changed, on failure.
[[nodiscard]] bool LoadPuzzleOntoBoard(App& app, const std::string& file, int number);

}  // namespace ringlace
