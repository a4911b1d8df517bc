#include "commands/editor_commands.h"

#include <algorithm>
#include <memory>

#include "commands/file_requests.h"
#include "commands/run_scope.h"
#include "create/fixed_loop.h"
#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "model/text.h"
#include "model/text_file.h"
#include "solver/solution_counter.h"

namespace ringlace {

namespace {

const std::string kLineEnd(kCrLf);

// The typed clues as a puzzle record's grid; the level is not known, so it is Medium's.
std::unique_ptr<Grid> TypedPuzzle(const ClueGrid& clues) {
    auto grid = std::make_unique<Grid>();
    PlaceClues(*grid, clues);
    grid->DiffCode = LevelCode(kMedium);
    return grid;
}

std::string CountVerdict(App& app) {
    const bool never = false;
    RunContext run(app.host, never, true);
    switch (CountSolutions(app.grid, 2, run).count) {
        case 0:
            return ": no solution";
        case 1:
            return ": one solution";
        default:
            return ": more than one solution";
    }
}

}  // namespace

Grid EditorStart(const App& app) {
    Grid grid = app.grid;
    ApplySolution(grid);
    return grid;
}

std::optional<Message> CheckTypedClues(const ClueGrid& clues) {
    if (std::any_of(clues.clues.begin(), clues.clues.end(),
                    [](ClueValue clue) { return clue != kNoClue; }))
        return std::nullopt;
    return Message{"No numbers in this puzzle!", Icon::Critical, Buttons::Ok};
}

bool ApplyTypedClues(App& app, const ClueGrid& clues) {
    const std::string file = app.paths.InData(kEditedPuzzleFile);
    const int count = app.place.count;
    app.place.count = 1;
    if (!WritePuzzleRecord(*TypedPuzzle(clues), file, WriteMode::Replace) ||
        !LoadPuzzleOntoBoard(app, file, 1)) {
        app.place.count = count;
        ReportFileTrouble(app.host, FileTrouble::NotWritten, file);
        return false;
    }
    // The person learns at once whether the puzzle they typed can be solved, and solved only one
    // way, before the solver works on it.
    app.host.Status("Now Autosolve to check puzzle" + CountVerdict(app));
    return true;
}

void SaveTypedClues(App& app, const ClueGrid& clues) {
    const std::string file = AskForFile(app,
                                        {"Select an output Puzzle file", "*.rlc;*.txt",
                                         "Ringlace Files", "Select a puzzle file", "SAVE", ""},
                                        "txt");
    if (file.empty()) return;
    if (!WritePuzzleRecord(*TypedPuzzle(clues), file, WriteMode::Append)) {
        ReportFileTrouble(app.host, FileTrouble::NotWritten, file);
        return;
    }
    app.host.Ask(
        {"Current Puzzle saved in file:" + kLineEnd + file, Icon::Information, Buttons::Ok});
}

std::optional<Message> CheckDrawnLoop(const Grid& drawn) {
    for (int r = 1; r <= drawn.Rows; ++r)
        for (int c = 1; c <= drawn.Cols; ++c)
            for (const Side side : kSides)
                if (drawn.CellEdge[r][c][side] == Bar) return std::nullopt;
    return Message{"No loop in this puzzle!", Icon::Critical, Buttons::Ok};
}

CreateEnd CreateFromDrawnLoop(App& app, const Grid& drawn) {
    if (RefuseGridCommand(app)) return CreateEnd::Refused;
    const std::string fault = DrawnLoopFault(drawn);
    if (!fault.empty()) {
        app.host.Ask({"Loop is invalid:" + kLineEnd + fault, Icon::Critical, Buttons::Ok});
        return CreateEnd::BadLoop;
    }
    const PreviousPuzzle previous{app.grid, app.place};
    app.grid = drawn;
    CreateResult result = CreateResult::Created;
    {
        RunScope scope(app);
        app.host.ShowNewBoard();
        CreateContext ctx(app.grid, scope.context(), app.random);
        result = CreateFromLoop(ctx);
    }
    app.host.Progress(0);
    if (result == CreateResult::Cancelled) return CancelEnding(app, previous);
    if (result == CreateResult::Failed) {
        RestorePrevious(app, previous);
        app.host.Status("");
        app.host.Ask(
            {"Unable to create a valid puzzle" + kLineEnd + "Please ckeck loop configuration",
             Icon::Critical, Buttons::Ok});
        return CreateEnd::Failed;
    }
    return SuccessEnding(app, "Puzzle created", previous);
}

}  // namespace ringlace
