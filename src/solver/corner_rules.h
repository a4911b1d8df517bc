// Edge rules from a cell's clue, the states of its sides and the bars already at its corner dots.
// Each rule block sweeps the cells of one clue; the blocks run in a fixed order.
#pragma once

#include "model/grid.h"
#include "solver/rule_visits.h"

namespace ringlace {

void CornerRules(Grid& grid, RuleVisits& visits);

}  // namespace ringlace
