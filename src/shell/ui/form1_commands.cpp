// The main window's commands: what its menus, buttons, labels and timers start.
#include <QTimer>

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
