#include "play/board_drawing.h"

#include "model/rounding.h"

namespace ringlace {

CanvasFont BoardPainter::NumberFont() const {
    return CanvasFont{settings_.FontName, double(geometry_.NumberFontSize), false};
}

void BoardPainter::DrawEdge(int r, int c, Side side, EdgeState value) {
    if (side == Side::Bottom) {
        ++r;
        side = Side::Top;
    } else if (side == Side::Right) {
        ++c;
        side = Side::Left;
    }
    // A side no real cell has is never drawn: there is nothing on the board to show for it.
    if ((side != Side::Left && side != Side::Top) || value == Outside) return;
    const int s = geometry_.CellSize;
    const int m = RoundToInt(0.15 * s);
    const int x = geometry_.NodeX(c);
    const int y = geometry_.NodeY(r);
    const bool vertical = side == Side::Left;
    const int endX = vertical ? x : x + s;
    const int endY = vertical ? y + s : y;

    if (vertical)
        canvas_.FillRect(x - m, y + m, x + m, y + s - m, Background());
    else
        canvas_.FillRect(x + m, y - m, x + s - m, y + m, Background());

    if (settings_.GridLine == kGridNone) {
        const int dot = RoundToInt(s / 20.0);
        canvas_.FillRect(x - dot, y - dot, x + dot, y + dot, settings_.GridColour);
        canvas_.FillRect(endX - dot, endY - dot, endX + dot, endY + dot, settings_.GridColour);
    } else {
        const LineStyle style =
            settings_.GridLine == kGridDotted ? LineStyle::Dotted : LineStyle::Solid;
        canvas_.Line(x, y, endX, endY, settings_.GridColour, geometry_.LineFactor, style);
    }

    if (value == Bar) {
        const int width = settings_.BarThickness * geometry_.LineFactor;
        if (vertical)
            canvas_.Line(x, y + m, x, y + s - m, settings_.BarColour, width, LineStyle::Solid);
        else
            canvas_.Line(x + m, y, x + s - m, y, settings_.BarColour, width, LineStyle::Solid);
    } else if (value == XMark) {
        const CanvasFont font{settings_.FontName, geometry_.NumberFontSize / 2.0, false};
        const TextSize size = canvas_.MeasureText("X", font);
        if (vertical)
            canvas_.Text(x - size.width / 2, y + (s - size.height) / 2, "X", font,
                         settings_.BarColour);
        else
            canvas_.Text(x + (s - size.width) / 2, y - size.height / 2, "X", font,
                         settings_.BarColour);
    }
}

void BoardPainter::PaintCell(const Grid& grid, int r, int c, std::int32_t colour) {
    const int s = geometry_.CellSize;
    const int x = geometry_.NodeX(c);
    const int y = geometry_.NodeY(r);
    const int k = RoundToInt(s / 1.25);
    canvas_.FillRect(x + s - k, y + s - k, x + k, y + k, colour == 0 ? Background() : colour);
    const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
    if (clue == kNoClue) return;
    const std::string text(1, static_cast<char>('0' + clue));
    const CanvasFont font = NumberFont();
    const TextSize size = canvas_.MeasureText(text, font);
    canvas_.Text(x + RoundToInt((s - size.width) / 2.0), y + RoundToInt((s - size.height) / 2.0),
                 text, font, settings_.NumberColour);
}

void BoardPainter::DrawAllEdges(const Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (const Side side : kSides) DrawEdge(r, c, side, grid.CellEdge[r][c][side]);
}

void BoardPainter::RedrawBoard(const Grid& grid) {
    canvas_.Clear(Background());
    DrawAllEdges(grid);
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c) PaintCell(grid, r, c, grid.CellColour[r][c]);
}

}  // namespace ringlace
