// The running program's state in one place: the puzzle, the options, the session, the folders,
// the colour scheme, and the Host through which the command flows talk to the person. The window
// and the console each own one; lower layers take only the parts they use.
#pragma once

#include <string>
#include <vector>

#include "model/app_paths.h"
#include "model/grid.h"
#include "model/random_source.h"
#include "model/session.h"
#include "model/settings.h"
#include "play/board_geometry.h"
#include "play/colour_scheme.h"
#include "shell/host.h"

namespace ringlace {

inline constexpr const char* kProgramTitle = "Ringlace 3.0";
inline constexpr const char* kProgramVersion = "3.0";
inline constexpr const char* kScratchPuzzleFile = "temporarypuzfile.txt";
inline constexpr const char* kSolutionRegisterFile = "solutionregister.txt";

struct App {
    explicit App(Host& host) : host(host) {}

    Grid grid;
    Settings settings;
    Session session;
    BoardGeometry geometry;
    AppPaths paths;
    SchemeColours scheme{};
    std::vector<std::string> schemeList;  // scheme names for the options dialog
    std::vector<std::string> fontList;    // screen fonts for the options dialog
    RandomSource random;                  // every random draw of the program; seeded from the clock
    Host& host;
};

}  // namespace ringlace
