#include "ui/qt_canvas.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>

#include "play/colour_scheme.h"

namespace ringlace {

QColor ToQColor(std::int32_t colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

void SetImageResolution(QImage& image, double dotsPerInch) {
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
}

QtCanvas::QtCanvas(QImage& image, double dotsPerInch)
    : device_(image), scale_(dotsPerInch / kTwipsPerInch), fontScale_(1), painter_(&ownPainter_) {
    SetImageResolution(image, dotsPerInch);
}

QtCanvas::QtCanvas(QPainter& painter, double scale)
    : device_(*painter.device()),
      scale_(scale * device_.logicalDpiY() / kTwipsPerInch),
      fontScale_(scale),
      painter_(&painter) {}

QPainter& QtCanvas::Painter() {
    if (!painter_->isActive()) {
        painter_->begin(&device_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
}

QFont QtCanvas::ToQFont(const CanvasFont& font) const {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPointSizeF(std::max(0.5, font.points * fontScale_));
    qfont.setBold(font.bold);
    return qfont;
}

QRectF QtCanvas::Corners(int x1, int y1, int x2, int y2) const {
    return QRectF(QPointF(Pixels(std::min(x1, x2)), Pixels(std::min(y1, y2))),
                  QPointF(Pixels(std::max(x1, x2)), Pixels(std::max(y1, y2))));
}

void QtCanvas::Clear(std::int32_t colour) {
    Painter().fillRect(QRect(0, 0, device_.width(), device_.height()), ToQColor(colour));
}

void QtCanvas::FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) {
    Painter().fillRect(Corners(x1, y1, x2, y2), ToQColor(colour));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2, std::int32_t colour, int width,
                    LineStyle style) {
    QPen pen(ToQColor(colour));
    pen.setWidthF(std::max(1.0, Pixels(double(std::max(width, 1)) * kTwipsPerWidthUnit)));
    pen.setStyle(style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    QPainter& painter = Painter();
    painter.setPen(pen);
    painter.drawLine(QPointF(Pixels(x1), Pixels(y1)), QPointF(Pixels(x2), Pixels(y2)));
}

void QtCanvas::Rect(int x1, int y1, int x2, int y2, std::int32_t colour, int width) {
    QPen pen(ToQColor(colour));
    pen.setWidthF(std::max(1.0, Pixels(double(std::max(width, 1)) * kTwipsPerWidthUnit)));
    pen.setJoinStyle(Qt::MiterJoin);
    QPainter& painter = Painter();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(Corners(x1, y1, x2, y2));
}

void QtCanvas::Text(int x, int y, const std::string& text, const CanvasFont& font,
                    std::int32_t colour) {
    QPainter& painter = Painter();
    painter.setFont(ToQFont(font));
    painter.setPen(ToQColor(colour));
    const QRectF box(Pixels(x), Pixels(y), device_.width(), device_.height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString::fromStdString(text));
}

TextSize QtCanvas::MeasureText(const std::string& text, const CanvasFont& font) {
    const QFontMetricsF metrics(ToQFont(font), &device_);
    return {qRound(metrics.horizontalAdvance(QString::fromStdString(text)) / scale_),
            qRound(metrics.height() / scale_)};
}

}  // namespace ringlace
