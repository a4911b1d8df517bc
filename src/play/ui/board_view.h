// The board on the main window: the frame Picture5 and, inside it, the board picture Picture1,
// drawn by the core's board painter onto an image at the screen's real resolution. The board can
// be dragged inside its frame with the left mouse button.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "shell/app.h"

namespace ringlace {

class BoardPicture : public QWidget {
    Q_OBJECT
public:
    explicit BoardPicture(QWidget* parent);
    QImage& Image() { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QPoint dragOrigin_;
};

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(App& app, QWidget* parent);

    // Sizes the cells to the frame, then redraws (after a new puzzle is set up).
    void FitAndRedraw();
    // Redraws the whole board from the model.
    void Redraw();
    BoardPicture* Picture1() const { return picture1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    double TwipsPerPixel() const;
    double DevicePixelsPerInch() const;
    void PlaceBoard();

    App& app_;
    BoardPicture* picture1_;
};

}  // namespace ringlace
