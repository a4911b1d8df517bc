#include "commands/board_commands.h"

#include "commands/app.h"
#include "commands/file_requests.h"
#include "commands/run_scope.h"
#include "model/puzzle_record.h"
#include "model/text.h"
#include "play/board_drawing.h"
#include "play/check_display.h"
#include "play/solution_view.h"
#include "play/undo_list.h"
#include "solver/verification.h"

namespace ringlace {

void UndoCommand(App& app, BoardPainter& painter) {
    // Taking back an entry while a solve works on the grid would corrupt its work.
    if (RefuseGridCommand(app)) return;
    app.host.Status("");
    RestoreNewestEntry(app.grid, app.play.undo, app.play.redo, painter);
}

void RedoCommand(App& app, BoardPainter& painter) {
    if (RefuseGridCommand(app)) return;
    app.host.Status("");
    RestoreNewestEntry(app.grid, app.play.redo, app.play.undo, painter);
}

bool VerifyPressed(App& app) {
    if (RefuseWhileBusy(app)) return false;
    app.host.Status(ShowCheckResult(app.play, app.geometry, VerifyButtonCheck(app.grid)));
    return true;
}

void VerifyReleased(App& app) {
    ClearCheckDisplay(app.play);
    app.host.Status("");
}

bool ClearAllBarsCommand(App& app) {
    if (RefuseGridCommand(app)) return false;
    if (app.host.Ask({"All Bars/Xs will be cleared (cannot undo), Proceed ?", Icon::Question,
                      Buttons::YesNo}) != Answer::Yes)
        return false;
    Grid& grid = app.grid;
    grid.ResetGrid();
    grid.ResetColours();
    return true;
}

bool ResetCommand(App& app) {
    if (RefuseGridCommand(app)) return false;
    if (app.host.Ask(
            {"All User Entries will be cleared (cannot undo)" + std::string(kCrLf) + "Proceed ?",
             Icon::Question, Buttons::YesNo}) != Answer::Yes)
        return false;
    const PuzzlePlace& place = app.place;
    if (place.number < 1) return false;
    if (LoadPuzzleOntoBoard(app, place.file, place.number)) return true;
    ReportFileTrouble(app.host, FileTrouble::NotRead, place.file);
    return false;
}

bool ZoomCommand(App& app, Canvas& measuring, ZoomStep step) {
    if (app.runState.busy) return false;
    return ZoomBoard(app.geometry, app.play, app.grid, measuring, app.settings.FontName, step);
}

bool ShowSolutionBarsCommand(App& app, BoardPainter& painter) {
    if (RefuseGridCommand(app)) return false;
    ShowSolutionBars(app.grid, app.play.view, painter);
    return true;
}

bool ShowSolutionLoopCommand(App& app, BoardPainter& painter, bool withColours) {
    if (RefuseGridCommand(app)) return false;
    ShowSolutionLoop(app.grid, app.play.view, app.settings, painter, withColours);
    return true;
}

void HideSolutionCommand(App& app, BoardPainter& painter) {
    HideSolution(app.grid, app.play.view, painter);
}

std::string NextLevelName(const std::string& caption) {
    const std::string level = ToUpper(caption);
    if (level == "HARD") return "Easy";
    if (level == "MEDIUM") return "Hard";
    return "Medium";
}

}  // namespace ringlace
