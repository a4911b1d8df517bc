#include "ui/loop_editor_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "commands/editor_commands.h"
#include "seams/host.h"
#include "ui/dialog_parts.h"

namespace ringlace {

namespace {

// The loop editor shows bars only.
Grid WithoutClues(Grid grid) {
    for (int k = 1; k <= grid.NumCells; ++k) grid.Clue[k] = grid.OrigClue[k] = kNoClue;
    return grid;
}

}  // namespace

LoopEditorDialog::LoopEditorDialog(Host& host, const Grid& start, QWidget* parent)
    : GridEditorDialog(
          host, EditorGrid::Mode::Loop, WithoutClues(start),
          {"Current links will be cleared, proceed?", "Current pattern will be cleared, proceed?",
           "You have changed the Numbers pattern"},
          parent) {
    setObjectName("loopEditorDialog");
    setWindowTitle("Edit Loop");
    auto* apply = new QPushButton("Create a puzzle using specified link", this);
    apply->setObjectName("editorApplyButton");
    connect(apply, &QPushButton::clicked, this, &LoopEditorDialog::Apply);
    QPushButton* exit = ExitButton(this);
    controls_->addStretch();
    controls_->addWidget(apply);
    controls_->addWidget(exit);
}

std::optional<Grid> LoopEditorDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return grid();
}

void LoopEditorDialog::Apply() {
    if (const std::optional<Message> wrong = CheckDrawnLoop(grid())) {
        host_.Ask(*wrong);
        return;
    }
    AcceptEdits();
}

}  // namespace ringlace
