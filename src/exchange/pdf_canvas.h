// A Canvas that writes one page of a PDF file: lines, rectangles and text as the PDF's own
// drawing operators, so the page stays sharp at any zoom and its text can be searched.
#pragma once

#include <string>

#include "seams/canvas.h"

namespace ringlace {

// A number as a PDF file writes it: at most two decimals, never an exponent.
std::string PdfNumber(double value);

class PdfCanvas : public Canvas {
public:
    // A page of `paper` twips on which the drawing's origin lies at `origin` and every length is
    // drawn at `scale` of its size.
    PdfCanvas(PictureSize paper, PictureSize origin, double scale);

    void Clear(std::int32_t colour) override;
    void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) override;
    void Line(int x1, int y1, int x2, int y2, std::int32_t colour, int width,
              LineStyle style) override;
    void Rect(int x1, int y1, int x2, int y2, std::int32_t colour, int width) override;
    void Text(int x, int y, const std::string& text, const CanvasFont& font,
              std::int32_t colour) override;
    TextSize MeasureText(const std::string& text, const CanvasFont& font) override;

    // The page's content stream: what was drawn, as PDF operators.
    const std::string& Content() const { return content_; }

private:
    // Points from the paper's bottom-left corner, as PDF counts them.
    double X(int x) const;
    double Y(int y) const;
    double Points(double twips) const;
    void Corners(int x1, int y1, int x2, int y2);
    void SetFill(std::int32_t colour);
    void SetStroke(std::int32_t colour, int width, LineStyle style);

    PictureSize paper_;
    PictureSize origin_;
    double scale_;
    std::string content_;
    // What the page is set to now, so that a run of like strokes says it once.
    std::string fill_;
    std::string stroke_;
};

}  // namespace ringlace
