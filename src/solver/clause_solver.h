// A small satisfiability solver over clauses (conflict-driven, with learned clauses, activity-led
// choices and restarts). The loop counter falls back on it for the clue sets its own search finds
// hard: what a dead end teaches is kept as a clause, so the same dead end is not walked twice.
//
// Clauses can be added between searches, and what was learned stays valid, so a caller can find
// an assignment, rule it or part of it out, and search again.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace ringlace {

// Variable v true is the literal 2v, false is 2v + 1.
using Literal = int;
constexpr Literal TrueLiteral(int var) {
    return 2 * var;
}
constexpr Literal FalseLiteral(int var) {
    return 2 * var + 1;
}
constexpr Literal Negate(Literal literal) {
    return literal ^ 1;
}

class ClauseSolver {
public:
    enum class Answer { Satisfiable, Unsatisfiable, Stopped };

    explicit ClauseSolver(int variables);

    // Adds a clause (any order, repeats allowed). False once the clauses are known to contradict.
    bool AddClause(std::vector<Literal> literals);
    // Searches for an assignment that satisfies every clause. The search asks `stop` every few
    // dozen steps and ends with Stopped when it says so; a later Solve goes on from what was
    // learned.
    Answer Solve(const std::function<bool()>& stop);
    // The variable's value in the assignment the last Satisfiable answer found.
    bool Value(int var) const { return model_[var] != 0; }

private:
    struct Clause {
        std::vector<Literal> literals;  // the two watched ones first; a reason's implied one first
        bool learned = false;
        int levels = 0;  // distinct decision levels among the literals when it was learned
        double activity = 0;
    };
    struct Watch {
        int clause;
        Literal blocker;  // another literal of the clause; when true, the clause needs no look
    };
    enum : std::int8_t { kFalse = -1, kUnknown = 0, kTrue = 1 };

    std::int8_t LiteralValue(Literal literal) const { return value_[literal]; }
    int Level() const { return static_cast<int>(levelStarts_.size()); }
    void Assign(Literal literal, int reason);
    // Unit propagation; the clause found false, or -1.
    int Propagate();
    void Analyze(int conflict, std::vector<Literal>& learned, int& backLevel);
    bool Redundant(Literal literal) const;
    void BackTo(int level);
    int NextVariable();
    int AttachClause(std::vector<Literal> literals, bool learned);
    void DropLearnedClauses();
    void BumpVariable(int var);
    void BumpClause(Clause& clause);
    // The activity heap: variables ordered by activity, the highest on top.
    void HeapInsert(int var);
    void HeapUp(int position);
    void HeapDown(int position);
    int HeapPop();

    int variables_;
    bool contradiction_ = false;
    std::vector<Clause> clauses_;
    std::vector<std::vector<Watch>> watches_;  // by literal: the clauses watching it
    std::vector<std::int8_t> value_;           // by literal
    std::vector<int> level_;                   // by variable
    std::vector<int> reason_;                  // by variable: the clause that implied it, or -1
    std::vector<std::uint8_t> phase_;          // by variable: the value it had last
    std::vector<std::uint8_t> seen_;           // by variable, during Analyze
    std::vector<Literal> trail_;
    std::vector<int> levelStarts_;
    std::size_t propagated_ = 0;
    std::vector<double> activity_;
    double variableIncrement_ = 1;
    double clauseIncrement_ = 1;
    std::vector<int> heap_;
    std::vector<int> heapPosition_;  // by variable; -1 when not in the heap
    std::vector<std::uint8_t> model_;
    std::size_t learnedLimit_ = 0;
    std::size_t learnedCount_ = 0;
    std::uint64_t conflicts_ = 0;
    unsigned restarts_ = 0;
};

}  // namespace ringlace
