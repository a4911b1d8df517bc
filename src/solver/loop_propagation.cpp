#include "solver/loop_propagation.h"

#include <array>
#include <bit>

#include "solver/cell_colourings.h"

namespace ringlace {

LoopPropagation::LoopPropagation(const LoopGraph& graph)
    : graph_(graph),
      value_(graph.edgeCount + 1, EdgeValue::Unknown),
      dotOn_(graph.dotCount, 0),
      dotUnknown_(graph.dotCount, 0),
      cellOn_(graph.cellCount + 1, 0),
      partner_(graph.dotCount),
      pathLength_(graph.dotCount, 0),
      classes_(graph.cellCount + 1),
      dotColourings_(graph.dotCount, colourings::kAnyAroundDot),
      queued_(graph.dotCount + graph.cellCount, 0),
      conflictWeight_(graph.dotCount, 0) {
    value_[graph.NoEdge()] = EdgeValue::Off;
    for (int dot = 0; dot < graph.dotCount; ++dot) {
        partner_[dot] = dot;
        for (int edge : graph.dotEdges[dot]) dotUnknown_[dot] += edge != graph.NoEdge();
    }
    trail_.reserve(graph.edgeCount);
    pathUndo_.reserve(2 * graph.edgeCount);
    dotUndo_.reserve(4 * graph.dotCount);
    checks_.reserve(queued_.size());
}

bool LoopPropagation::Start() {
    for (int cell = 0; cell < graph_.cellCount; ++cell)
        if (graph_.clue[cell] != kNoClue) Queue(graph_.dotCount + cell);
    return Propagate();
}

bool LoopPropagation::Decide(int edge, EdgeValue value) {
    if (Assign(edge, value)) return Propagate();
    for (int dot : graph_.edgeDots[edge]) Blame(dot, 1);
    return false;
}

bool LoopPropagation::PlaceCell(int cell, bool inside) {
    return Relate(cell, graph_.OutsideCell(), inside ? 1 : 0) && Propagate();
}

void LoopPropagation::UndoTo(const SearchMark& mark) {
    while (trail_.size() > mark.trail) {
        const int edge = trail_.back();
        trail_.pop_back();
        const bool on = value_[edge] == EdgeValue::On;
        value_[edge] = EdgeValue::Unknown;
        onCount_ -= on;
        for (int dot : graph_.edgeDots[edge]) {
            dotOn_[dot] -= on;
            ++dotUnknown_[dot];
        }
        for (int cell : graph_.edgeCells[edge]) cellOn_[cell] -= on;
    }
    while (pathUndo_.size() > mark.paths) {
        const PathEnd& end = pathUndo_.back();
        partner_[end.dot] = end.partner;
        pathLength_[end.dot] = end.length;
        pathUndo_.pop_back();
    }
    classes_.UndoTo(mark.classes);
    while (dotUndo_.size() > mark.dots) {
        dotColourings_[dotUndo_.back().dot] = dotUndo_.back().colourings;
        dotUndo_.pop_back();
    }
    if (closedAt_ >= static_cast<long>(mark.trail)) closedAt_ = -1;
    linkHead_ = trail_.size();
}

bool LoopPropagation::Assign(int edge, EdgeValue value) {
    EdgeValue& current = value_[edge];
    if (current != EdgeValue::Unknown) return current == value;
    current = value;
    trail_.push_back(edge);
    const bool on = value == EdgeValue::On;
    onCount_ += on;
    for (int dot : graph_.edgeDots[edge]) {
        dotOn_[dot] += on;
        --dotUnknown_[dot];
    }
    for (int cell : graph_.edgeCells[edge]) cellOn_[cell] += on;
    return !on || JoinPaths(edge);
}

// The new loop edge joins the paths ending at its two dots (a dot without loop edges is a path of
// length 0 that ends twice at itself).
bool LoopPropagation::JoinPaths(int edge) {
    const int a = graph_.edgeDots[edge][0];
    const int b = graph_.edgeDots[edge][1];
    if (dotOn_[a] > 2 || dotOn_[b] > 2) return false;
    const int endA = dotOn_[a] == 1 ? a : partner_[a];
    const int endB = dotOn_[b] == 1 ? b : partner_[b];
    if (endA == b) return CloseLoop();

    const int length = pathLength_[endA] + pathLength_[endB] + 1;
    pathUndo_.push_back({endA, partner_[endA], pathLength_[endA]});
    pathUndo_.push_back({endB, partner_[endB], pathLength_[endB]});
    partner_[endA] = endB;
    partner_[endB] = endA;
    pathLength_[endA] = length;
    pathLength_[endB] = length;

    // Closing this path while loop edges lie elsewhere would leave them on a second loop.
    const int closing = graph_.EdgeBetween(endA, endB);
    if (onCount_ != length && value_[closing] == EdgeValue::Unknown)
        return Assign(closing, EdgeValue::Off);
    return true;
}

bool LoopPropagation::CloseLoop() {
    const int a = graph_.edgeDots[trail_.back()][0];
    if (onCount_ != pathLength_[a] + 1) return false;
    closedAt_ = static_cast<long>(trail_.size()) - 1;
    for (int edge = 0; edge < graph_.edgeCount; ++edge)
        if (value_[edge] == EdgeValue::Unknown) Assign(edge, EdgeValue::Off);
    return true;
}

// Links decided edges first, since that is cheap and feeds the checks, then runs queued checks,
// until nothing is left to do or something contradicts.
bool LoopPropagation::Propagate() {
    bool consistent = true;
    while (consistent) {
        if (linkHead_ < trail_.size()) {
            const int edge = trail_[linkHead_++];
            const auto& cells = graph_.edgeCells[edge];
            consistent = Relate(cells[0], cells[1], value_[edge] == EdgeValue::On);
            if (!consistent)
                for (int dot : graph_.edgeDots[edge]) Blame(dot, 1);
        } else if (checkHead_ < checks_.size()) {
            const int check = checks_[checkHead_++];
            queued_[check] = 0;
            consistent = RunCheck(check);
            if (consistent) continue;
            if (check < graph_.dotCount) {
                Blame(check, 2);
            } else {
                for (int dot : graph_.cellDots[check - graph_.dotCount]) Blame(dot, 1);
            }
        } else {
            break;
        }
    }
    for (std::size_t k = checkHead_; k < checks_.size(); ++k) queued_[checks_[k]] = 0;
    checks_.clear();
    checkHead_ = 0;
    return consistent;
}

bool LoopPropagation::Relate(int cellA, int cellB, int parity) {
    switch (classes_.Relate(cellA, cellB, parity)) {
        case ParityClasses::Outcome::Contradiction:
            return false;
        case ParityClasses::Outcome::AlreadyKnown:
            return true;
        case ParityClasses::Outcome::Joined:
            break;
    }
    bool consistent = true;
    classes_.ForEachAbsorbed([&](int member) {
        consistent = consistent && DecideEdgesWithin(member);
        QueueChecksOf(member);
    });
    return consistent;
}

// The cell has just joined a class: its edges to other cells of that class are decided now.
bool LoopPropagation::DecideEdgesWithin(int cell) {
    const ParityClasses::Place place = classes_.Find(cell);
    for (int edge : graph_.EdgesOf(cell)) {
        if (value_[edge] != EdgeValue::Unknown) continue;
        const ParityClasses::Place other = classes_.Find(graph_.OtherCell(edge, cell));
        if (other.root != place.root) continue;
        if (!Assign(edge, place.parity != other.parity ? EdgeValue::On : EdgeValue::Off))
            return false;
    }
    return true;
}

// What is known about the cell's side has changed: every dot and clue that involves it may now
// deduce more.
void LoopPropagation::QueueChecksOf(int cell) {
    const auto queueClue = [this](int clueCell) {
        if (graph_.clue[clueCell] != kNoClue) Queue(graph_.dotCount + clueCell);
    };
    if (cell == graph_.OutsideCell()) {
        for (int dot : graph_.borderDots) Queue(dot);
        for (int borderCell : graph_.borderCells) queueClue(borderCell);
        return;
    }
    for (int dot : graph_.cellDots[cell]) Queue(dot);
    queueClue(cell);
    for (int edge : graph_.cellEdges[cell]) queueClue(graph_.OtherCell(edge, cell));
}

void LoopPropagation::Queue(int check) {
    if (queued_[check]) return;
    queued_[check] = 1;
    checks_.push_back(check);
}

bool LoopPropagation::RunCheck(int check) {
    return check < graph_.dotCount ? CheckDot(check) : CheckClue(check - graph_.dotCount);
}

bool LoopPropagation::CheckDot(int dot) {
    return Deduce(graph_.dotCells[dot], dotColourings_[dot]) != 0;
}

// A clue cell and its neighbours, together with what its four corners allow. Besides relations
// between classes this narrows the corners: the colourings that the clue leaves for the three cells
// it shares with a corner dot are the only ones that dot keeps.
bool LoopPropagation::CheckClue(int cell) {
    const auto& edges = graph_.cellEdges[cell];
    const std::array<int, 5> cells = {
        cell, graph_.OtherCell(edges[0], cell), graph_.OtherCell(edges[1], cell),
        graph_.OtherCell(edges[2], cell), graph_.OtherCell(edges[3], cell)};
    const auto& dots = graph_.cellDots[cell];
    // The clue's colourings whose triple at every corner is one the corner still allows.
    std::uint32_t fitting = colourings::kForClue[graph_.clue[cell]];
    for (int corner = 0; corner < 4; ++corner)
        fitting &= colourings::kClueColouringsWith[static_cast<std::size_t>(
            corner)][colourings::TriplesOf(dotColourings_[dots[corner]], corner)];
    const std::uint32_t kept = Deduce(cells, fitting);
    if (kept == 0) return false;
    std::array<std::uint8_t, 4> seen{};
    for (std::uint32_t left = kept; left != 0; left &= left - 1) {
        const int colouring = std::countr_zero(left);
        for (int corner = 0; corner < 4; ++corner) {
            const int triple = colourings::kTripleOfClueCell[corner][colouring];
            seen[corner] |= static_cast<std::uint8_t>((1u << triple) | (1u << (7 - triple)));
        }
    }
    for (int corner = 0; corner < 4; ++corner)
        NarrowDot(dots[corner], colourings::WithTriples(seen[corner], corner));
    return true;
}

void LoopPropagation::NarrowDot(int dot, std::uint16_t colourings) {
    const std::uint16_t old = dotColourings_[dot];
    const std::uint16_t narrowed = old & colourings;
    if (narrowed == old) return;
    dotUndo_.push_back({dot, old});
    dotColourings_[dot] = narrowed;
    Queue(dot);
    for (int cell : graph_.dotCells[dot])
        if (graph_.clue[cell] != kNoClue) Queue(graph_.dotCount + cell);
}

// Keeps, of the colourings `allowed` of the cells, those that put the cells of each class on the
// sides the class says. A relation between two classes that holds in every kept colouring is a
// deduction; none kept is a contradiction. Returns the kept colourings, none on a contradiction.
// Only differences matter, and every set of colourings holds the opposite of each one it holds:
// the first cell's class is fixed, which halves the colourings kept and changes no deduction.
template <std::size_t N>
std::uint32_t LoopPropagation::Deduce(const std::array<int, N>& cells, std::uint32_t allowed) {
    constexpr int kCells = static_cast<int>(N);
    const auto& alike = colourings::kAlike<kCells>;
    std::array<int, N> roots{};
    std::array<std::size_t, N> firstCell{};
    std::array<int, N> parity{};
    int rootCount = 0;
    std::uint32_t kept = allowed;
    for (std::size_t i = 0; i < N; ++i) {
        const ParityClasses::Place place = classes_.Find(cells[i]);
        parity[i] = place.parity;
        int k = 0;
        while (k < rootCount && roots[k] != place.root) ++k;
        if (k == rootCount) {
            roots[rootCount] = place.root;
            firstCell[rootCount++] = i;
            continue;
        }
        const std::size_t j = firstCell[k];
        kept &= parity[i] == parity[j] ? alike[i][j] : ~alike[i][j];
    }
    const std::uint32_t inside = colourings::kInside<kCells>[0];
    kept &= parity[0] != 0 ? inside : ~inside;
    if (kept == 0) return 0;
    for (int u = 1; u < rootCount; ++u) {
        for (int v = 0; v < u; ++v) {
            const std::size_t i = firstCell[u];
            const std::size_t j = firstCell[v];
            const std::uint32_t same = kept & alike[i][j];
            if (same != kept && same != 0) continue;
            const int sides = (same == 0 ? 1 : 0) ^ parity[i] ^ parity[j];
            if (!Relate(roots[u], roots[v], sides)) return 0;
        }
    }
    return kept;
}

}  // namespace ringlace
