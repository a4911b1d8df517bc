// The solver's rules in plain words, as a hint names them: a short key for scripts and the words
// for the status line.
#pragma once

#include <string>

#include "model/grid.h"
#include "solver/checks.h"
#include "solver/rule_visits.h"

namespace ringlace {

struct RuleWords {
    std::string key;    // "zero", "cell-count", ...
    std::string words;  // "a 0 has no loop edges"
};

RuleWords StartRuleWords(StartRule rule);

// The words of a local rule that wrote `value` at the cell (the dot, for the dot rules) it
// visited, the grid as the write left it.
RuleWords LocalRuleWords(LocalRule rule, const Grid& grid, int r, int c, EdgeState value);

// Why a trial failed, from the verification's problem: "the loop would close early", ...
std::string TrialFailure(const CheckResult& problem);

}  // namespace ringlace
