#include "play/autofill.h"

#include <array>

#include "play/check_display.h"
#include "solver/colouring.h"
#include "solver/verification.h"

namespace ringlace {

namespace {

struct Neighbour {
    Side side;
    int dr;
    int dc;
};

// The order the colour rule looks at the neighbours in.
constexpr std::array<Neighbour, 4> kLeftRightTopBottom{
    {{Side::Left, 0, -1}, {Side::Right, 0, 1}, {Side::Top, -1, 0}, {Side::Bottom, 1, 0}}};
// The order the colouring of an uncoloured cell looks at them in.
constexpr std::array<Neighbour, 4> kLeftTopRightBottom{
    {{Side::Left, 0, -1}, {Side::Top, -1, 0}, {Side::Right, 0, 1}, {Side::Bottom, 1, 0}}};

void CrossOutSatisfiedClue(Grid& grid, int r, int c) {
    const int n = grid.ClueNumber(grid.CellNum[r][c]);
    if (n == 0 || grid.CountBars(r, c) != n) return;
    for (const Side side : {Side::Left, Side::Right, Side::Top, Side::Bottom})
        if (grid.CellEdge[r][c][side] == Free) grid.SetEdge(r, c, side, XMark);
}

// Same colours on both sides of an edge mean it is not on the loop; different ones mean it is.
void DecideEdgesOfColouredCell(Grid& grid, BoardPainter& painter, int r, int c) {
    const std::int32_t own = grid.CellColour[r][c];
    const std::int32_t other = OppositeColour(own);
    if (other == 0) return;
    for (const auto& [colour, state] : {std::pair{own, XMark}, std::pair{other, Bar}}) {
        for (const Neighbour& n : kLeftRightTopBottom) {
            if (grid.CellColour[r + n.dr][c + n.dc] != colour) continue;
            grid.SetEdge(r, c, n.side, state);
            painter.DrawEdge(r, c, n.side, state);
        }
    }
}

void ColourFromNeighbours(Grid& grid, int r, int c) {
    if (grid.CellColour[r][c] != 0) return;
    std::int32_t colour = 0;
    for (const Neighbour& n : kLeftTopRightBottom) {
        const std::int32_t across = grid.CellColour[r + n.dr][c + n.dc];
        if (grid.CellEdge[r][c][n.side] == Bar && across != 0) colour = OppositeColour(across);
    }
    for (const Neighbour& n : kLeftTopRightBottom) {
        const std::int32_t across = grid.CellColour[r + n.dr][c + n.dc];
        if (grid.CellEdge[r][c][n.side] == XMark && across != 0) colour = across;
    }
    grid.CellColour[r][c] = colour;
}

}  // namespace

void AutofillPass(Grid& grid, BoardPainter& painter) {
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            CrossOutSatisfiedClue(grid, r, c);
            if (grid.CellColour[r][c] != 0)
                DecideEdgesOfColouredCell(grid, painter, r, c);
            else
                ColourFromNeighbours(grid, r, c);
        }
    }
    painter.DrawAllEdges(grid);
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c) painter.PaintCell(grid, r, c, grid.CellColour[r][c]);
}

void ToggleAutofill(Settings& settings, PlayState& state) {
    if (settings.AutofillOn == 1) {
        settings.AutofillOn = 0;
    } else {
        settings.AutofillOn = 1;
        state.autofillDue = true;
    }
}

std::optional<std::string> AutofillTick(PlayContext& play) {
    PlayState& state = play.state;
    if (state.view.Held()) return std::nullopt;
    state.autofillDue = false;
    if (play.busy) return std::nullopt;
    AutofillPass(play.grid, play.painter);
    return ShowCheckResult(state, play.geometry, VerifyPuzzle(play.grid));
}

}  // namespace ringlace
