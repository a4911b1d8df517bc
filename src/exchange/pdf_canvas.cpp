#include "exchange/pdf_canvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "exchange/standard_fonts.h"

namespace ringlace {

namespace {

std::string Colour(std::int32_t colour) {
    const auto part = [colour](int shift) { return PdfNumber(((colour >> shift) & 0xFF) / 255.0); };
    return part(0) + " " + part(8) + " " + part(16);
}

// A PDF string literal: brackets and backslashes escaped.
std::string StringLiteral(const std::string& text) {
    std::string out = "(";
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    return out + ")";
}

}  // namespace

std::string PdfNumber(double value) {
    const double rounded = std::round(value * 100) / 100;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded,
                                      std::chars_format::fixed);
    return {buffer, result.ptr};
}

PdfCanvas::PdfCanvas(PictureSize paper, PictureSize origin, double scale)
    : paper_(paper), origin_(origin), scale_(scale) {}

double PdfCanvas::X(int x) const {
    return (origin_.width + x * scale_) / kTwipsPerPoint;
}

double PdfCanvas::Y(int y) const {
    return (paper_.height - origin_.height - y * scale_) / kTwipsPerPoint;
}

double PdfCanvas::Points(double twips) const {
    return twips * scale_ / kTwipsPerPoint;
}

void PdfCanvas::Corners(int x1, int y1, int x2, int y2) {
    content_ += PdfNumber(X(std::min(x1, x2))) + " " + PdfNumber(Y(std::max(y1, y2))) + " " +
                PdfNumber(Points(std::abs(x2 - x1))) + " " + PdfNumber(Points(std::abs(y2 - y1))) +
                " re";
}

void PdfCanvas::SetFill(std::int32_t colour) {
    const std::string fill = Colour(colour) + " rg\n";
    if (fill == fill_) return;
    fill_ = fill;
    content_ += fill;
}

void PdfCanvas::SetStroke(std::int32_t colour, int width, LineStyle style) {
    const double points = Points(std::max(width, 1) * kTwipsPerWidthUnit);
    const std::string dash = style == LineStyle::Dotted
                                 ? "[" + PdfNumber(points) + " " + PdfNumber(2 * points) + "] 0 d"
                                 : "[] 0 d";
    const std::string stroke = Colour(colour) + " RG " + PdfNumber(points) + " w " + dash + "\n";
    if (stroke == stroke_) return;
    stroke_ = stroke;
    content_ += stroke;
}

void PdfCanvas::Clear(std::int32_t colour) {
    SetFill(colour);
    content_ += "0 0 " + PdfNumber(double(paper_.width) / kTwipsPerPoint) + " " +
                PdfNumber(double(paper_.height) / kTwipsPerPoint) + " re f\n";
}

void PdfCanvas::FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) {
    SetFill(colour);
    Corners(x1, y1, x2, y2);
    content_ += " f\n";
}

void PdfCanvas::Line(int x1, int y1, int x2, int y2, std::int32_t colour, int width,
                     LineStyle style) {
    SetStroke(colour, width, style);
    content_ += PdfNumber(X(x1)) + " " + PdfNumber(Y(y1)) + " m " + PdfNumber(X(x2)) + " " +
                PdfNumber(Y(y2)) + " l S\n";
}

void PdfCanvas::Rect(int x1, int y1, int x2, int y2, std::int32_t colour, int width) {
    SetStroke(colour, width, LineStyle::Solid);
    Corners(x1, y1, x2, y2);
    content_ += " S\n";
}

void PdfCanvas::Text(int x, int y, const std::string& text, const CanvasFont& font,
                     std::int32_t colour) {
    const StandardFont face = StandardFontFor(font);
    const double size = font.points * scale_;
    SetFill(colour);
    content_ += "BT /F" + std::to_string(static_cast<int>(face)) + " " + PdfNumber(size) + " Tf " +
                PdfNumber(X(x)) + " " + PdfNumber(Y(y) - size * kAscentPerMille / 1000) + " Td " +
                StringLiteral(ToWinAnsi(text)) + " Tj ET\n";
}

TextSize PdfCanvas::MeasureText(const std::string& text, const CanvasFont& font) {
    const double twipsPerMille = font.points * kTwipsPerPoint / 1000;
    return {static_cast<int>(std::lround(TextWidthPerMille(StandardFontFor(font), ToWinAnsi(text)) *
                                         twipsPerMille)),
            static_cast<int>(std::lround(kLineHeightPerMille * twipsPerMille))};
}

}  // namespace ringlace
