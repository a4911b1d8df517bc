#include "exchange/puzzle_picture.h"

#include <algorithm>

#include "model/solution_letters.h"

namespace ringlace {

namespace {

constexpr int kMargin = 200;        // round the clipboard's picture
constexpr int kHeaderHeight = 300;  // from the header's top to the grid's
constexpr double kSmallPoints = 7;  // the header, "Solution:" and the small solution's clues
constexpr std::int32_t kBlack = 0;
constexpr std::int32_t kWhite = Rgb(255, 255, 255);

// Where a page puts things: the page's left and top edge, and the small solution grid.
constexpr int kPageLeft = 1200;
constexpr int kPageTop = 1200;
constexpr int kSolutionLabelTop = 12000;
constexpr int kSolutionTop = 12200;
constexpr int kSolutionCell = 125;

CanvasFont ClueFont(const Grid& grid, const PaperStyle& style) {
    return {style.fontName, grid.MaxDim > 19 ? 10.0 : 13.0, false};
}

// A grid of cells on paper: the top-left corner of cell (1, 1) and the cell size.
struct PaperGrid {
    int left = 0;
    int top = 0;
    int cell = 0;
    int X(int c) const { return left + (c - 1) * cell; }
    int Y(int r) const { return top + (r - 1) * cell; }
};

// The header's top-left corner, with the puzzle's grid under it.
PaperGrid PuzzleGridUnder(const Grid& grid, int x, int y) {
    return {x, y + kHeaderHeight, PaperCellSize(grid)};
}

void DrawDigit(Canvas& canvas, const PaperGrid& at, int r, int c, ClueValue clue,
               const CanvasFont& font) {
    const std::string digit(1, static_cast<char>('0' + clue));
    const TextSize size = canvas.MeasureText(digit, font);
    canvas.Text(at.X(c) + (at.cell - size.width) / 2, at.Y(r) + (at.cell - size.height) / 2, digit,
                font, kBlack);
}

// The dots: the corner character centred on each, or a small square.
void DrawDots(Canvas& canvas, const Grid& grid, const PaperGrid& at, const PaperStyle& style) {
    const CanvasFont clueFont = ClueFont(grid, style);
    const CanvasFont cornerFont{style.fontName, clueFont.points / 2, false};
    const TextSize corner = canvas.MeasureText(style.cornerChar, clueFont);
    for (int r = 1; r <= grid.Rows + 1; ++r) {
        for (int c = 1; c <= grid.Cols + 1; ++c) {
            const int x = at.X(c);
            const int y = at.Y(r);
            if (style.rectangleCorner)
                canvas.FillRect(x - 20, y - 20, x + 20, y + 20, kBlack);
            else if (!style.cornerChar.empty())
                canvas.Text(x - corner.width / 4, y - corner.height / 4, style.cornerChar,
                            cornerFont, kBlack);
        }
    }
}

// The stored loop as lines along the cell sides.
void DrawLoop(Canvas& canvas, const Grid& grid, const PaperGrid& at, int width) {
    Grid solved = grid;
    ApplySolution(solved);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const int x = at.X(c);
            const int y = at.Y(r);
            const int s = at.cell;
            const auto& sides = solved.CellEdge[r][c];
            if (sides[Side::Left] == Bar)
                canvas.Line(x, y, x, y + s, kBlack, width, LineStyle::Solid);
            if (sides[Side::Top] == Bar)
                canvas.Line(x, y, x + s, y, kBlack, width, LineStyle::Solid);
            if (sides[Side::Right] == Bar)
                canvas.Line(x + s, y, x + s, y + s, kBlack, width, LineStyle::Solid);
            if (sides[Side::Bottom] == Bar)
                canvas.Line(x, y + s, x + s, y + s, kBlack, width, LineStyle::Solid);
        }
    }
}

// The header at (x, y) and the puzzle under it, as the style asks.
void DrawPuzzle(Canvas& canvas, const Grid& grid, const std::string& header, int x, int y,
                const PaperStyle& style) {
    canvas.Text(x, y, header, SmallFont(style), kBlack);
    const PaperGrid at = PuzzleGridUnder(grid, x, y);
    const CanvasFont clueFont = ClueFont(grid, style);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            if (style.printGrid)
                canvas.Rect(at.X(c), at.Y(r), at.X(c) + at.cell, at.Y(r) + at.cell, kPaperGrey, 1);
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            if (clue != kNoClue) DrawDigit(canvas, at, r, c, clue, clueFont);
        }
    }
    DrawDots(canvas, grid, at, style);
}

}  // namespace

CanvasFont SmallFont(const PaperStyle& style) {
    return {style.fontName, kSmallPoints, false};
}

int PaperCellSize(const Grid& grid) {
    return grid.MaxDim > 16 ? 400 : 500;
}

PictureSize PuzzlePictureSize(const Grid& grid, const std::string& header, Canvas& measuring,
                              const PaperStyle& style) {
    const int s = PaperCellSize(grid);
    const int headerWidth = measuring.MeasureText(header, SmallFont(style)).width;
    return {2 * kMargin + std::max(grid.Cols * s, headerWidth),
            2 * kMargin + kHeaderHeight + grid.Rows * s};
}

void DrawPuzzlePicture(Canvas& canvas, const Grid& grid, const std::string& header,
                       const PaperStyle& style, PictureOf what) {
    canvas.Clear(kWhite);
    DrawPuzzle(canvas, grid, header, kMargin, kMargin, style);
    if (what == PictureOf::Solution)
        DrawLoop(canvas, grid, PuzzleGridUnder(grid, kMargin, kMargin), style.lineWidth);
}

PictureSize PrintedPageExtent(const Grid& grid, const std::string& header, Canvas& measuring,
                              const PaperStyle& style, PageSolution solution) {
    const int s = PaperCellSize(grid);
    const int headerRight = kPageLeft + s + measuring.MeasureText(header, SmallFont(style)).width;
    const int puzzleRight = kPageLeft + (grid.Cols + 1) * s;
    const int puzzleBottom = kPageTop + kHeaderHeight + grid.Rows * s;
    const int solutionBottom =
        solution == PageSolution::Shown ? kSolutionTop + SmallSolutionSize(grid).height : 0;
    return {std::max(headerRight, puzzleRight), std::max(puzzleBottom, solutionBottom)};
}

void DrawPrintedPage(Canvas& canvas, const Grid& grid, const std::string& header,
                     const PaperStyle& style, PageSolution solution) {
    DrawPuzzle(canvas, grid, header, kPageLeft + PaperCellSize(grid), kPageTop, style);
    if (solution == PageSolution::LeftOut) return;
    canvas.Text(kPageLeft + kSolutionCell, kSolutionLabelTop, "Solution:", SmallFont(style),
                kBlack);
    DrawSmallSolution(canvas, grid, kPageLeft + kSolutionCell, kSolutionTop, style);
}

PictureSize SmallSolutionSize(const Grid& grid) {
    return {grid.Cols * kSolutionCell, grid.Rows * kSolutionCell};
}

void DrawSmallSolution(Canvas& canvas, const Grid& grid, int x, int y, const PaperStyle& style) {
    const PaperGrid small{x, y, kSolutionCell};
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            canvas.Rect(small.X(c), small.Y(r), small.X(c) + kSolutionCell,
                        small.Y(r) + kSolutionCell, kPaperGrey, 1);
    DrawLoop(canvas, grid, small, 1);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            if (clue != kNoClue) DrawDigit(canvas, small, r, c, clue, SmallFont(style));
        }
    }
}

}  // namespace ringlace
