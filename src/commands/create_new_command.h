// The single-puzzle command: one puzzle of the size and level asked for, made on the board,
// written as the only record of the scratch puzzle file and loaded from it like any puzzle. A
// cancel brings the previous puzzle back.
#pragma once

#include <string>

#include "commands/app.h"
#include "commands/creation_endings.h"
#include "create/make_puzzle.h"

namespace ringlace {

struct PuzzleSize {
    int rows = 0;
    int cols = 0;
};

// The size field's text: "7" is 7 x 7, "12x8" is 12 x 8, blank draws a random size from 5 to the
// limits. A text that names no size gives 0 for the side it fails on.
PuzzleSize ReadSizeText(const std::string& text, const Grid& grid, RandomSource& random);

// 1, 2, 3 for "Easy", "Medium", "Hard" in any case, 1 for a blank caption, 0 for anything else.
int LevelFromCaption(const std::string& caption);

struct CreateRequest {
    CreateKind kind = CreateKind::Normal;
    std::string sizeText;      // as the size field reads it (see ReadSizeText)
    std::string levelCaption;  // "Easy", "Medium" or "Hard", as the level label shows it
};

CreateEnd CreateNew(App& app, const CreateRequest& request);

}  // namespace ringlace
