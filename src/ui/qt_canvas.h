// The Canvas on a QImage: twips become device pixels at the image's real resolution, so the
// board stays sharp on high-density screens and the printer gets its own resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "seams/canvas.h"

namespace ringlace {

QColor ToQColor(std::int32_t colour);

class QtCanvas : public Canvas {
public:
    // dotsPerInch: the device pixels per inch the image stands for.
    QtCanvas(QImage& image, double dotsPerInch);
    // Draws with a painter that is open on its device already (a printer's, kept open from page
    // to page), at `scale` of the drawing's true size.
    QtCanvas(QPainter& painter, double scale);

    void Clear(std::int32_t colour) override;
    void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) override;
    void Line(int x1, int y1, int x2, int y2, std::int32_t colour, int width,
              LineStyle style) override;
    void Rect(int x1, int y1, int x2, int y2, std::int32_t colour, int width) override;
    void Text(int x, int y, const std::string& text, const CanvasFont& font,
              std::int32_t colour) override;
    TextSize MeasureText(const std::string& text, const CanvasFont& font) override;

    // Device pixels for a length in twips.
    double Pixels(double twips) const { return twips * scale_; }

private:
    // The painter opens on the first drawing call, so a message shown before anything is drawn
    // never finds the picture held by a painter.
    QPainter& Painter();
    QFont ToQFont(const CanvasFont& font) const;
    QRectF Corners(int x1, int y1, int x2, int y2) const;

    QPaintDevice& device_;
    double scale_;      // device pixels per twip
    double fontScale_;  // point sizes as drawn on the device, to points as asked
    QPainter ownPainter_;
    QPainter* painter_;
};

// Sets the image's resolution so that fonts given in points come out at the right pixel size.
void SetImageResolution(QImage& image, double dotsPerInch);

}  // namespace ringlace
