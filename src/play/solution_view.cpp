#include "play/solution_view.h"

#include "model/solution_letters.h"
#include "play/board_drawing.h"
#include "shell/app.h"
#include "shell/busy_guard.h"

namespace ringlace {

namespace {

// The player's edges go to slot 1 of SaveEntries while a view shows.
constexpr int kViewSlot = 1;

}  // namespace

void ColourBySideOfLoop(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        bool inside = false;
        for (int c = 1; c <= grid.Cols; ++c) {
            if (grid.CellEdge[r][c][L] == Bar) inside = !inside;
            grid.CellColour[r][c] = inside ? Yellow : Pink;
        }
    }
}

bool ShowSolutionBars(App& app, BoardPainter& painter) {
    // A second press while a view shows (another mouse button) must not save the view as the
    // player's entries.
    if (app.session.View.showing != SolutionView::Kind::None || RefuseWhileBusy(app)) return false;
    app.grid.SaveEntries(kViewSlot);
    ApplySolution(app.grid);
    painter.DrawAllEdges(app.grid);
    app.session.View.showing = SolutionView::Kind::Bars;
    return true;
}

bool ShowSolutionLoop(App& app, BoardPainter& painter, bool withColours) {
    if (app.session.View.showing != SolutionView::Kind::None || RefuseWhileBusy(app)) return false;
    Grid& grid = app.grid;
    SolutionView& view = app.session.View;
    const std::int32_t gridLine = app.settings.GridLine;
    app.settings.GridLine = kGridNone;
    view.players = SaveGridState(grid);
    painter.RedrawBoard(grid);
    ApplySolution(grid);
    painter.DrawAllEdges(grid);
    app.settings.GridLine = gridLine;
    ColourBySideOfLoop(grid);
    if (withColours)
        for (int r = 1; r <= grid.Rows; ++r)
            for (int c = 1; c <= grid.Cols; ++c)
                painter.PaintCell(grid, r, c, grid.CellColour[r][c]);
    view.showing = SolutionView::Kind::Loop;
    return true;
}

void HideSolution(App& app, BoardPainter& painter) {
    SolutionView& view = app.session.View;
    if (view.showing == SolutionView::Kind::None) return;
    if (view.showing == SolutionView::Kind::Bars)
        app.grid.RestoreEntries(kViewSlot);
    else
        RestoreGridState(app.grid, view.players);
    view.showing = SolutionView::Kind::None;
    painter.RedrawBoard(app.grid);
}

}  // namespace ringlace
