#include "ui/pattern_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/pattern_commands.h"
#include "model/text.h"
#include "model/text_file.h"
#include "seams/host.h"
#include "ui/pattern_grid.h"

namespace ringlace {

PatternPanel::PatternPanel(Host& host, QWidget* parent) : QWidget(parent), host_(host) {
    grid_ = new PatternGrid(this);
    open_ = new QLabel(this);
    open_->setObjectName("patternOpenLabel");
    connect(grid_, &PatternGrid::changed, this, [this] {
        ShowOpenShare();
        emit edited();
    });
    auto* load = new QPushButton("Load pattern file", this);
    load->setObjectName("loadPatternButton");
    connect(load, &QPushButton::clicked, this, &PatternPanel::LoadFile);
    auto* previous = new QPushButton("<", this);
    auto* next = new QPushButton(">", this);
    previous->setObjectName("previousPatternButton");
    next->setObjectName("nextPatternButton");
    for (QPushButton* arrow : {previous, next}) arrow->setFixedWidth(32);
    connect(previous, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(next, &QPushButton::clicked, this, [this] { Step(1); });
    place_ = new QLabel(this);
    place_->setObjectName("patternPlaceLabel");

    tools_ = new QHBoxLayout;
    tools_->addWidget(open_);
    tools_->addStretch();
    auto* files = new QHBoxLayout;
    files->addWidget(load);
    files->addWidget(previous);
    files->addWidget(next);
    files->addWidget(place_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 0, Qt::AlignCenter);
    layout->addLayout(tools_);
    layout->addLayout(files);
    layout->addStretch();
    ShowOpenShare();
}

const Pattern& PatternPanel::pattern() const {
    return grid_->pattern();
}

void PatternPanel::SetPattern(const Pattern& pattern) {
    grid_->SetPattern(pattern);
    ShowOpenShare();
}

void PatternPanel::SetMirror(bool on) {
    grid_->SetMirror(on);
}

void PatternPanel::ShowOpenShare() {
    open_->setText(grid_->OpenText());
}

void PatternPanel::LoadFile() {
    const std::string file =
        host_.GetFileName({"Select a Pattern file", "*.rlc;*.txt", "Ringlace Pattern File",
                           "Select a pattern file", "OPEN", FolderPart(file_)});
    if (file.empty()) return;
    file_ = file;
    count_ = CountLines(file);
    number_ = 0;
    Step(1);
}

void PatternPanel::Reread() {
    count_ = CountLines(file_);
    const int at = std::min(number_, count_);
    number_ = at - 1;
    Step(1);
}

// Shows pattern n + step of the file; a line that is no pattern is reported and not shown.
void PatternPanel::Step(int step) {
    if (file_.empty() || count_ < 1) return;
    const int number = std::clamp(number_ + step, 1, count_);
    const std::optional<Pattern> pattern = ReadPatternOf(host_, file_, number);
    if (!pattern) return;
    number_ = number;
    SetPattern(*pattern);
    place_->setText(
        QString::fromStdString("Pat#" + StrNumber(number_) + " of" + StrNumber(count_)));
    emit loaded();
}

}  // namespace ringlace
