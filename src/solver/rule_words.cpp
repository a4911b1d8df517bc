#include "solver/rule_words.h"

namespace ringlace {

RuleWords StartRuleWords(StartRule rule) {
    switch (rule) {
        case StartRule::Zero:
            return {"zero", "a 0 has no loop edges"};
        case StartRule::CornerOne:
            return {"corner-one", "a 1 in a corner cannot use its two border sides"};
        case StartRule::CornerTwo:
            return {
                "corner-two",
                "a 2 in a corner: the loop leaves the corner along both border cells beside it"};
        case StartRule::AdjacentThrees:
            return {"adjacent-threes",
                    "two 3s side by side: the loop runs along their three parallel sides"};
        case StartRule::DiagonalThrees:
            return {"diagonal-threes",
                    "two 3s on a diagonal: the loop runs round their outer corners"};
        case StartRule::CornerThree:
            return {"corner-three", "a 3 in a corner: the loop runs round the corner"};
        case StartRule::ZeroBesideThree:
            return {"zero-beside-three",
                    "a 0 diagonal to a 3: the loop runs round the 3's corner that touches the 0"};
        case StartRule::ThreeTwoThree:
            return {"three-two-three",
                    "3, 2, 3 on a diagonal: the loop runs round the outer corners of the 3s"};
    }
    return {};
}

namespace {

// The cell rules decide a clue's free sides from its count, or a dot's last edge.
RuleWords CellRuleWords(const Grid& grid, int r, int c, EdgeState value) {
    const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
    if (clue == kNoClue) return {"no-box", "a cell without a number never has four loop edges"};
    if (value == XMark && grid.CountBars(r, c) == clue)
        return {"clue-full", "this number has all its loop edges already"};
    if (value == Bar && CountFreeSides(grid, r, c) == 0 && grid.CountBars(r, c) == clue)
        return {"clue-needs-all", "this number needs every side that is still free"};
    return {"corner-way-on", "the loop reaching this corner has only one way on"};
}

RuleWords NodeRuleWords(const Grid& grid, int i, int j, EdgeState value) {
    if (value == Bar) return {"dot-way-on", "the loop reaching this dot has only one way on"};
    if (NodeBarCount(grid, i, j) == 2)
        return {"dot-full", "this dot has its two loop edges already"};
    return {"dot-dead-end", "the loop cannot pass this dot: it would end there"};
}

}  // namespace

RuleWords LocalRuleWords(LocalRule rule, const Grid& grid, int r, int c, EdgeState value) {
    switch (rule) {
        case LocalRule::CellRules:
            return CellRuleWords(grid, r, c, value);
        case LocalRule::NodeRules:
            return NodeRuleWords(grid, r, c, value);
        case LocalRule::BarsFromColours:
            return {"different-sides",
                    "these two cells are on different sides of the loop, so it runs between them"};
        case LocalRule::CrossesFromColours:
            return {"same-side",
                    "these two cells are on the same side of the loop, so it does not run "
                    "between them"};
        case LocalRule::OnesAboveCrossRight:
        case LocalRule::OnesAboveCrossLeft:
        case LocalRule::OnesBesideCrossAbove:
        case LocalRule::OnesBesideCrossBelow:
            return {"ones-pair",
                    "two 1s side by side with an X going on from their shared edge: that edge "
                    "is not on the loop"};
        case LocalRule::OneTopCrossRight:
        case LocalRule::OneTopCrossLeft:
        case LocalRule::OneLeftCrossAbove:
        case LocalRule::OneLeftCrossBelow:
        case LocalRule::OneRightCrossAbove:
        case LocalRule::OneRightCrossBelow:
        case LocalRule::OneBottomCrossRight:
        case LocalRule::OneBottomCrossLeft:
            return {"one-at-border",
                    "a 1 on the border beside an X on the border: its side at that corner is "
                    "not on the loop"};
        case LocalRule::DiagonalOnesFromUpperLeft:
        case LocalRule::DiagonalOnesFromUpperRight:
        case LocalRule::DiagonalOnesFromLowerRight:
        case LocalRule::DiagonalOnesFromLowerLeft:
            return {"diagonal-ones",
                    "two 1s touching at a corner, one with its loop edge there: the other's far "
                    "sides are not on the loop"};
        case LocalRule::TwoBesideBarredDots:
            return {"two-beside-lines",
                    "a 2 with an X on one side and lines at both dots across from it: the loop "
                    "takes the two sides beside the X"};
        case LocalRule::ThreeAtBarredDots:
            return {"three-at-line",
                    "a 3 with a line arriving at its corner: the loop takes its two sides away "
                    "from that corner"};
        case LocalRule::OneBesideFullDot:
            return {"one-at-full-dot",
                    "a 1 at a dot that has its two loop edges: its sides at that dot are not on "
                    "the loop"};
        case LocalRule::ThreeAtClosedDot:
            return {"three-at-closed-dot",
                    "a 3 at a dot closed on the outside: the loop turns through that dot on the "
                    "3"};
        case LocalRule::TwoAtClosedDot:
            return {"two-at-closed-dot",
                    "a 2 at a dot closed on the outside, with an X at the opposite dot: the loop "
                    "turns at the closed dot"};
        case LocalRule::OneAtClosedDot:
            return {"one-at-closed-dot",
                    "a 1 at a dot closed on the outside: neither side there carries its loop "
                    "edge"};
        case LocalRule::ThreeAlongBottom:
        case LocalRule::ThreeAlongTop:
        case LocalRule::ThreeAlongLeft:
        case LocalRule::ThreeAlongRight:
            return {"three-at-border",
                    "a 3 on the border beside an X on the border: the loop turns at that dot"};
        default:
            // The other rules colour cells; an edge follows from the colours.
            return {"colours", "the colours of the cells around decide this edge"};
    }
}

std::string TrialFailure(const CheckResult& problem) {
    const std::string& m = problem.message;
    const auto starts = [&m](const char* text) { return m.rfind(text, 0) == 0; };
    if (starts("Closed Loop")) return "the loop would close early";
    if (starts("An isolated pink")) return "part of the outside would be shut in";
    if (starts("more than 2 bars")) return "the loop would branch at a dot";
    if (starts("too many bars")) return "a number would get too many loop edges";
    if (starts("not enough free places")) return "a number could not get its loop edges";
    if (starts("boxed")) return "a cell would be boxed in";
    if (starts("3B and 1X")) return "two 3s side by side could not both be met";
    if (m.find("stranded") != std::string::npos) return "a line would run into the border";
    return "the loop would end at a dot";
}

}  // namespace ringlace
