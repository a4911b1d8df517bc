#include "solver/clause_loops.h"

#include <bit>

namespace ringlace {

ClauseLoops::ClauseLoops(const LoopGraph& graph)
    : graph_(graph), solver_(graph.edgeCount + graph.cellCount), loopOfDot_(graph.dotCount, -1) {
    AddEdgeClauses();
    AddDotClauses();
    AddClueClauses();
    std::vector<Literal> someEdge;
    for (int edge = 0; edge < graph_.edgeCount; ++edge) someEdge.push_back(TrueLiteral(edge));
    solver_.AddClause(someEdge);
}

// Edge on exactly when its cells differ; the outside is never inside.
void ClauseLoops::AddEdgeClauses() {
    for (int edge = 0; edge < graph_.edgeCount; ++edge) {
        const Literal on = TrueLiteral(edge);
        const auto& cells = graph_.edgeCells[edge];
        if (cells[0] == graph_.OutsideCell() || cells[1] == graph_.OutsideCell()) {
            const int cell = cells[0] == graph_.OutsideCell() ? cells[1] : cells[0];
            const Literal inside = TrueLiteral(CellVariable(cell));
            solver_.AddClause({Negate(on), inside});
            solver_.AddClause({on, Negate(inside)});
            continue;
        }
        const Literal a = TrueLiteral(CellVariable(cells[0]));
        const Literal b = TrueLiteral(CellVariable(cells[1]));
        solver_.AddClause({Negate(on), a, b});
        solver_.AddClause({Negate(on), Negate(a), Negate(b)});
        solver_.AddClause({on, Negate(a), b});
        solver_.AddClause({on, a, Negate(b)});
    }
}

// The cells already make every dot's count even; these say the same of the edges directly (a
// loop edge needs a partner, no three meet), so that it follows from the edges alone.
void ClauseLoops::AddDotClauses() {
    for (int dot = 0; dot < graph_.dotCount; ++dot) {
        std::vector<int> edges;
        for (const int edge : graph_.dotEdges[dot])
            if (edge != graph_.NoEdge()) edges.push_back(edge);
        for (const int edge : edges) {
            std::vector<Literal> partner{FalseLiteral(edge)};
            for (const int other : edges)
                if (other != edge) partner.push_back(TrueLiteral(other));
            solver_.AddClause(partner);
        }
        for (std::size_t a = 0; a < edges.size(); ++a)
            for (std::size_t b = a + 1; b < edges.size(); ++b)
                for (std::size_t c = b + 1; c < edges.size(); ++c)
                    solver_.AddClause(
                        {FalseLiteral(edges[a]), FalseLiteral(edges[b]), FalseLiteral(edges[c])});
    }
}

// Every way to set a clue cell's four sides with the wrong number on is ruled out.
void ClauseLoops::AddClueClauses() {
    for (int cell = 0; cell < graph_.cellCount; ++cell) {
        const ClueValue clue = graph_.clue[cell];
        if (clue == kNoClue) continue;
        const auto& sides = graph_.cellEdges[cell];
        for (unsigned bits = 0; bits < 16; ++bits) {
            if (std::popcount(bits) == clue) continue;
            std::vector<Literal> clause;
            for (int k = 0; k < 4; ++k)
                clause.push_back((bits >> k) & 1 ? FalseLiteral(sides[k]) : TrueLiteral(sides[k]));
            solver_.AddClause(clause);
        }
    }
}

void ClauseLoops::Agree(const Grid& grid) {
    ForEachEntry(
        graph_, grid,
        [this](int edge, bool on) {
            return solver_.AddClause({on ? TrueLiteral(edge) : FalseLiteral(edge)});
        },
        [this](int cell, bool inside) {
            const int var = CellVariable(cell);
            return solver_.AddClause({inside ? TrueLiteral(var) : FalseLiteral(var)});
        });
}

// No other single loop holds every edge of this one.
void ClauseLoops::Exclude(const std::vector<std::uint8_t>& onEdges) {
    std::vector<Literal> clause;
    for (int edge = 0; edge < graph_.edgeCount; ++edge)
        if (onEdges[edge]) clause.push_back(FalseLiteral(edge));
    solver_.AddClause(clause);
}

ClauseLoops::Answer ClauseLoops::Next(std::vector<std::uint8_t>& onEdges,
                                      const std::function<bool()>& stop) {
    onEdges.assign(graph_.edgeCount, 0);
    for (;;) {
        switch (solver_.Solve(stop)) {
            case ClauseSolver::Answer::Unsatisfiable:
                return Answer::None;
            case ClauseSolver::Answer::Stopped:
                return Answer::Stopped;
            case ClauseSolver::Answer::Satisfiable:
                break;
        }
        for (int edge = 0; edge < graph_.edgeCount; ++edge) onEdges[edge] = solver_.Value(edge);
        const std::vector<std::vector<int>> loops = SplitLoops(onEdges);
        if (loops.size() == 1) return Answer::Found;
        // A single loop through an edge of loop a and one of loop b crosses the edges that leave
        // the dots of a.
        for (std::size_t a = 0; a < loops.size(); ++a) {
            std::vector<Literal> leaving;
            for (const int edge : loops[a])
                for (const int dot : graph_.edgeDots[edge])
                    for (const int out : graph_.dotEdges[dot]) {
                        if (out == graph_.NoEdge()) continue;
                        const auto& ends = graph_.edgeDots[out];
                        if (loopOfDot_[ends[0]] != static_cast<int>(a) ||
                            loopOfDot_[ends[1]] != static_cast<int>(a))
                            leaving.push_back(TrueLiteral(out));
                    }
            for (std::size_t b = 0; b < loops.size(); ++b) {
                if (b == a) continue;
                std::vector<Literal> clause = leaving;
                clause.push_back(FalseLiteral(loops[a][0]));
                clause.push_back(FalseLiteral(loops[b][0]));
                solver_.AddClause(clause);
            }
        }
    }
}

std::vector<std::vector<int>> ClauseLoops::SplitLoops(const std::vector<std::uint8_t>& onEdges) {
    std::vector<std::vector<int>> loops;
    std::fill(loopOfDot_.begin(), loopOfDot_.end(), -1);
    for (int start = 0; start < graph_.edgeCount; ++start) {
        if (!onEdges[start] || loopOfDot_[graph_.edgeDots[start][0]] >= 0) continue;
        const int number = static_cast<int>(loops.size());
        std::vector<int>& loop = loops.emplace_back();
        int edge = start;
        int dot = graph_.edgeDots[start][0];
        do {
            loop.push_back(edge);
            loopOfDot_[dot] = number;
            const auto& ends = graph_.edgeDots[edge];
            dot = ends[0] == dot ? ends[1] : ends[0];
            int next = edge;
            for (const int out : graph_.dotEdges[dot])
                if (out != graph_.NoEdge() && out != edge && onEdges[out]) next = out;
            edge = next;
        } while (edge != start);
    }
    return loops;
}

}  // namespace ringlace
