#include "solver/open_regions.h"

#include <algorithm>

namespace ringlace {

OpenRegions::OpenRegions(const LoopGraph& graph) : graph_(graph), regionOf_(graph.dotCount, -1) {
    endsInRegion_.reserve(graph.dotCount);
    stack_.reserve(graph.dotCount);
}

bool OpenRegions::CanJoin(const LoopPropagation& state) {
    if (state.OnCount() == 0) return true;
    std::fill(regionOf_.begin(), regionOf_.end(), -1);
    endsInRegion_.clear();
    for (int dot = 0; dot < graph_.dotCount; ++dot) {
        if (regionOf_[dot] >= 0 || state.DotUnknown(dot) == 0) continue;
        if (!MarkRegion(state, dot, static_cast<int>(endsInRegion_.size()))) return false;
    }
    // Edges of a region without path ends cannot join the loop.
    for (int cell = 0; cell < graph_.cellCount; ++cell) {
        const int need = graph_.clue[cell] - state.CellOn(cell);
        if (need <= 0) continue;
        int reachable = 0;
        for (int edge : graph_.cellEdges[cell]) {
            if (state.Value(edge) != EdgeValue::Unknown) continue;
            reachable += endsInRegion_[regionOf_[graph_.edgeDots[edge][0]]] > 0;
        }
        if (reachable < need) return false;
    }
    return true;
}

bool OpenRegions::MarkRegion(const LoopPropagation& state, int dot, int region) {
    int ends = 0;
    int firstEnd = -1;
    int secondEnd = -1;
    stack_.clear();
    stack_.push_back(dot);
    regionOf_[dot] = region;
    while (!stack_.empty()) {
        const int current = stack_.back();
        stack_.pop_back();
        if (state.DotOn(current) == 1) {
            ++ends;
            (firstEnd < 0 ? firstEnd : secondEnd) = current;
        }
        for (int edge : graph_.dotEdges[current]) {
            if (state.Value(edge) != EdgeValue::Unknown) continue;
            const auto& edgeEnds = graph_.edgeDots[edge];
            const int next = edgeEnds[0] == current ? edgeEnds[1] : edgeEnds[0];
            if (regionOf_[next] >= 0) continue;
            regionOf_[next] = region;
            stack_.push_back(next);
        }
    }
    endsInRegion_.push_back(ends);
    if (ends % 2 != 0) return false;
    return !(ends == 2 && state.PathPartner(firstEnd) == secondEnd &&
             state.PathLength(firstEnd) != state.OnCount());
}

}  // namespace ringlace
