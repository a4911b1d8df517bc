// The puzzle browser in place of the board: a page of nine puzzle pictures drawn by the core,
// scaled to fit the widget, with a scroll bar through the whole file. A left click on a picture
// asks for that puzzle; a right click asks to go back to the board.
#pragma once

#include <QWidget>
#include <vector>

#include "commands/app.h"
#include "model/clue_grid.h"

class QScrollBar;

namespace ringlace {

class BrowserView : public QWidget {
    Q_OBJECT
public:
    BrowserView(const App& app, QWidget* parent);

    // Reads the current puzzle file and turns to the page that holds the current puzzle.
    void ReadFile();

    QScrollBar* scrollBar() const { return scrollBar_; }
    // The puzzle shown first on the page (0-based).
    int FirstShown() const;
    // Widget pixels for a point of the page in twips.
    QPointF ToPixels(const QPointF& twips) const;

signals:
    void puzzleChosen(int number);
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Where the page lies in the widget: as large as fits beside the scroll bar, centred.
    QRectF PageRect() const;

    const App& app_;
    std::vector<ClueGrid> entries_;
    QScrollBar* scrollBar_;
};

}  // namespace ringlace
