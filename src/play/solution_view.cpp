#include "play/solution_view.h"

#include "model/solution_letters.h"
#include "solver/colouring.h"

namespace ringlace {

namespace {

// The player's edges go to slot 1 of SaveEntries while a view shows.
constexpr int kViewSlot = 1;

}  // namespace

void ColourBySideOfLoop(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        bool inside = false;
        for (int c = 1; c <= grid.Cols; ++c) {
            if (grid.CellEdge[r][c][Side::Left] == Bar) inside = !inside;
            grid.CellColour[r][c] = inside ? Yellow : Pink;
        }
    }
}

void ShowSolutionBars(Grid& grid, SolutionView& view, BoardPainter& painter) {
    // A second press while a view shows (another mouse button) must not save the view as the
    // player's entries.
    if (view.Held()) return;
    grid.SaveEntries(kViewSlot);
    ApplySolution(grid);
    painter.DrawAllEdges(grid);
    view.showing = SolutionView::Kind::Bars;
}

void ShowSolutionLoop(Grid& grid, SolutionView& view, Settings& settings, BoardPainter& painter,
                      bool withColours) {
    if (view.Held()) return;
    const std::int32_t gridLine = settings.GridLine;
    settings.GridLine = kGridNone;
    view.players = SaveGridState(grid);
    painter.RedrawBoard(grid);
    ApplySolution(grid);
    painter.DrawAllEdges(grid);
    settings.GridLine = gridLine;
    ColourBySideOfLoop(grid);
    if (withColours)
        for (int r = 1; r <= grid.Rows; ++r)
            for (int c = 1; c <= grid.Cols; ++c)
                painter.PaintCell(grid, r, c, grid.CellColour[r][c]);
    view.showing = SolutionView::Kind::Loop;
}

void HideSolution(Grid& grid, SolutionView& view, BoardPainter& painter) {
    if (!view.Held()) return;
    if (view.showing == SolutionView::Kind::Bars)
        grid.RestoreEntries(kViewSlot);
    else
        RestoreGridState(grid, view.players);
    view.showing = SolutionView::Kind::None;
    painter.RedrawBoard(grid);
}

}  // namespace ringlace
