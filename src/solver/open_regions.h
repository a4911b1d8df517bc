// A search-time check that the paths drawn so far can still be joined into one loop. The edges not
// yet decided split the dots into regions; the paths can only continue inside them. A region then
// needs an even number of path ends (ends pair up inside it), a region whose only two ends belong
// to the same path can only close that path, which must then be the whole loop, and a clue cell
// that still needs loop edges must find them in regions the paths reach.
//
// These are cheap to test from scratch but do not fit the propagation's local checks; without them
// a search can wall a path end in and explore the walled-in part at length before it finds out.
#pragma once

#include <vector>

#include "solver/loop_graph.h"
#include "solver/loop_propagation.h"

namespace ringlace {

class OpenRegions {
public:
    explicit OpenRegions(const LoopGraph& graph);

    // False when the state cannot become a single loop for one of the reasons above.
    bool CanJoin(const LoopPropagation& state);

private:
    // Marks the region around the dot and says whether it passes the path-end tests.
    bool MarkRegion(const LoopPropagation& state, int dot, int region);

    const LoopGraph& graph_;
    std::vector<int> regionOf_;      // by dot; -1 for a dot no undecided edge touches
    std::vector<int> endsInRegion_;  // by region
    std::vector<int> stack_;
};

}  // namespace ringlace
