// The puzzle as clauses, for the clause solver: one variable for every edge (on the loop) and one
// for every cell (inside it). An edge is on exactly when its two cells differ, every dot has none
// or two loop edges, every clue cell has its clue's number. That admits any set of separate
// loops; a solution made of several is ruled out as it turns up, by a clause that a single loop
// holding two of them must leave the dots of one of them somewhere.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/grid.h"
#include "solver/clause_solver.h"
#include "solver/loop_graph.h"

namespace ringlace {

class ClauseLoops {
public:
    enum class Answer { Found, None, Stopped };

    explicit ClauseLoops(const LoopGraph& graph);

    // Only loops that agree with what the grid holds: its Bars on the loop, its X marks off it,
    // its Yellow cells inside and its Pink cells outside.
    void Agree(const Grid& grid);
    // Rules out one loop, given as the on-edges by edge number.
    void Exclude(const std::vector<std::uint8_t>& onEdges);
    // Finds a single loop not ruled out and puts its edges in onEdges (1 for on, by edge number).
    Answer Next(std::vector<std::uint8_t>& onEdges, const std::function<bool()>& stop);

private:
    int CellVariable(int cell) const { return graph_.edgeCount + cell; }
    void AddEdgeClauses();
    void AddDotClauses();
    void AddClueClauses();
    // The separate loops of the solver's assignment, each as its edges; their dots are marked in
    // loopOfDot_ with the loop's number.
    std::vector<std::vector<int>> SplitLoops(const std::vector<std::uint8_t>& onEdges);

    const LoopGraph& graph_;
    ClauseSolver solver_;
    std::vector<int> loopOfDot_;
};

}  // namespace ringlace
