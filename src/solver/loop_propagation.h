// The state of one loop search: what is known about every edge, kept consistent by propagation and
// taken back through an undo trail, so that a search never copies it.
//
// Propagation reasons about sides of the loop. Every cell lies inside or outside, and an edge is on
// the loop exactly when the cells on its two sides differ. Decided edges relate cells, related
// cells decide edges, and every dot and every clue cell deduces what it can from what is known
// about its few cells: the four cells around a dot never alternate (four loop edges would meet
// there), and a clue cell differs from exactly clue-many of its neighbours. A dot also remembers
// which colourings of its cells the clue cells around it have ruled out, which carries reasoning
// from a clue over a corner to the next clue. Beside that, the loop edges form paths whose ends are
// tracked, so that no path closes into a loop while loop edges lie elsewhere, and once the loop
// closes every other edge is off.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/loop_graph.h"
#include "solver/parity_classes.h"

namespace ringlace {

enum class EdgeValue : std::uint8_t { Unknown, On, Off };

// A point of the search to come back to.
struct SearchMark {
    std::size_t trail = 0;
    std::size_t paths = 0;
    std::size_t classes = 0;
    std::size_t dots = 0;
};

class LoopPropagation {
public:
    explicit LoopPropagation(const LoopGraph& graph);

    // Applies what the clues alone force. False when they contradict each other.
    bool Start();
    // Sets one edge and everything that follows from it. False on a contradiction; the state is
    // then only good for UndoTo.
    bool Decide(int edge, EdgeValue value);
    // Places a cell inside or outside the loop, and everything that follows. False on a
    // contradiction, as Decide.
    bool PlaceCell(int cell, bool inside);
    SearchMark Mark() const {
        return {trail_.size(), pathUndo_.size(), classes_.Mark(), dotUndo_.size()};
    }
    void UndoTo(const SearchMark& mark);

    // The loop is closed and consistent with every clue: a solution.
    bool Closed() const { return closedAt_ >= 0; }
    EdgeValue Value(int edge) const { return value_[edge]; }
    int OnCount() const { return onCount_; }
    int DotOn(int dot) const { return dotOn_[dot]; }
    int DotUnknown(int dot) const { return dotUnknown_[dot]; }
    int CellOn(int cell) const { return cellOn_[cell]; }
    // For a dot that ends a path: the dot at the other end, and the path's number of edges.
    int PathPartner(int end) const { return partner_[end]; }
    int PathLength(int end) const { return pathLength_[end]; }
    // How often contradictions were found at or next to the dot; it only grows, across undos, and
    // tells a search where the puzzle is hard.
    std::uint32_t ConflictWeight(int dot) const { return conflictWeight_[dot]; }

private:
    struct PathEnd {
        int dot;
        int partner;
        int length;
    };
    struct DotColourings {
        int dot;
        std::uint16_t colourings;
    };

    bool Assign(int edge, EdgeValue value);
    bool JoinPaths(int edge);
    bool CloseLoop();
    bool Propagate();
    bool Relate(int cellA, int cellB, int parity);
    bool DecideEdgesWithin(int cell);
    void QueueChecksOf(int cell);
    void Queue(int check);
    bool RunCheck(int check);
    bool CheckDot(int dot);
    bool CheckClue(int cell);
    void NarrowDot(int dot, std::uint16_t colourings);
    template <std::size_t N>
    std::uint32_t Deduce(const std::array<int, N>& cells, std::uint32_t allowed);
    void Blame(int dot, std::uint32_t weight) { conflictWeight_[dot] += weight; }

    const LoopGraph& graph_;
    std::vector<EdgeValue> value_;  // by edge, with the stand-in edge always Off
    std::vector<std::uint8_t> dotOn_;
    std::vector<std::uint8_t> dotUnknown_;
    std::vector<std::uint8_t> cellOn_;  // by cell, with the outside last
    std::vector<int> partner_;
    std::vector<int> pathLength_;
    std::vector<int> trail_;  // edges in the order they were set; also the queue of edges to link
    std::size_t linkHead_ = 0;
    std::vector<PathEnd> pathUndo_;
    ParityClasses classes_;  // cells by side of the loop, the outside last
    // By dot: the colourings of its four cells still possible (see cell_colourings.h).
    std::vector<std::uint16_t> dotColourings_;
    std::vector<DotColourings> dotUndo_;
    // Checks waiting to run: dots by number, then clue cells after them.
    std::vector<int> checks_;
    std::size_t checkHead_ = 0;
    std::vector<std::uint8_t> queued_;
    std::vector<std::uint32_t> conflictWeight_;
    int onCount_ = 0;
    long closedAt_ = -1;  // trail position of the edge that closed the loop
};

}  // namespace ringlace
