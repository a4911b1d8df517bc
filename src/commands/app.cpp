#include "commands/app.h"

#include "model/puzzle_record.h"

namespace ringlace {

bool LoadPuzzleOntoBoard(App& app, const std::string& file, int number) {
    if (!LoadPuzzle(app.grid, app.place, file, number)) return false;
    app.play.StartPuzzle();
    app.pendingPattern.reset();
    return true;
}

}  // namespace ringlace
