#include "ui/pattern_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "commands/editor_edits.h"

namespace ringlace {

namespace {

constexpr int kLargestCell = 22;
constexpr int kGridArea = 25 * 16;  // pixels across that any grid of the board's sizes fits

}  // namespace

PatternGrid::PatternGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("patternGrid");
    pattern_.rows = pattern_.cols = 10;
    setCursor(Qt::PointingHandCursor);
}

void PatternGrid::SetPattern(const Pattern& pattern) {
    pattern_ = pattern;
    updateGeometry();
    update();
}

QString PatternGrid::OpenText() const {
    const int cells = pattern_.rows * pattern_.cols;
    const int clues = pattern_.Clues();
    if (clues == 0) return "Open = all";
    return QString("Open = %1%").arg(100 * (cells - clues) / cells);
}

int PatternGrid::CellSide() const {
    return std::min(kLargestCell, kGridArea / std::max(pattern_.rows, pattern_.cols));
}

QSize PatternGrid::sizeHint() const {
    return {pattern_.cols * CellSide() + 1, pattern_.rows * CellSide() + 1};
}

void PatternGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int side = CellSide();
    painter.setPen(QColor(120, 120, 120));
    for (int r = 1; r <= pattern_.rows; ++r) {
        for (int c = 1; c <= pattern_.cols; ++c) {
            const QRect cell((c - 1) * side, (r - 1) * side, side, side);
            painter.setBrush(pattern_.mask[r][c] == 1 ? QColor(40, 95, 170) : QColor(Qt::white));
            painter.drawRect(cell);
        }
    }
}

void PatternGrid::mousePressEvent(QMouseEvent* event) {
    const int side = CellSide();
    const int r = static_cast<int>(event->position().y()) / side + 1;
    const int c = static_cast<int>(event->position().x()) / side + 1;
    if (r < 1 || r > pattern_.rows || c < 1 || c > pattern_.cols) return;
    ToggleClueCell(pattern_, r, c, mirror_);
    update();
    emit changed();
}

}  // namespace ringlace
