// The main window's batch and jumbo creation: their dialogs, then the commands with the cancel
// button active.
#include "commands/create_batch_command.h"
#include "commands/create_jumbo_command.h"
#include "commands/run_scope.h"
#include "ui/batch_dialog.h"
#include "ui/jumbo_dialog.h"
#include "ui/main_window.h"

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

}  // namespace ringlace
