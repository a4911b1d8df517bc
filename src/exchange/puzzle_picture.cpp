#include "exchange/puzzle_picture.h"

#include <algorithm>

#include "model/solution_letters.h"

namespace ringlace {

namespace {

constexpr int kMargin = 200;
constexpr int kHeaderHeight = 300;  // from the header's top to the grid's
constexpr double kHeaderPoints = 7;
constexpr std::int32_t kBlack = 0;
constexpr std::int32_t kWhite = Rgb(255, 255, 255);

CanvasFont HeaderFont(const PaperStyle& style) {
    return {style.fontName, kHeaderPoints, false};
}

CanvasFont ClueFont(const Grid& grid, const PaperStyle& style) {
    return {style.fontName, grid.MaxDim > 19 ? 10.0 : 13.0, false};
}

int CellX(const Grid& grid, int c) {
    return kMargin + (c - 1) * PaperCellSize(grid);
}

int CellY(const Grid& grid, int r) {
    return kMargin + kHeaderHeight + (r - 1) * PaperCellSize(grid);
}

// The dots: the corner character centred on each, or a small square.
void DrawDots(Canvas& canvas, const Grid& grid, const PaperStyle& style) {
    const CanvasFont clueFont = ClueFont(grid, style);
    const CanvasFont cornerFont{style.fontName, clueFont.points / 2, false};
    const TextSize corner = canvas.MeasureText(style.cornerChar, clueFont);
    for (int r = 1; r <= grid.Rows + 1; ++r) {
        for (int c = 1; c <= grid.Cols + 1; ++c) {
            const int x = CellX(grid, c);
            const int y = CellY(grid, r);
            if (style.rectangleCorner)
                canvas.FillRect(x - 20, y - 20, x + 20, y + 20, kBlack);
            else if (!style.cornerChar.empty())
                canvas.Text(x - corner.width / 4, y - corner.height / 4, style.cornerChar,
                            cornerFont, kBlack);
        }
    }
}

void DrawLoop(Canvas& canvas, const Grid& grid, const PaperStyle& style) {
    Grid solved = grid;
    ApplySolution(solved);
    const int s = PaperCellSize(grid);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const int x = CellX(grid, c);
            const int y = CellY(grid, r);
            const auto& sides = solved.CellEdge[r][c];
            if (sides[Side::Left] == Bar)
                canvas.Line(x, y, x, y + s, kBlack, style.lineWidth, LineStyle::Solid);
            if (sides[Side::Top] == Bar)
                canvas.Line(x, y, x + s, y, kBlack, style.lineWidth, LineStyle::Solid);
            if (sides[Side::Right] == Bar)
                canvas.Line(x + s, y, x + s, y + s, kBlack, style.lineWidth, LineStyle::Solid);
            if (sides[Side::Bottom] == Bar)
                canvas.Line(x, y + s, x + s, y + s, kBlack, style.lineWidth, LineStyle::Solid);
        }
    }
}

}  // namespace

int PaperCellSize(const Grid& grid) {
    return grid.MaxDim > 16 ? 400 : 500;
}

PictureSize PuzzlePictureSize(const Grid& grid, const std::string& header, Canvas& measuring,
                              const PaperStyle& style) {
    const int s = PaperCellSize(grid);
    const int headerWidth = measuring.MeasureText(header, HeaderFont(style)).width;
    return {2 * kMargin + std::max(grid.Cols * s, headerWidth),
            2 * kMargin + kHeaderHeight + grid.Rows * s};
}

void DrawPuzzlePicture(Canvas& canvas, const Grid& grid, const std::string& header,
                       const PaperStyle& style, PictureOf what) {
    canvas.Clear(kWhite);
    canvas.Text(kMargin, kMargin, header, HeaderFont(style), kBlack);
    const int s = PaperCellSize(grid);
    const CanvasFont clueFont = ClueFont(grid, style);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const int x = CellX(grid, c);
            const int y = CellY(grid, r);
            if (style.printGrid) canvas.Rect(x, y, x + s, y + s, kPaperGrey, 1);
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            if (clue == kNoClue) continue;
            const std::string digit(1, static_cast<char>('0' + clue));
            const TextSize size = canvas.MeasureText(digit, clueFont);
            canvas.Text(x + (s - size.width) / 2, y + (s - size.height) / 2, digit, clueFont,
                        kBlack);
        }
    }
    DrawDots(canvas, grid, style);
    if (what == PictureOf::Solution) DrawLoop(canvas, grid, style);
}

}  // namespace ringlace
