#include "play/ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "play/board_drawing.h"
#include "shell/ui/qt_canvas.h"

namespace ringlace {

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    setFocusPolicy(Qt::StrongFocus);
}

void BoardPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), image_);
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragOrigin_ = event->globalPosition().toPoint() - pos();
    setFocus();
}

void BoardPicture::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragOrigin_);
}

BoardView::BoardView(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("Picture5");
    setAttribute(Qt::WA_StyledBackground);
    picture1_ = new BoardPicture(this);
}

double BoardView::TwipsPerPixel() const { return double(kTwipsPerInch) / logicalDpiX(); }

double BoardView::DevicePixelsPerInch() const { return logicalDpiX() * devicePixelRatioF(); }

void BoardView::FitAndRedraw() {
    BoardGeometry& geometry = app_.geometry;
    geometry.FrameWidth = qRound(width() * TwipsPerPixel());
    geometry.FrameHeight = qRound(height() * TwipsPerPixel());
    QImage measuring(1, 1, QImage::Format_RGB32);
    QtCanvas canvas(measuring, DevicePixelsPerInch());
    FitBoard(geometry, app_.grid, canvas, app_.settings.FontName);
    Redraw();
}

void BoardView::Redraw() {
    const BoardGeometry& geometry = app_.geometry;
    const double dotsPerInch = DevicePixelsPerInch();
    const QSize pixels(qMax(1, qRound(geometry.BoardWidth * dotsPerInch / kTwipsPerInch)),
                       qMax(1, qRound(geometry.BoardHeight * dotsPerInch / kTwipsPerInch)));
    QImage& image = picture1_->Image();
    if (image.size() != pixels) image = QImage(pixels, QImage::Format_RGB32);
    {
        QtCanvas canvas(image, dotsPerInch);
        BoardPainter(canvas, geometry, app_.settings, app_.scheme).RedrawBoard(app_.grid);
    }
    PlaceBoard();
    picture1_->update();
}

void BoardView::PlaceBoard() {
    const BoardGeometry& geometry = app_.geometry;
    const double pixelsPerTwip = 1.0 / TwipsPerPixel();
    picture1_->setGeometry(qRound(geometry.BoardLeft * pixelsPerTwip), qRound(geometry.BoardTop * pixelsPerTwip),
                           qRound(geometry.BoardWidth * pixelsPerTwip),
                           qRound(geometry.BoardHeight * pixelsPerTwip));
}

// A larger or smaller window fits the board to its new frame.
void BoardView::resizeEvent(QResizeEvent*) { FitAndRedraw(); }

}  // namespace ringlace
