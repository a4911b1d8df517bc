#include "play/board_commands.h"

#include "model/puzzle_record.h"
#include "model/text.h"
#include "play/board_drawing.h"
#include "play/check_display.h"
#include "play/undo_list.h"
#include "shell/app.h"
#include "shell/busy_guard.h"
#include "solver/verification.h"

namespace ringlace {

void UndoCommand(App& app, BoardPainter& painter) {
    // Taking back an entry while a solve works on the grid would corrupt its work.
    if (RefuseWhileBusy(app)) return;
    app.host.Status("");
    UndoLastEntry(app.grid, app.session.Undo, painter);
}

bool VerifyPressed(App& app) {
    if (RefuseWhileBusy(app)) return false;
    ClearCheckDisplay(app.session, app.host);
    const VerifyDisplay shown = VerifyButtonCheck(app.grid);
    if (shown.done)
        ShowCheckDone(app.session, app.host);
    else
        ShowCheckError(app.session, app.geometry, app.host, shown.error.row, shown.error.col,
                       shown.error.message);
    return true;
}

void VerifyReleased(App& app) {
    ClearCheckDisplay(app.session, app.host);
    app.session.Markers.Shape3.visible = false;
}

bool ClearAllBarsCommand(App& app) {
    if (RefuseWhileBusy(app)) return false;
    if (app.host.MsgboxA("All Bars/Xs will be cleared (cannot undo), Proceed ?",
                         "vbYesNo+vbquestion") != kMsgYes)
        return false;
    Grid& grid = app.grid;
    grid.ResetGrid();
    grid.ResetColours();
    return true;
}

bool ResetCommand(App& app) {
    if (RefuseWhileBusy(app)) return false;
    if (app.host.MsgboxA(
            "All User Entries will be cleared (cannot undo)" + std::string(kCrLf) + "Proceed ?",
            "vbYesNo+vbquestion") != kMsgYes)
        return false;
    Session& session = app.session;
    if (session.PuzNum < 1) return false;
    if (LoadPuzzle(app.grid, session, session.PuzFile, session.PuzNum) == 0) return true;
    app.host.MsgboxA("Error reading file:" + std::string(kCrLf) + session.PuzFile,
                     "vbcritical+vbok");
    return false;
}

std::string NextLevelName(const std::string& caption) {
    const std::string level = ToUpper(caption);
    if (level == "HARD") return "Easy";
    if (level == "MEDIUM") return "Hard";
    return "Medium";
}

}  // namespace ringlace
