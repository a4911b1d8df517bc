#include "ui/editor_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "commands/editor_edits.h"

namespace ringlace {

namespace {

constexpr int kMargin = 12;
constexpr int kLargestCell = 36;
constexpr int kGridArea = 25 * 22;  // pixels across that any grid of the board's sizes fits

}  // namespace

EditorGrid::EditorGrid(Mode mode, QWidget* parent) : QWidget(parent), mode_(mode) {
    setObjectName(mode == Mode::Clues ? "clueEditorGrid" : "loopEditorGrid");
    setFocusPolicy(Qt::StrongFocus);
}

void EditorGrid::SetGrid(const Grid& grid) {
    grid_ = grid;
    selectedRow_ = std::clamp(selectedRow_, 1, grid_.Rows);
    selectedCol_ = std::clamp(selectedCol_, 1, grid_.Cols);
    updateGeometry();
    update();
}

void EditorGrid::SetShowBars(bool on) {
    showBars_ = on;
    update();
}

int EditorGrid::CellSide() const {
    return std::min(kLargestCell, kGridArea / std::max({grid_.Rows, grid_.Cols, 1}));
}

QSize EditorGrid::sizeHint() const {
    return {grid_.Cols * CellSide() + 2 * kMargin, grid_.Rows * CellSide() + 2 * kMargin};
}

QPoint EditorGrid::Corner(int i, int j) const {
    return {kMargin + j * CellSide(), kMargin + i * CellSide()};
}

void EditorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int side = CellSide();
    if (mode_ == Mode::Clues && hasFocus())
        painter.fillRect(QRect(Corner(selectedRow_ - 1, selectedCol_ - 1), QSize(side, side)),
                         QColor(255, 236, 150));
    painter.setPen(QColor(190, 190, 190));
    for (int i = 0; i <= grid_.Rows; ++i) painter.drawLine(Corner(i, 0), Corner(i, grid_.Cols));
    for (int j = 0; j <= grid_.Cols; ++j) painter.drawLine(Corner(0, j), Corner(grid_.Rows, j));
    QFont font = painter.font();
    font.setPixelSize(side * 6 / 10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int r = 1; r <= grid_.Rows; ++r) {
        for (int c = 1; c <= grid_.Cols; ++c) {
            const ClueValue clue = grid_.Clue[grid_.CellNum[r][c]];
            if (clue != kNoClue)
                painter.drawText(QRect(Corner(r - 1, c - 1), QSize(side, side)), Qt::AlignCenter,
                                 QString::number(clue));
        }
    }
    if (showBars_) {
        painter.setPen(
            QPen(QColor(40, 95, 170), std::max(2, side / 8), Qt::SolidLine, Qt::RoundCap));
        for (int r = 1; r <= grid_.Rows; ++r) {
            for (int c = 1; c <= grid_.Cols; ++c) {
                const auto& sides = grid_.CellEdge[r][c];
                if (sides[Side::Top] == Bar)
                    painter.drawLine(Corner(r - 1, c - 1), Corner(r - 1, c));
                if (sides[Side::Left] == Bar)
                    painter.drawLine(Corner(r - 1, c - 1), Corner(r, c - 1));
                if (r == grid_.Rows && sides[Side::Bottom] == Bar)
                    painter.drawLine(Corner(r, c - 1), Corner(r, c));
                if (c == grid_.Cols && sides[Side::Right] == Bar)
                    painter.drawLine(Corner(r - 1, c), Corner(r, c));
            }
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int i = 0; i <= grid_.Rows; ++i)
        for (int j = 0; j <= grid_.Cols; ++j) painter.drawEllipse(Corner(i, j), 2, 2);
}

void EditorGrid::mousePressEvent(QMouseEvent* event) {
    setFocus();
    const QPointF point = event->position();
    if (mode_ == Mode::Loop) {
        ToggleSideAt(point);
        dragFrom_ = DotNear(point);
        return;
    }
    const int side = CellSide();
    const int r = static_cast<int>(std::floor((point.y() - kMargin) / side)) + 1;
    const int c = static_cast<int>(std::floor((point.x() - kMargin) / side)) + 1;
    if (r < 1 || r > grid_.Rows || c < 1 || c > grid_.Cols) return;
    selectedRow_ = r;
    selectedCol_ = c;
    const ClueValue clue =
        event->button() == Qt::RightButton ? startClue_ : NextClue(grid_.Clue[grid_.CellNum[r][c]]);
    PutClue(clue);
}

// A drag draws bars along the path: each dot reached next to the last one joins it.
void EditorGrid::mouseMoveEvent(QMouseEvent* event) {
    if (mode_ != Mode::Loop || !dragFrom_ || !(event->buttons() & Qt::LeftButton)) return;
    const std::optional<Dot> dot = DotNear(event->position());
    if (!dot || *dot == *dragFrom_) return;
    if (std::abs(dot->i - dragFrom_->i) + std::abs(dot->j - dragFrom_->j) == 1)
        JoinDots(*dragFrom_, *dot);
    dragFrom_ = dot;
}

void EditorGrid::keyPressEvent(QKeyEvent* event) {
    if (mode_ != Mode::Clues) return QWidget::keyPressEvent(event);
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_3)
        PutClue(static_cast<ClueValue>(key - Qt::Key_0));
    else if (key == Qt::Key_Escape || key == Qt::Key_Delete)
        PutClue(kNoClue);
    else if (key == Qt::Key_Left)
        MoveSelection(0, -1);
    else if (key == Qt::Key_Right || key == Qt::Key_Space)
        MoveSelection(0, 1);
    else if (key == Qt::Key_Up)
        MoveSelection(-1, 0);
    else if (key == Qt::Key_Down)
        MoveSelection(1, 0);
    else
        QWidget::keyPressEvent(event);
}

