#include "play/browser_page.h"

#include <algorithm>

#include "model/puzzle_record.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

constexpr int kSquare = 70;
constexpr int kCaptionLeft = 102;
constexpr int kCaptionTop = 1836;
constexpr double kCaptionPoints = 7;
constexpr std::int32_t kBlack = 0;
constexpr std::int32_t kSquareOutline = Rgb(64, 64, 64);
constexpr int kCurrentFrameWidth = 3;

std::string Caption(const ClueGrid& clues, int number) {
    const std::string name = "P#" + NumText(number);
    if (clues.rows == 0) return name;
    const auto blanks = std::count(clues.clues.begin(), clues.clues.end(), kNoClue);
    const auto open = 100 * blanks / static_cast<long>(clues.clues.size());
    return name + " (" + NumText(clues.rows) + "x" + NumText(clues.cols) + ") :" + NumText(open) +
           "% open";
}

void DrawThumbnail(Canvas& canvas, const ClueGrid& clues, int left, int top,
                   const SchemeColours& colours) {
    // The squares end above the caption: grids up to 25 x 25 take whole squares (70 x 26 is
    // 1820), only a larger one would need them smaller.
    const int side = std::min(kSquare, kCaptionTop / (std::max(clues.rows, clues.cols) + 1));
    for (int r = 1; r <= clues.rows; ++r) {
        for (int c = 1; c <= clues.cols; ++c) {
            const int x = left + side * c;
            const int y = top + side * r;
            const ClueValue clue =
                clues.clues[static_cast<std::size_t>((r - 1) * clues.cols + c - 1)];
            canvas.FillRect(x, y, x + side, y + side,
                            clue == kNoClue ? colours[kBoardColour] : kBlack);
            canvas.Rect(x, y, x + side, y + side, kSquareOutline, 1);
        }
    }
}

}  // namespace

std::vector<ClueGrid> ReadBrowserEntries(const std::string& fileName, int maxRows, int maxCols) {
    std::vector<ClueGrid> entries;
    LineReader reader(fileName);
    std::string line;
    while (reader.Next(line, RecordCluesLength(maxRows, maxCols)))
        entries.push_back(RecordClues(line, maxRows, maxCols).value_or(ClueGrid{}));
    return entries;
}

void DrawBrowserPage(Canvas& canvas, const std::vector<ClueGrid>& entries, int first,
                     const SchemeColours& colours, const std::string& fontName, int currentNumber) {
    canvas.Clear(colours[kBoardColour]);
    const CanvasFont font{fontName, kCaptionPoints};
    const int count = static_cast<int>(entries.size());
    for (int slot = 0; slot < kBrowserSlots && first + slot < count; ++slot) {
        const int number = first + slot + 1;
        const ClueGrid& clues = entries[static_cast<std::size_t>(number - 1)];
        const int left = kBrowserSlotWidth * (slot % kBrowserColumns);
        const int top = kBrowserSlotHeight * (slot / kBrowserColumns);
        DrawThumbnail(canvas, clues, left, top, colours);
        if (number == currentNumber)
            canvas.Rect(left, top, left + kBrowserSlotWidth, top + kBrowserSlotHeight,
                        colours[kProgressColour], kCurrentFrameWidth);
        else
            canvas.Rect(left, top, left + kBrowserSlotWidth, top + kBrowserSlotHeight, kBlack, 1);
        canvas.Text(left + kCaptionLeft, top + kCaptionTop, Caption(clues, number), font, kBlack);
    }
}

std::optional<int> BrowserSlotAt(int xTwips, int yTwips) {
    if (xTwips < 0 || yTwips < 0 || xTwips >= kBrowserPageSize.width ||
        yTwips >= kBrowserPageSize.height)
        return std::nullopt;
    return yTwips / kBrowserSlotHeight * kBrowserColumns + xTwips / kBrowserSlotWidth;
}

}  // namespace ringlace
