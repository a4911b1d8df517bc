// The Canvas seam: the board, printed pages, clipboard pictures and browser pages are drawn by the
// core onto a Canvas in twips (1/1440 inch). The window maps twips to device pixels at the
// device's real resolution; tests record the calls.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

namespace ringlace {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;
// Line widths are counted in pixels of a standard 96 dpi screen: 15 twips each.
inline constexpr int kTwipsPerWidthUnit = 15;

enum class LineStyle { Solid, Dotted };

struct CanvasFont {
    std::string name;
    double points = 12;
    bool bold = false;
};

struct TextSize {
    int width = 0;   // twips
    int height = 0;  // twips: the font's line height
};

// The size of a picture drawn on a Canvas.
struct PictureSize {
    int width = 0;   // twips
    int height = 0;  // twips
};

// The scale at which a picture fits an area: 1 when it fits as it is, else the largest smaller
// scale that keeps its proportions.
inline double ScaleToFit(const PictureSize& picture, const PictureSize& area) {
    double scale = 1.0;
    if (picture.width > area.width) scale = double(area.width) / picture.width;
    if (picture.height > area.height) scale = std::min(scale, double(area.height) / picture.height);
    return scale;
}

class Canvas;

// Something to draw on a Canvas the host provides: its size, measured with the host's canvas,
// and its drawing.
struct Drawing {
    std::function<PictureSize(Canvas& measuring)> measure;
    std::function<void(Canvas&)> draw;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Fills the whole surface.
    virtual void Clear(std::int32_t colour) = 0;
    // Fills the rectangle between two corners given in any order.
    virtual void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) = 0;
    // width in width units (see kTwipsPerWidthUnit), at least 1.
    virtual void Line(int x1, int y1, int x2, int y2, std::int32_t colour, int width,
                      LineStyle style) = 0;
    virtual void Rect(int x1, int y1, int x2, int y2, std::int32_t colour, int width) = 0;
    // Text with its top-left corner at (x, y).
    virtual void Text(int x, int y, const std::string& text, const CanvasFont& font,
                      std::int32_t colour) = 0;
    virtual TextSize MeasureText(const std::string& text, const CanvasFont& font) = 0;
};

}  // namespace ringlace
