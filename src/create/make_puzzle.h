// The creator a single puzzle of a given size and kind is made with, as the create command and
// ringlace-cli choose it.
#pragma once

#include "create/creation.h"

namespace ringlace {

enum class CreateKind { Normal, Only03 };

// Below 10 on the smaller side CreatePuzzle, else CreateComposite. A composition that fails is
// made again from new quadrants, so a result is either a finished puzzle or a cancel.
CreateResult CreateForSize(CreateContext& ctx, int rows, int cols, int level);

// Normal puzzles by CreateForSize at the level; 03Only puzzles by Create03Only, always at level
// Medium ("ME"). 0 made, -1 or -99 cancelled.
CreateResult CreateOfKind(CreateContext& ctx, CreateKind kind, int rows, int cols, int level);

}  // namespace ringlace
