// The grid of the number values editor and of the loop editor: clues typed with the mouse and
// keys, or bars drawn along the cell sides with clicks and drags; each with the mirror option.
#pragma once

#include <QWidget>
#include <optional>

#include "model/grid.h"

namespace ringlace {

class EditorGrid : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Clues, Loop };

    EditorGrid(Mode mode, QWidget* parent = nullptr);

    const Grid& grid() const { return grid_; }
    // Shows a grid (its size too) without telling of a change.
    void SetGrid(const Grid& grid);
    void SetMirror(bool on) { mirror_ = on; }
    void SetShowBars(bool on);
    // The clue a right click places.
    void SetStartClue(ClueValue clue) { startClue_ = clue; }

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Dot {
        int i;  // 0..Rows
        int j;  // 0..Cols
        bool operator==(const Dot&) const = default;
    };
    int CellSide() const;
    QPoint Corner(int i, int j) const;
    void PutClue(ClueValue clue);
    void MoveSelection(int dr, int dc);
    // The side nearest the point, when it is near enough to one.
    void ToggleSideAt(QPointF point);
    std::optional<Dot> DotNear(QPointF point) const;
    void JoinDots(Dot from, Dot to);

    Mode mode_;
    Grid grid_;
    bool mirror_ = false;
    bool showBars_ = true;
    ClueValue startClue_ = 0;
    int selectedRow_ = 1;
    int selectedCol_ = 1;
    std::optional<Dot> dragFrom_;
};

}  // namespace ringlace
