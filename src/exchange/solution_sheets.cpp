#include "exchange/solution_sheets.h"

#include <algorithm>
#include <memory>

#include "model/puzzle_record.h"

namespace ringlace {

namespace {

constexpr int kGap = 300;        // between two solutions, across and down
constexpr int kLabelSpace = 60;  // between a label and its grid

// A solution's place on its sheet: the top-left corner of its label.
struct Placed {
    SheetSolution solution;
    int x;
    int y;
};

// One sheet: its solutions, each drawn from its record when the sheet is drawn.
Drawing Sheet(std::vector<Placed> placed, PictureSize extent, int labelHeight,
              const PaperStyle& style) {
    return {[extent](Canvas&) { return extent; },
            [placed, labelHeight, style](Canvas& canvas) {
                const auto grid = std::make_unique<Grid>();
                for (const Placed& p : placed) {
                    canvas.Text(p.x, p.y, p.solution.label, SmallFont(style), 0);
                    if (LoadRecord(*grid, p.solution.record))
                        DrawSmallSolution(canvas, *grid, p.x, p.y + labelHeight, style);
                }
            }};
}

}  // namespace

std::vector<Drawing> SolutionSheets(const std::vector<SheetSolution>& solutions, PictureSize area,
                                    Canvas& measuring, const PaperStyle& style) {
    const int labelHeight = measuring.MeasureText("0", SmallFont(style)).height + kLabelSpace;
    std::vector<Drawing> sheets;
    std::vector<Placed> placed;
    PictureSize extent;
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    const auto endSheet = [&] {
        sheets.push_back(Sheet(std::move(placed), extent, labelHeight, style));
        placed.clear();
        extent = {};
        x = y = rowHeight = 0;
    };
    for (const SheetSolution& solution : solutions) {
        const int width = std::max(solution.size.width,
                                   measuring.MeasureText(solution.label, SmallFont(style)).width);
        const int height = labelHeight + solution.size.height;
        if (x > 0 && x + width > area.width) {
            x = 0;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        if (y > 0 && y + height > area.height) endSheet();
        placed.push_back({solution, x, y});
        extent = {std::max(extent.width, x + width), std::max(extent.height, y + height)};
        x += width + kGap;
        rowHeight = std::max(rowHeight, height);
    }
    if (!placed.empty()) endSheet();
    return sheets;
}

}  // namespace ringlace
