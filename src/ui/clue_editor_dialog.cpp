#include "ui/clue_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/editor_commands.h"
#include "seams/host.h"
#include "ui/dialog_parts.h"

namespace ringlace {

ClueEditorDialog::ClueEditorDialog(Host& host, const Grid& start,
                                   std::function<void(const ClueGrid&)> save, QWidget* parent)
    : GridEditorDialog(
          host, EditorGrid::Mode::Clues, start,
          {"Current grid will be erased, proceed ?", "Erase all numbers and bars in the the grid?",
           "You have changed the Numbers"},
          parent) {
    setObjectName("clueEditorDialog");
    setWindowTitle("Edit Number Values");
    auto* startList = new QComboBox(this);
    startList->setObjectName("editorStartList");
    startList->addItems({"0", "1", "2", "3"});
    startList->setToolTip("Number to place when right-clicked on a cell");
    editor_->SetStartClue(0);
    connect(startList, &QComboBox::currentIndexChanged, this,
            [this](int index) { editor_->SetStartClue(static_cast<ClueValue>(index)); });
    auto* bars = new QGroupBox("Bars", this);
    auto* show = new QCheckBox("Show", bars);
    show->setObjectName("editorShowBarsBox");
    show->setChecked(false);
    editor_->SetShowBars(false);
    connect(show, &QCheckBox::toggled, editor_, &EditorGrid::SetShowBars);
    (new QVBoxLayout(bars))->addWidget(show);

    auto* saveButton = new QPushButton("Save", this);
    saveButton->setObjectName("editorSaveButton");
    connect(saveButton, &QPushButton::clicked, this,
            [this, save = std::move(save)] { save(CluesOf(grid())); });
    auto* apply = new QPushButton("Apply", this);
    apply->setObjectName("editorApplyButton");
    connect(apply, &QPushButton::clicked, this, &ClueEditorDialog::Apply);
    QPushButton* exit = ExitButton(this);

    controls_->addWidget(new QLabel("Start", this));
    controls_->addWidget(startList);
    controls_->addWidget(bars);
    controls_->addStretch();
    controls_->addWidget(saveButton);
    controls_->addWidget(apply);
    controls_->addWidget(exit);
}

std::optional<ClueGrid> ClueEditorDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return CluesOf(grid());
}

void ClueEditorDialog::Apply() {
    if (const std::optional<Message> wrong = CheckTypedClues(CluesOf(grid()))) {
        host_.Ask(*wrong);
        return;
    }
    AcceptEdits();
}

}  // namespace ringlace
