// A Canvas for tests: keeps every call as numbers, and measures text with a fixed rule (a
// character is 0.6 of the font size wide, a line 1.15 of it high), so layouts can be asserted.
#pragma once

#include <string>
#include <vector>

#include "seams/canvas.h"

namespace ringlace::test {

struct CanvasCall {
    std::string kind;  // "clear", "fill", "line", "rect", "text"
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t colour = 0;
    int width = 0;
    LineStyle style = LineStyle::Solid;
    std::string text{};
    CanvasFont font{};
};

class RecordingCanvas : public Canvas {
public:
    void Clear(std::int32_t colour) override { calls.push_back({"clear", 0, 0, 0, 0, colour}); }
    void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) override {
        calls.push_back({"fill", x1, y1, x2, y2, colour});
    }
    void Line(int x1, int y1, int x2, int y2, std::int32_t colour, int width,
              LineStyle style) override {
        calls.push_back({"line", x1, y1, x2, y2, colour, width, style});
    }
    void Rect(int x1, int y1, int x2, int y2, std::int32_t colour, int width) override {
        calls.push_back({"rect", x1, y1, x2, y2, colour, width});
    }
    void Text(int x, int y, const std::string& text, const CanvasFont& font,
              std::int32_t colour) override {
        calls.push_back({"text", x, y, x, y, colour, 0, LineStyle::Solid, text, font});
    }
    TextSize MeasureText(const std::string& text, const CanvasFont& font) override {
        const double twips = font.points * kTwipsPerPoint;
        return {static_cast<int>(0.6 * twips * static_cast<double>(text.size())),
                static_cast<int>(1.15 * twips)};
    }

    std::vector<CanvasCall> calls;
};

// The calls of one kind, and the texts that read `text`.
inline std::vector<CanvasCall> OfKind(const std::vector<CanvasCall>& calls,
                                      const std::string& kind) {
    std::vector<CanvasCall> found;
    for (const CanvasCall& call : calls)
        if (call.kind == kind) found.push_back(call);
    return found;
}
inline std::vector<CanvasCall> Texts(const std::vector<CanvasCall>& calls,
                                     const std::string& text) {
    std::vector<CanvasCall> found;
    for (const CanvasCall& call : OfKind(calls, "text"))
        if (call.text == text) found.push_back(call);
    return found;
}

}  // namespace ringlace::test
