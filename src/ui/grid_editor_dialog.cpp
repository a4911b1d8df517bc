#include "ui/grid_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "create/loop_growth.h"
#include "model/text.h"
#include "seams/host.h"
#include "ui/dialog_parts.h"

namespace ringlace {

GridEditorDialog::GridEditorDialog(Host& host, EditorGrid::Mode mode, const Grid& start,
                                   Questions questions, QWidget* parent)
    : QDialog(parent), host_(host), questions_(questions) {
    editor_ = new EditorGrid(mode, this);
    editor_->SetGrid(start);
    connect(editor_, &EditorGrid::changed, this, [this] { changed_ = true; });

    const Grid limits;
    rows_ = SizeList(this, "editorRowsList", limits.MaxRows, start.Rows);
    cols_ = SizeList(this, "editorColumnsList", limits.MaxCols, start.Cols);
    auto* redraw = new QPushButton("Redraw grid with new size", this);
    redraw->setObjectName("editorRedrawButton");
    connect(redraw, &QPushButton::clicked, this, &GridEditorDialog::Redraw);
    auto* clear = new QPushButton("Clear", this);
    clear->setObjectName("editorClearButton");
    connect(clear, &QPushButton::clicked, this, &GridEditorDialog::Clear);
    auto* mirrorFrame = new QGroupBox("Mirror", this);
    mirror_ = new QCheckBox("Mirror cells", mirrorFrame);
    mirror_->setObjectName("editorMirrorBox");
    mirror_->setToolTip("Set/clear mirror cells");
    connect(mirror_, &QCheckBox::toggled, editor_, &EditorGrid::SetMirror);
    (new QVBoxLayout(mirrorFrame))->addWidget(mirror_);

    auto* size = new QFormLayout;
    size->addRow("Rows", rows_);
    size->addRow("Columns", cols_);
    controls_ = new QVBoxLayout;
    controls_->addLayout(size);
    controls_->addWidget(redraw);
    controls_->addWidget(clear);
    controls_->addWidget(mirrorFrame);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(editor_, 1);
    layout->addLayout(controls_);
}

void GridEditorDialog::ShowFresh(int rows, int cols) {
    Grid fresh;
    SetCreateSize(fresh, rows, cols);
    ResetGridForCreate(fresh);
    editor_->SetGrid(fresh);
    adjustSize();
}

void GridEditorDialog::Redraw() {
    if (!Confirmed(host_, questions_.redraw)) return;
    ShowFresh(rows_->currentText().toInt(), cols_->currentText().toInt());
    changed_ = true;
}

void GridEditorDialog::Clear() {
    if (!Confirmed(host_, questions_.clear)) return;
    ShowFresh(editor_->grid().Rows, editor_->grid().Cols);
    changed_ = true;
}

void GridEditorDialog::reject() {
    if (changed_ && !Confirmed(host_, std::string(questions_.exitFirstLine) + std::string(kCrLf) +
                                          "Exit without saving?"))
        return;
    QDialog::reject();
}

}  // namespace ringlace
