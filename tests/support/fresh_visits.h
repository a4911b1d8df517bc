// Runs a pass of local rules the way a first run of the colour engine does: every cell visited.
#pragma once

#include "model/grid.h"
#include "solver/rule_visits.h"

namespace ringlace::test {

template <typename Pass>
void RunFresh(Grid& grid, Pass pass) {
    RuleVisits visits(grid);
    pass(grid, visits);
}

}  // namespace ringlace::test
