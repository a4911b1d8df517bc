// The main window's batch and jumbo creation and its puzzle editors: their dialogs, then the
// commands, with the cancel button active while they create.
#include "commands/create_batch_command.h"
#include "commands/create_jumbo_command.h"
#include "commands/editor_commands.h"
#include "commands/pattern_commands.h"
#include "commands/run_scope.h"
#include "ui/batch_dialog.h"
#include "ui/board_view.h"
#include "ui/clue_editor_dialog.h"
#include "ui/jumbo_dialog.h"
#include "ui/loop_editor_dialog.h"
#include "ui/main_window.h"
#include "ui/pattern_editor_dialog.h"

namespace ringlace {

void MainWindow::onCreateBatch() {
    if (RefuseWhileBusy(app_)) return;
    BatchDialog dialog(host_, app_.paths.InData(kScratchPuzzleFile), this);
    if (const std::optional<BatchRequest> request = dialog.Ask()) {
        ShowCancelActive(true);
        const BatchOutcome outcome = CreateBatch(app_, *request);
        ShowCancelActive(false);
        AfterLoading(outcome.end != BatchEnd::Refused && outcome.end != BatchEnd::NotConfirmed);
        return;
    }
    BoardTakesFocus();
}

void MainWindow::onCreateJumbo() {
    if (RefuseWhileBusy(app_)) return;
    JumboDialog dialog(host_, app_.paths.InData(kJumboFile), this);
    if (const std::optional<JumboRequest> request = dialog.Ask()) {
        ShowCancelActive(true);
        CreateJumboCommand(app_, *request);
        ShowCancelActive(false);
    }
    BoardTakesFocus();
}

void MainWindow::onEditNumbers() {
    if (RefuseGridCommand(app_)) return;
    ClueEditorDialog editor(
        host_, EditorStart(app_), [this](const ClueGrid& clues) { SaveTypedClues(app_, clues); },
        this);
    const std::optional<ClueGrid> clues = editor.Ask();
    AfterLoading(clues && ApplyTypedClues(app_, *clues));
}

void MainWindow::onEditPattern() {
    if (RefuseGridCommand(app_)) return;
    PatternEditorDialog editor(app_, this);
    if (const std::optional<Pattern> pattern = editor.Ask()) {
        ApplyPatternToBoard(app_, *pattern);
        ShowLabels();
        boardView_->FitAndRedraw();
    }
    BoardTakesFocus();
}

void MainWindow::onCreateOnPattern() {
    ShowCancelActive(true);
    const CreateEnd end = CreateOnPendingPattern(app_);
    ShowCancelActive(false);
    AfterLoading(end == CreateEnd::Created || end == CreateEnd::NotSaved);
}

void MainWindow::onEditLoop() {
    if (RefuseGridCommand(app_)) return;
    LoopEditorDialog editor(host_, EditorStart(app_), this);
    if (const std::optional<Grid> drawn = editor.Ask()) {
        ShowCancelActive(true);
        const CreateEnd end = CreateFromDrawnLoop(app_, *drawn);
        ShowCancelActive(false);
        AfterLoading(end == CreateEnd::Created || end == CreateEnd::Cancelled ||
                     end == CreateEnd::Failed);
        return;
    }
    BoardTakesFocus();
}

}  // namespace ringlace
