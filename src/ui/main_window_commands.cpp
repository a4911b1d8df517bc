// The main window's commands: what its menus, buttons, labels and timers start.
#include <QStyle>

#include "commands/autosolve_command.h"
#include "commands/board_commands.h"
#include "commands/create_new_command.h"
#include "commands/hint_commands.h"
#include "commands/options_command.h"
#include "commands/run_scope.h"
#include "model/config_file.h"
#include "play/autofill.h"
#include "play/check_display.h"
#include "ui/board_view.h"
#include "ui/click_label.h"
#include "ui/command_button.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"

namespace ringlace {

void MainWindow::BoardTakesFocus() {
    boardView_->surface()->setFocus();
}

void MainWindow::onExit() {
    if (ExitCommand(app_)) emit programEnded();
}

void MainWindow::onOptions() {
    if (RefuseWhileBusy(app_)) return;
    OptionsDialog dialog(app_, this);
    const std::optional<OptionsChoice> choice = dialog.Ask();
    if (choice) {
        ApplyOptionsChoice(app_, *choice);
        ApplyColourScheme();
        boardView_->Relayout();
    }
    BoardTakesFocus();
}

void MainWindow::onSaveOptions() {
    SaveSettingsCommand(app_);
}

void MainWindow::onClearAllBars() {
    if (ClearAllBarsCommand(app_)) boardView_->Redraw();
    BoardTakesFocus();
}

void MainWindow::onReset() {
    if (ResetCommand(app_)) {
        ShowLabels();
        boardView_->FitAndRedraw();
    }
    BoardTakesFocus();
}

void MainWindow::ShowCancelActive(bool active) {
    cancelButton_->setProperty("active", active);
    cancelButton_->style()->unpolish(cancelButton_);
    cancelButton_->style()->polish(cancelButton_);
}

template <typename Solve>
void MainWindow::RunSolve(Solve&& solve) {
    ShowCancelActive(true);
    const AutoSolveOutcome outcome = solve();
    ShowCancelActive(false);
    if (outcome.end == AutoSolveEnd::Refused) return;
    ShowLabels();
    boardView_->Redraw();
    // Where the loop could change without breaking a clue, the cells show in the error colour.
    boardView_->Paint([&](BoardPainter& painter) {
        for (const int k : outcome.ambiguousCells)
            painter.PaintCell(app_.grid, app_.grid.CellRow[k], app_.grid.CellCol[k], kLightRed);
    });
    SyncBoardState();
    BoardTakesFocus();
}

void MainWindow::onAutoSolveEntry() {
    if (app_.pendingPattern) return onCreateOnPattern();
    RunSolve([this] { return AutoSolveCommand(app_); });
}

void MainWindow::onAutoSolveButton() {
    if (app_.pendingPattern) return onCreateOnPattern();
    RunSolve([this] { return TimedAutoSolve(app_); });
}

void MainWindow::RunCreate(CreateKind kind) {
    if (RefuseWhileBusy(app_)) return;
    const CreateRequest request{kind, sizeField_->text().toStdString(), levelCaption_};
    if (kind == CreateKind::Only03) levelLabel_->setText("03Only");
    ShowCancelActive(true);
    const CreateEnd end = CreateNew(app_, request);
    ShowCancelActive(false);
    if (end == CreateEnd::Created || end == CreateEnd::Cancelled || end == CreateEnd::NotSaved) {
        ShowLabels();
        boardView_->FitAndRedraw();
        SyncBoardState();
    }
    BoardTakesFocus();
}

void MainWindow::onSinglePuzzle() {
    RunCreate(CreateKind::Normal);
}

// The right button makes a puzzle of 0s and 3s; any other, like the menu entry, a normal one.
void MainWindow::onNewPuzzle(Qt::MouseButton button) {
    RunCreate(button == Qt::RightButton ? CreateKind::Only03 : CreateKind::Normal);
}

// The running solve notices the request at its next yield and ends; it stays busy until then, so
// no other command can start on the grid it is still working on.
void MainWindow::onCancel() {
    app_.runState.cancelRequested = true;
}

void MainWindow::onVerifyPressed() {
    if (!VerifyPressed(app_)) {
        verifyButton_->Forget();
        return;
    }
    boardView_->surface()->update();
    SyncBoardState();
}

void MainWindow::onVerifyReleased() {
    VerifyReleased(app_);
    boardView_->surface()->update();
    SyncBoardState();
    BoardTakesFocus();
}

void MainWindow::onUndo(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        onReset();
        return;
    }
    boardView_->Paint([this](BoardPainter& painter) { UndoCommand(app_, painter); });
    BoardTakesFocus();
}

void MainWindow::onHint(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        boardView_->Paint([this](BoardPainter& painter) { ApplyHintCommand(app_, painter); });
        SyncBoardState();
    } else if (ShowHintCommand(app_)) {
        boardView_->surface()->update();
    }
    BoardTakesFocus();
}

void MainWindow::onRedo() {
    boardView_->Paint([this](BoardPainter& painter) { RedoCommand(app_, painter); });
    BoardTakesFocus();
}

void MainWindow::onZoom(ZoomStep step) {
    boardView_->Zoom(step);
}

void MainWindow::onShowSolutionPressed() {
    bool shown = true;
    boardView_->Paint(
        [&](BoardPainter& painter) { shown = ShowSolutionBarsCommand(app_, painter); });
    if (!shown && app_.runState.busy) showSolutionButton_->Forget();
}

void MainWindow::onShowLoopPressed(Qt::MouseButton button) {
    bool shown = true;
    boardView_->Paint([&](BoardPainter& painter) {
        shown = ShowSolutionLoopCommand(app_, painter, button == Qt::RightButton);
    });
    if (!shown && app_.runState.busy) showLoopButton_->Forget();
}

void MainWindow::onViewReleased() {
    boardView_->Paint([this](BoardPainter& painter) { HideSolutionCommand(app_, painter); });
    BoardTakesFocus();
}

void MainWindow::onAutofillClicked() {
    ToggleAutofill(app_.settings, app_.play);
    SyncBoardState();
}

void MainWindow::onLevelClicked() {
    levelCaption_ = NextLevelName(levelCaption_);
    levelLabel_->setText(QString::fromStdString(levelCaption_));
}

void MainWindow::onAutofillTimer() {
    boardView_->RunAutofillTick();
}

void MainWindow::onErrorMarkerTimer() {
    HideErrorMarker(app_.play);
    boardView_->surface()->update();
    SyncBoardState();
}

}  // namespace ringlace
