// The main window's commands: what its menus, buttons, labels and timers start.
#include <QStyle>

#include "create/create_new_command.h"
#include "model/config_file.h"
#include "play/autofill.h"
#include "play/board_commands.h"
#include "play/check_display.h"
#include "play/options.h"
#include "play/solution_view.h"
#include "play/ui/board_view.h"
#include "play/ui/form2.h"
#include "shell/busy_guard.h"
#include "shell/ui/box_control.h"
#include "shell/ui/click_label.h"
#include "shell/ui/form1.h"
#include "solver/autosolve_command.h"

namespace ringlace {

void Form1::BoardTakesFocus() {
    picture5_->Picture1()->setFocus();
}

void Form1::mnuexit_Click() {
    if (ExitCommand(app_)) emit programEnded();
}

void Form1::mnuopts_Click() {
    if (RefuseWhileBusy(app_)) return;
    Form2 form2(app_, this);
    const std::optional<OptionsChoice> choice = form2.Ask();
    if (choice) {
        ApplyOptionsChoice(app_, *choice);
        ApplyColourScheme();
        picture5_->Relayout();
    }
    BoardTakesFocus();
}

void Form1::mnuoptup_Click() {
    SavecfgFile(app_.paths.InData(kConfigFileName), app_.settings, app_.session, host_);
}

void Form1::mnuclearbars_Click() {
    if (ClearAllBarsCommand(app_)) picture5_->Redraw();
    BoardTakesFocus();
}

void Form1::mnureset_Click() {
    if (ResetCommand(app_)) {
        ShowLabels();
        picture5_->FitAndRedraw();
    }
    BoardTakesFocus();
}

void Form1::ShowCancelActive(bool active) {
    cmdcanx_->setProperty("active", active);
    cmdcanx_->style()->unpolish(cmdcanx_);
    cmdcanx_->style()->polish(cmdcanx_);
}

template <typename Solve>
void Form1::RunSolve(Solve&& solve) {
    ShowCancelActive(true);
    const AutoSolveOutcome outcome = solve();
    ShowCancelActive(false);
    if (outcome.end == AutoSolveEnd::Refused) return;
    ShowLabels();
    picture5_->Redraw();
    // Where the loop could change without breaking a clue, the cells show in the error colour.
    picture5_->Paint([&](BoardPainter& painter) {
        for (const int k : outcome.ambiguousCells)
            painter.PaintCell(app_.grid, app_.grid.CellRow[k], app_.grid.CellCol[k], kLightRed);
    });
    SyncBoardState();
    BoardTakesFocus();
}

void Form1::mnuautosolvex_Click() {
    RunSolve([this] { return AutoSolveCommand(app_); });
}

void Form1::cmdautosolve_Click() {
    RunSolve([this] { return TimedAutoSolve(app_); });
}

void Form1::RunCreate(CreateKind kind) {
    if (RefuseWhileBusy(app_)) return;
    app_.session.Labels.size = label3_->text().toStdString();
    ShowCancelActive(true);
    const CreateEnd end = CreateNew(app_, kind);
    ShowCancelActive(false);
    if (end == CreateEnd::Created || end == CreateEnd::Canceled || end == CreateEnd::NotSaved) {
        ShowLabels();
        picture5_->FitAndRedraw();
        SyncBoardState();
    }
    BoardTakesFocus();
}

void Form1::mnucreate1_Click() {
    RunCreate(CreateKind::Normal);
}

// The right button makes a puzzle of 0s and 3s; any other, like the menu entry, a normal one.
void Form1::cmdnew1_Click(Qt::MouseButton button) {
    RunCreate(button == Qt::RightButton ? CreateKind::Only03 : CreateKind::Normal);
}

// The running solve notices the request at its next yield and ends; it stays busy until then, so
// no other command can start on the grid it is still working on.
void Form1::cmdcanx_Click() {
    app_.session.CancelRequested = true;
}

void Form1::cmdverify_MouseDown() {
    if (!VerifyPressed(app_)) {
        cmdverify_->Forget();
        return;
    }
    picture5_->Picture1()->update();
    SyncBoardState();
}

void Form1::cmdverify_MouseUp() {
    VerifyReleased(app_);
    picture5_->Picture1()->update();
    SyncBoardState();
    BoardTakesFocus();
}

void Form1::cmdundo_Click(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        mnureset_Click();
        return;
    }
    picture5_->Paint([this](BoardPainter& painter) { UndoCommand(app_, painter); });
    BoardTakesFocus();
}

void Form1::cmdzoom_Click(ZoomStep step) {
    picture5_->Zoom(step);
}

void Form1::cmdviewsol_MouseDown() {
    bool shown = true;
    picture5_->Paint([&](BoardPainter& painter) { shown = ShowSolutionBars(app_, painter); });
    if (!shown && app_.session.Busy) cmdviewsol_->Forget();
}

void Form1::cmdviewcol_MouseDown(Qt::MouseButton button) {
    bool shown = true;
    picture5_->Paint([&](BoardPainter& painter) {
        shown = ShowSolutionLoop(app_, painter, button == Qt::RightButton);
    });
    if (!shown && app_.session.Busy) cmdviewcol_->Forget();
}

void Form1::View_MouseUp() {
    picture5_->Paint([this](BoardPainter& painter) { HideSolution(app_, painter); });
    BoardTakesFocus();
}

void Form1::Label4_Click() {
    ToggleAutofill(app_.settings, app_.session);
    SyncBoardState();
}

void Form1::Label7_Click() {
    app_.session.Labels.difficulty = NextLevelName(app_.session.Labels.difficulty);
    label7_->setText(QString::fromStdString(app_.session.Labels.difficulty));
}

void Form1::Timer2_Timer() {
    picture5_->RunAutofillTick();
}

void Form1::Timer3_Timer() {
    HideErrorMarker(app_.session);
    picture5_->Picture1()->update();
    SyncBoardState();
}

}  // namespace ringlace
