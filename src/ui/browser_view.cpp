#include "ui/browser_view.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "play/browser_page.h"
#include "ui/qt_canvas.h"

namespace ringlace {

BrowserView::BrowserView(const App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("browserView");
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName("browserScrollBar");
    // The bar counts rows of three pictures rather than puzzles: a step of one row keeps every
    // puzzle in its column as the pictures move, and a page step turns to the next nine.
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(kBrowserRows);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(scrollBar_);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this] { update(); });
}

void BrowserView::ReadFile() {
    // Reading is the slow part with thousands of puzzles; the page itself draws nine.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    entries_ = ReadBrowserEntries(app_.place.file, app_.grid.MaxRows, app_.grid.MaxCols);
    QApplication::restoreOverrideCursor();
    const int rows = (static_cast<int>(entries_.size()) + kBrowserColumns - 1) / kBrowserColumns;
    // The last page is a full one when the file has nine puzzles or more.
    scrollBar_->setRange(0, std::max(rows - kBrowserRows, 0));
    scrollBar_->setValue(std::max(app_.place.number - 1, 0) / kBrowserSlots * kBrowserRows);
    update();
}

int BrowserView::FirstShown() const {
    return scrollBar_->value() * kBrowserColumns;
}

QRectF BrowserView::PageRect() const {
    const QSizeF room(width() - scrollBar_->width(), height());
    const double scale =
        std::min(room.width() / kBrowserPageSize.width, room.height() / kBrowserPageSize.height);
    const QSizeF size(kBrowserPageSize.width * scale, kBrowserPageSize.height * scale);
    return QRectF(QPointF((room.width() - size.width()) / 2, (room.height() - size.height()) / 2),
                  size);
}

QPointF BrowserView::ToPixels(const QPointF& twips) const {
    const QRectF page = PageRect();
    return page.topLeft() + twips * (page.width() / kBrowserPageSize.width);
}

void BrowserView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(app_.scheme[kBoardFrameColour]));
    const QRectF page = PageRect();
    const double ratio = devicePixelRatioF();
    QImage image((page.size() * ratio).toSize(), QImage::Format_RGB32);
    if (image.isNull()) return;
    {
        QtCanvas canvas(image, double(image.width()) / kBrowserPageSize.width * kTwipsPerInch);
        DrawBrowserPage(canvas, entries_, FirstShown(), app_.scheme, app_.settings.FontName,
                        app_.place.number);
    }
    image.setDevicePixelRatio(ratio);
    painter.drawImage(page.topLeft(), image);
}

void BrowserView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit closeRequested();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const QRectF page = PageRect();
    const QPointF twips =
        (event->position() - page.topLeft()) * (kBrowserPageSize.width / page.width());
    const std::optional<int> slot = BrowserSlotAt(static_cast<int>(std::floor(twips.x())),
                                                  static_cast<int>(std::floor(twips.y())));
    if (!slot) return;
    const int number = FirstShown() + *slot + 1;
    if (number <= static_cast<int>(entries_.size())) emit puzzleChosen(number);
}

// The wheel turns the scroll bar, which steps as the platform's wheel settings say.
void BrowserView::wheelEvent(QWheelEvent* event) {
    QApplication::sendEvent(scrollBar_, event);
}

}  // namespace ringlace