void EditorGrid::PutClue(ClueValue clue) {
    SetClue(grid_, selectedRow_, selectedCol_, clue, mirror_);
    update();
    emit changed();
}

// Moves within the grid; the space bar and the right arrow go on to the next row at a row's end.
void EditorGrid::MoveSelection(int dr, int dc) {
    int k = (selectedRow_ - 1) * grid_.Cols + (selectedCol_ - 1);
    if (dc != 0) {
        k = std::clamp(k + dc, 0, grid_.Rows * grid_.Cols - 1);
        selectedRow_ = k / grid_.Cols + 1;
        selectedCol_ = k % grid_.Cols + 1;
    } else {
        selectedRow_ = std::clamp(selectedRow_ + dr, 1, grid_.Rows);
    }
    update();
}

void EditorGrid::ToggleSideAt(QPointF point) {
    const double side = CellSide();
    const double x = (point.x() - kMargin) / side;
    const double y = (point.y() - kMargin) / side;
    const int r = std::clamp(static_cast<int>(std::floor(y)) + 1, 1, grid_.Rows);
    const int c = std::clamp(static_cast<int>(std::floor(x)) + 1, 1, grid_.Cols);
    const double fx = x - (c - 1);
    const double fy = y - (r - 1);
    const std::pair<double, Side> distances[] = {
        {fx, Side::Left}, {1 - fx, Side::Right}, {fy, Side::Top}, {1 - fy, Side::Bottom}};
    const auto nearest = *std::min_element(std::begin(distances), std::end(distances));
    if (nearest.first > 0.3) return;
    const EdgeState now = grid_.CellEdge[r][c][nearest.second];
    SetSide(grid_, r, c, nearest.second, now == Bar ? Free : Bar, mirror_);
    update();
    emit changed();
}

std::optional<EditorGrid::Dot> EditorGrid::DotNear(QPointF point) const {
    const double side = CellSide();
    const int i = static_cast<int>(std::lround((point.y() - kMargin) / side));
    const int j = static_cast<int>(std::lround((point.x() - kMargin) / side));
    if (i < 0 || i > grid_.Rows || j < 0 || j > grid_.Cols) return std::nullopt;
    const QPoint corner = Corner(i, j);
    if (std::hypot(point.x() - corner.x(), point.y() - corner.y()) > side / 3.0)
        return std::nullopt;
    return Dot{i, j};
}

// The side between two neighbouring dots, named from the cell below or right of it where there is
// one.
void EditorGrid::JoinDots(Dot from, Dot to) {
    if (from.i == to.i) {
        const int j = std::max(from.j, to.j);
        if (from.i == 0)
            SetSide(grid_, 1, j, Side::Top, Bar, mirror_);
        else
            SetSide(grid_, from.i, j, Side::Bottom, Bar, mirror_);
    } else {
        const int i = std::max(from.i, to.i);
        if (from.j == 0)
            SetSide(grid_, i, 1, Side::Left, Bar, mirror_);
        else
            SetSide(grid_, i, from.j, Side::Right, Bar, mirror_);
    }
    update();
    emit changed();
}

}  // namespace ringlace
