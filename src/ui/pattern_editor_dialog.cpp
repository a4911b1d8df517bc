#include "ui/pattern_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/pattern_commands.h"
#include "model/text.h"
#include "ui/dialog_parts.h"
#include "ui/pattern_panel.h"

namespace ringlace {

namespace {

const std::string kLineEnd(kCrLf);

QPushButton* Button(QWidget* parent, const char* caption, const char* name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

PatternEditorDialog::PatternEditorDialog(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("patternEditorDialog");
    setWindowTitle("Edit Numbers Locations");
    panel_ = new PatternPanel(app.host, this);
    const Grid& shown = app.grid;
    Pattern start{shown.Rows, shown.Cols};
    for (int r = 1; r <= shown.Rows; ++r)
        for (int c = 1; c <= shown.Cols; ++c)
            start.mask[r][c] = shown.Clue[shown.CellNum[r][c]] != kNoClue ? 1 : 0;
    panel_->SetPattern(app.pendingPattern.value_or(start));
    connect(panel_, &PatternPanel::edited, this, [this] { changed_ = true; });
    connect(panel_, &PatternPanel::loaded, this, [this] {
        rows_->setCurrentText(QString::number(panel_->pattern().rows));
        cols_->setCurrentText(QString::number(panel_->pattern().cols));
    });

    rows_ = SizeList(this, "editorRowsList", shown.MaxRows, panel_->pattern().rows);
    cols_ = SizeList(this, "editorColumnsList", shown.MaxCols, panel_->pattern().cols);
    auto* redraw = Button(this, "Redraw grid with new size", "editorRedrawButton");
    connect(redraw, &QPushButton::clicked, this,
            [this] { Redraw(rows_->currentText().toInt(), cols_->currentText().toInt()); });
    auto* clear = Button(this, "Clear pattern", "editorClearButton");
    connect(clear, &QPushButton::clicked, this,
            [this] { Redraw(panel_->pattern().rows, panel_->pattern().cols); });
    auto* mirrorFrame = new QGroupBox("Mirror", this);
    auto* mirror = new QCheckBox("Mirror cells", mirrorFrame);
    mirror->setObjectName("editorMirrorBox");
    mirror->setToolTip("Set/clear mirror cells");
    connect(mirror, &QCheckBox::toggled, panel_, &PatternPanel::SetMirror);
    (new QVBoxLayout(mirrorFrame))->addWidget(mirror);
    auto* save = Button(this, "Save pattern to a file", "editorSaveButton");
    connect(save, &QPushButton::clicked, this,
            [this] { SavePatternToFile(app_, panel_->pattern()); });
    auto* remove = Button(this, "Delete pattern", "editorDeleteButton");
    connect(remove, &QPushButton::clicked, this, &PatternEditorDialog::Delete);
    auto* apply = Button(this, "Apply current pattern and exit", "editorApplyButton");
    connect(apply, &QPushButton::clicked, this, &PatternEditorDialog::Apply);
    QPushButton* exit = ExitButton(this);
    auto* help = new QLabel(
        "Click a cell to fix a number there.\nHave 50% or more locations fixed: a puzzle\n"
        "with many open cells will be difficult\nor have several solutions.",
        this);

    auto* size = new QFormLayout;
    size->addRow("Rows", rows_);
    size->addRow("Columns", cols_);
    auto* controls = new QVBoxLayout;
    controls->addLayout(size);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{redraw, clear, mirrorFrame, save, remove, help})
        controls->addWidget(widget);
    controls->addStretch();
    controls->addWidget(apply);
    controls->addWidget(exit);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel_, 1);
    layout->addLayout(controls);
}

std::optional<Pattern> PatternEditorDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return panel_->pattern();
}

void PatternEditorDialog::Redraw(int rows, int cols) {
    if (!Confirmed(app_.host, "Current pattern will be cleared, proceed?")) return;
    panel_->SetPattern({rows, cols});
    changed_ = true;
}

void PatternEditorDialog::Delete() {
    if (panel_->file().empty()) return;
    if (DeletePatternFromFile(app_, panel_->file(), panel_->number())) panel_->Reread();
}

void PatternEditorDialog::Apply() {
    if (const std::optional<Message> wrong = CheckPattern(panel_->pattern())) {
        app_.host.Ask(*wrong);
        return;
    }
    QDialog::accept();
}

void PatternEditorDialog::reject() {
    if (changed_ && !Confirmed(app_.host, "You have changed the Numbers pattern" + kLineEnd +
                                              "Exit without saving?"))
        return;
    QDialog::reject();
}

}  // namespace ringlace
