#include "exchange/solution_sheets.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace ringlace {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

TEST(SolutionSheetsTest, SolutionsFillRowsThenSheetsInTheirOrder) {
    // The 1 x 2 puzzle "3 ." with its loop round both cells; the fifth record cannot be read.
    std::vector<SheetSolution> solutions;
    for (int k = 1; k <= 5; ++k)
        solutions.push_back(
            {k < 5 ? "0102EA3 DI" : "broken", "Puz# " + std::to_string(k), {250, 125}});
    RecordingCanvas measuring;
    // A label is 504 twips wide on the recording canvas (wider than the grid), 161 high, and a
    // grid is 60 twips under its label: two solutions to a row, two rows to a sheet.
    const std::vector<Drawing> sheets =
        SolutionSheets(solutions, {1400, 1000}, measuring, PaperStyle{});
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].measure(measuring).width, 804 + 504);
    EXPECT_EQ(sheets[0].measure(measuring).height, 646 + 221 + 125);

    RecordingCanvas first;
    sheets[0].draw(first);
    std::vector<CanvasCall> labels;
    int lines = 0;
    for (const CanvasCall& call : first.calls) {
        if (call.kind == "text" && call.text.rfind("Puz#", 0) == 0) labels.push_back(call);
        lines += call.kind == "line";
    }
    ASSERT_EQ(labels.size(), 4u);
    const int corners[4][2] = {{0, 0}, {804, 0}, {0, 646}, {804, 646}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(labels[k].text, "Puz# " + std::to_string(k + 1));
        EXPECT_EQ(labels[k].x1, corners[k][0]);
        EXPECT_EQ(labels[k].y1, corners[k][1]);
    }
    EXPECT_EQ(lines, 4 * 6);  // each loop: two sides, two tops, two bottoms

    // A record that no longer reads keeps its label and draws no grid.
    RecordingCanvas second;
    sheets[1].draw(second);
    ASSERT_EQ(second.calls.size(), 1u);
    EXPECT_EQ(second.calls[0].text, "Puz# 5");
}

}  // namespace
}  // namespace ringlace
