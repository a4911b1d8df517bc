#include "solver/clause_solver.h"

#include <algorithm>

#include "solver/luby.h"

namespace ringlace {

namespace {

constexpr double kVariableDecay = 0.95;
constexpr double kClauseDecay = 0.999;
constexpr double kRescaleAbove = 1e100;
// Restarts after Luby(n) times this many conflicts: many short searches, now and then a long one.
constexpr std::uint64_t kRestartUnit = 100;
// Learned clauses kept before the less useful half goes, and its growth at each clean-up.
constexpr std::size_t kFirstLearnedLimit = 4000;
constexpr double kLearnedGrowth = 1.2;
// Clauses over this few decision levels join the reasoning so often that they are always kept.
constexpr int kAlwaysKeptLevels = 2;
// How often the search asks whether to stop, in conflicts and choices together.
constexpr std::uint64_t kStepsPerStopCheck = 64;

}  // namespace

ClauseSolver::ClauseSolver(int variables)
    : variables_(variables),
      watches_(2 * static_cast<std::size_t>(variables)),
      value_(2 * static_cast<std::size_t>(variables), kUnknown),
      level_(variables, 0),
      reason_(variables, -1),
      phase_(variables, 0),
      seen_(variables, 0),
      activity_(variables, 0),
      heapPosition_(variables, -1),
      model_(variables, 0),
      learnedLimit_(kFirstLearnedLimit) {
    for (int var = 0; var < variables; ++var) HeapInsert(var);
}

bool ClauseSolver::AddClause(std::vector<Literal> literals) {
    if (contradiction_) return false;
    BackTo(0);
    std::sort(literals.begin(), literals.end());
    literals.erase(std::unique(literals.begin(), literals.end()), literals.end());
    std::vector<Literal> open;
    for (std::size_t k = 0; k < literals.size(); ++k) {
        const Literal literal = literals[k];
        const bool tautology = k + 1 < literals.size() && literals[k + 1] == Negate(literal);
        if (tautology || LiteralValue(literal) == kTrue) return true;
        if (LiteralValue(literal) == kUnknown) open.push_back(literal);
    }
    if (open.empty()) {
        contradiction_ = true;
    } else if (open.size() == 1) {
        Assign(open[0], -1);
        contradiction_ = Propagate() >= 0;
    } else {
        AttachClause(std::move(open), false);
    }
    return !contradiction_;
}

ClauseSolver::Answer ClauseSolver::Solve(const std::function<bool()>& stop) {
    if (contradiction_) return Answer::Unsatisfiable;
    BackTo(0);
    std::uint64_t steps = 0;
    std::uint64_t restartAt = conflicts_ + kRestartUnit * Luby(restarts_ + 1);
    std::vector<Literal> learned;
    for (;;) {
        if (++steps % kStepsPerStopCheck == 0 && stop()) return Answer::Stopped;
        const int conflict = Propagate();
        if (conflict >= 0) {
            ++conflicts_;
            if (Level() == 0) {
                contradiction_ = true;
                return Answer::Unsatisfiable;
            }
            int backLevel = 0;
            Analyze(conflict, learned, backLevel);
            BackTo(backLevel);
            if (learned.size() == 1) {
                Assign(learned[0], -1);
            } else {
                const int clause = AttachClause(learned, true);
                Assign(learned[0], clause);
            }
            variableIncrement_ /= kVariableDecay;
            clauseIncrement_ /= kClauseDecay;
            continue;
        }
        if (conflicts_ >= restartAt) {
            BackTo(0);
            ++restarts_;
            restartAt = conflicts_ + kRestartUnit * Luby(restarts_ + 1);
            if (learnedCount_ > learnedLimit_) DropLearnedClauses();
            continue;
        }
        const int var = NextVariable();
        if (var < 0) {
            for (int v = 0; v < variables_; ++v) model_[v] = LiteralValue(TrueLiteral(v)) == kTrue;
            return Answer::Satisfiable;
        }
        levelStarts_.push_back(static_cast<int>(trail_.size()));
        Assign(phase_[var] ? TrueLiteral(var) : FalseLiteral(var), -1);
    }
}

void ClauseSolver::Assign(Literal literal, int reason) {
    const int var = literal >> 1;
    value_[literal] = kTrue;
    value_[Negate(literal)] = kFalse;
    level_[var] = Level();
    reason_[var] = reason;
    trail_.push_back(literal);
}

int ClauseSolver::Propagate() {
    while (propagated_ < trail_.size()) {
        const Literal falsified = Negate(trail_[propagated_++]);
        std::vector<Watch>& watches = watches_[falsified];
        std::size_t kept = 0;
        for (std::size_t next = 0; next < watches.size(); ++next) {
            const Watch watch = watches[next];
            if (LiteralValue(watch.blocker) == kTrue) {
                watches[kept++] = watch;
                continue;
            }
            std::vector<Literal>& literals = clauses_[watch.clause].literals;
            if (literals[0] == falsified) std::swap(literals[0], literals[1]);
            const Literal first = literals[0];
            if (LiteralValue(first) == kTrue) {
                watches[kept++] = {watch.clause, first};
                continue;
            }
            bool moved = false;
            for (std::size_t k = 2; k < literals.size(); ++k) {
                if (LiteralValue(literals[k]) == kFalse) continue;
                std::swap(literals[1], literals[k]);
                watches_[literals[1]].push_back({watch.clause, first});
                moved = true;
                break;
            }
            if (moved) continue;
            watches[kept++] = watch;
            if (LiteralValue(first) == kFalse) {
                while (++next < watches.size()) watches[kept++] = watches[next];
                watches.resize(kept);
                propagated_ = trail_.size();
                return watch.clause;
            }
            Assign(first, watch.clause);
        }
        watches.resize(kept);
    }
    return -1;
}

// The first cut through the conflict that holds one literal of the last level: its negation is
// the learned clause's first literal, implied again as soon as the search backs up.
void ClauseSolver::Analyze(int conflict, std::vector<Literal>& learned, int& backLevel) {
    learned.assign(1, 0);
    int open = 0;
    Literal implied = -1;
    std::size_t index = trail_.size();
    do {
        Clause& clause = clauses_[conflict];
        if (clause.learned) BumpClause(clause);
        for (std::size_t k = implied < 0 ? 0 : 1; k < clause.literals.size(); ++k) {
            const Literal literal = clause.literals[k];
            const int var = literal >> 1;
            if (seen_[var] || level_[var] == 0) continue;
            seen_[var] = 1;
            BumpVariable(var);
            if (level_[var] == Level())
                ++open;
            else
                learned.push_back(literal);
        }
        while (!seen_[trail_[--index] >> 1]) {
        }
        implied = trail_[index];
        conflict = reason_[implied >> 1];
        seen_[implied >> 1] = 0;
        --open;
    } while (open > 0);
    learned[0] = Negate(implied);

    std::vector<Literal> marked(learned.begin() + 1, learned.end());
    learned.erase(std::remove_if(learned.begin() + 1, learned.end(),
                                 [this](Literal literal) { return Redundant(literal); }),
                  learned.end());
    for (const Literal literal : marked) seen_[literal >> 1] = 0;

    backLevel = 0;
    std::size_t deepest = 1;
    for (std::size_t k = 1; k < learned.size(); ++k) {
        if (level_[learned[k] >> 1] > backLevel) {
            backLevel = level_[learned[k] >> 1];
            deepest = k;
        }
    }
    if (learned.size() > 1) std::swap(learned[1], learned[deepest]);
}

// A literal whose reason holds only literals already in the clause (or fixed from the start) adds
// nothing to it.
bool ClauseSolver::Redundant(Literal literal) const {
    const int reason = reason_[literal >> 1];
    if (reason < 0) return false;
    const std::vector<Literal>& literals = clauses_[reason].literals;
    for (std::size_t k = 1; k < literals.size(); ++k) {
        const int var = literals[k] >> 1;
        if (!seen_[var] && level_[var] > 0) return false;
    }
    return true;
}

void ClauseSolver::BackTo(int level) {
    if (Level() <= level) return;
    const std::size_t start = static_cast<std::size_t>(levelStarts_[level]);
    for (std::size_t k = trail_.size(); k-- > start;) {
        const Literal literal = trail_[k];
        const int var = literal >> 1;
        phase_[var] = (literal & 1) == 0;
        value_[literal] = kUnknown;
        value_[Negate(literal)] = kUnknown;
        reason_[var] = -1;
        if (heapPosition_[var] < 0) HeapInsert(var);
    }
    trail_.resize(start);
    levelStarts_.resize(level);
    propagated_ = start;
}

int ClauseSolver::NextVariable() {
    while (!heap_.empty()) {
        const int var = HeapPop();
        if (LiteralValue(TrueLiteral(var)) == kUnknown) return var;
    }
    return -1;
}

int ClauseSolver::AttachClause(std::vector<Literal> literals, bool learned) {
    int levels = 0;
    if (learned) {
        std::vector<int> seenLevels;
        for (const Literal literal : literals) seenLevels.push_back(level_[literal >> 1]);
        std::sort(seenLevels.begin(), seenLevels.end());
        levels = static_cast<int>(std::unique(seenLevels.begin(), seenLevels.end()) -
                                  seenLevels.begin());
        ++learnedCount_;
    }
    const int index = static_cast<int>(clauses_.size());
    watches_[literals[0]].push_back({index, literals[1]});
    watches_[literals[1]].push_back({index, literals[0]});
    clauses_.push_back({std::move(literals), learned, levels, learned ? clauseIncrement_ : 0});
    return index;
}

// At the start of a search (level 0, so no learned clause is the reason of anything the search
// could take back): keeps the clauses given, the learned ones over few levels and the more active
// half of the rest, and rebuilds the watches.
void ClauseSolver::DropLearnedClauses() {
    std::vector<double> activities;
    for (const Clause& clause : clauses_)
        if (clause.learned && clause.levels > kAlwaysKeptLevels)
            activities.push_back(clause.activity);
    double median = 0;
    if (!activities.empty()) {
        std::nth_element(activities.begin(), activities.begin() + activities.size() / 2,
                         activities.end());
        median = activities[activities.size() / 2];
    }
    std::vector<Clause> kept;
    learnedCount_ = 0;
    for (Clause& clause : clauses_) {
        if (clause.learned && clause.levels > kAlwaysKeptLevels && clause.activity < median)
            continue;
        learnedCount_ += clause.learned;
        kept.push_back(std::move(clause));
    }
    clauses_ = std::move(kept);
    for (std::vector<Watch>& watches : watches_) watches.clear();
    for (std::size_t index = 0; index < clauses_.size(); ++index) {
        const std::vector<Literal>& literals = clauses_[index].literals;
        watches_[literals[0]].push_back({static_cast<int>(index), literals[1]});
        watches_[literals[1]].push_back({static_cast<int>(index), literals[0]});
    }
    for (const Literal literal : trail_) reason_[literal >> 1] = -1;
    learnedLimit_ = static_cast<std::size_t>(static_cast<double>(learnedLimit_) * kLearnedGrowth);
}

void ClauseSolver::BumpVariable(int var) {
    activity_[var] += variableIncrement_;
    if (activity_[var] > kRescaleAbove) {
        for (double& activity : activity_) activity /= kRescaleAbove;
        variableIncrement_ /= kRescaleAbove;
    }
    if (heapPosition_[var] >= 0) HeapUp(heapPosition_[var]);
}

void ClauseSolver::BumpClause(Clause& clause) {
    clause.activity += clauseIncrement_;
    if (clause.activity > kRescaleAbove) {
        for (Clause& each : clauses_) each.activity /= kRescaleAbove;
        clauseIncrement_ /= kRescaleAbove;
    }
}

void ClauseSolver::HeapInsert(int var) {
    heapPosition_[var] = static_cast<int>(heap_.size());
    heap_.push_back(var);
    HeapUp(heapPosition_[var]);
}

void ClauseSolver::HeapUp(int position) {
    const int var = heap_[position];
    while (position > 0) {
        const int parent = (position - 1) / 2;
        if (activity_[heap_[parent]] >= activity_[var]) break;
        heap_[position] = heap_[parent];
        heapPosition_[heap_[position]] = position;
        position = parent;
    }
    heap_[position] = var;
    heapPosition_[var] = position;
}

void ClauseSolver::HeapDown(int position) {
    const int var = heap_[position];
    const int size = static_cast<int>(heap_.size());
    for (;;) {
        int child = 2 * position + 1;
        if (child >= size) break;
        if (child + 1 < size && activity_[heap_[child + 1]] > activity_[heap_[child]]) ++child;
        if (activity_[heap_[child]] <= activity_[var]) break;
        heap_[position] = heap_[child];
        heapPosition_[heap_[position]] = position;
        position = child;
    }
    heap_[position] = var;
    heapPosition_[var] = position;
}

int ClauseSolver::HeapPop() {
    const int top = heap_[0];
    heapPosition_[top] = -1;
    const int last = heap_.back();
    heap_.pop_back();
    if (!heap_.empty()) {
        heap_[0] = last;
        heapPosition_[last] = 0;
        HeapDown(0);
    }
    return top;
}

}  // namespace ringlace
