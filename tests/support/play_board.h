// A small board for entry tests: a grid laid out with 600-twip cells, a puzzle shown, its play
// state, and a recording canvas behind the painter. Clues are written row by row, one character a
// cell, a blank for none.
#pragma once

#include <string>
#include <utility>

#include "model/grid.h"
#include "model/settings.h"
#include "play/board_drawing.h"
#include "play/entry.h"
#include "play/play_state.h"
#include "support/grid_builder.h"
#include "support/recording_canvas.h"

namespace ringlace::test {

struct PlayBoard {
    explicit PlayBoard(int rows = 3, int cols = 3, std::string clues = "")
        : painter(canvas, geometry, settings, scheme),
          play{grid, state, settings, geometry, painter} {
        grid = GridFromClues(rows, cols, std::move(clues));
        geometry.CellSize = 600;
        geometry.Quarter = 150;
        geometry.Half = 300;
        geometry.Third = 200;
        geometry.Twelfth = 50;
        geometry.GridLeft = 300;
        geometry.GridTop = 400;
        geometry.NumberFontSize = 20;
        scheme[2] = Rgb(240, 240, 240);
    }

    // Board position at offset (dx, dy) from the top-left dot of cell (r, c).
    int X(int c, int dx) const { return geometry.NodeX(c) + dx; }
    int Y(int r, int dy) const { return geometry.NodeY(r) + dy; }

    // Moves the pointer over side `side` of cell (r, c), half way along it.
    void HoverSide(int r, int c, Side side) {
        const int s = geometry.CellSize;
        const int dx = side == Side::Left ? 60 : side == Side::Right ? s - 60 : s / 2;
        const int dy = side == Side::Top ? 60 : side == Side::Bottom ? s - 60 : s / 2;
        Hover(play, X(c, dx), Y(r, dy));
    }
    // A right click on the selected side, away from the cell's middle.
    RightRelease RightClickNearSide(int r, int c, Side side) {
        HoverSide(r, c, side);
        return RightButtonReleased(play, X(c, side == Side::Right ? 590 : 10),
                                   Y(r, side == Side::Bottom ? 590 : 10));
    }

    std::string Sides(int r, int c) const { return SidesOf(grid, r, c); }

    Grid grid;
    PlayState state;
    Settings settings;
    BoardGeometry geometry;
    SchemeColours scheme{};
    RecordingCanvas canvas;
    BoardPainter painter;
    PlayContext play;
};

}  // namespace ringlace::test
