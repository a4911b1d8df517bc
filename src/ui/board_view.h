// The board on the main window: the frame boardView() and, inside it, the board picture surface(),
// drawn by the core's board painter onto an image at the screen's real resolution, with the
// markers painted above it. Pointer and keys on the board go to the core's entry logic; the left
// button drags the board inside its frame.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "commands/app.h"
#include "play/board_drawing.h"
#include "play/board_layout.h"
#include "play/entry.h"
#include "ui/qt_canvas.h"

class QMenu;

namespace ringlace {

class BoardView;

class BoardSurface : public QWidget {
    Q_OBJECT
public:
    BoardSurface(BoardView& view, const App& app);
    QImage& Image() { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    BoardView& view_;
    const App& app_;
    QImage image_;
    QPoint dragOrigin_;
    bool dragging_ = false;
};

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(App& app, QWidget* parent);

    // Sizes the cells to the frame, then redraws (after a new puzzle is set up).
    void FitAndRedraw();
    // Lays the board out again for the current cell size and font (the font may have changed).
    void Relayout();
    // Redraws the whole board from the model.
    void Redraw();
    // Draws onto the board with the core's painter, then shows the result.
    template <typename Draw>
    void Paint(Draw&& draw) {
        {
            QtCanvas canvas(surface_->Image(), DevicePixelsPerInch());
            BoardPainter painter(canvas, app_.geometry, app_.settings, app_.scheme);
            draw(painter);
        }
        surface_->update();
    }
    void Zoom(ZoomStep step);
    // The autofill timer: the autofill pass and the check of the entries.
    void RunAutofillTick();

    BoardSurface* surface() const { return surface_; }
    QMenu* PopupMenu() const { return popupMenu_; }

    double TwipsPerPixel() const;
    // Board twips for a position on the board picture, and back.
    QPointF ToTwips(const QPointF& pixels) const;
    QPointF ToPixels(const QPointF& twips) const;

    // What the board picture reports.
    void PointerMoved(const QPointF& position);
    void RightReleased(const QPointF& position, const QPoint& globalPosition);
    void CharacterTyped(char key);
    void KeyReleased(int qtKey);
    void Dragged(const QPoint& topLeft);

signals:
    // An entry or another board event changed what the window shows beside the board (the
    // timers to run, the check light).
    void boardChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    double DevicePixelsPerInch() const;
    void PlaceBoard();
    void BuildPopupMenu();
    void Popup(PopupEntry entry, std::optional<Side> side = std::nullopt);
    // Runs an entry of the core with the board's painter, then shows the result.
    template <typename Act>
    void Enter(Act&& act);

    App& app_;
    BoardSurface* surface_;
    QMenu* popupMenu_ = nullptr;
};

}  // namespace ringlace
