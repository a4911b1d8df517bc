// The clause solver against brute force on small random clause sets, each solved again and again
// as clauses are added (so what it learned must stay sound), and on a set whose refutation needs
// learning: more pigeons than holes.
#include "solver/clause_solver.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace ringlace {
namespace {

using Clauses = std::vector<std::vector<Literal>>;

bool Satisfies(const Clauses& clauses, unsigned assignment) {
    for (const std::vector<Literal>& clause : clauses) {
        bool satisfied = false;
        for (const Literal literal : clause)
            satisfied = satisfied || ((assignment >> (literal >> 1)) & 1) == ((literal & 1) == 0);
        if (!satisfied) return false;
    }
    return true;
}

bool BruteForceSatisfiable(const Clauses& clauses, int variables) {
    for (unsigned assignment = 0; assignment < (1u << variables); ++assignment)
        if (Satisfies(clauses, assignment)) return true;
    return false;
}

const auto kNeverStop = [] { return false; };

TEST(ClauseSolverTest, AgreesWithBruteForceAsClausesAreAdded) {
    std::mt19937 random(7);
    constexpr int kVariables = 10;
    int satisfiable = 0;
    int unsatisfiable = 0;
    for (int set = 0; set < 300; ++set) {
        ClauseSolver solver(kVariables);
        Clauses clauses;
        bool contradiction = false;
        // Clauses of two to four literals, up to four per variable: about half of the sets turn
        // from satisfiable to unsatisfiable along the way.
        for (int added = 0; added < 40 && !contradiction; ++added) {
            std::vector<Literal> clause;
            const int size = 2 + static_cast<int>(random() % 3);
            for (int k = 0; k < size; ++k)
                clause.push_back(static_cast<Literal>(random() % (2 * kVariables)));
            clauses.push_back(clause);
            const bool kept = solver.AddClause(clause);
            const bool expected = BruteForceSatisfiable(clauses, kVariables);
            if (!kept) {
                EXPECT_FALSE(expected) << "set " << set << " clause " << added;
                contradiction = true;
                continue;
            }
            const ClauseSolver::Answer answer = solver.Solve(kNeverStop);
            ASSERT_EQ(answer == ClauseSolver::Answer::Satisfiable, expected)
                << "set " << set << " clause " << added;
            if (!expected) {
                contradiction = true;
                continue;
            }
            unsigned assignment = 0;
            for (int var = 0; var < kVariables; ++var)
                assignment |= static_cast<unsigned>(solver.Value(var)) << var;
            EXPECT_TRUE(Satisfies(clauses, assignment)) << "set " << set << " clause " << added;
        }
        (contradiction ? unsatisfiable : satisfiable) += 1;
    }
    EXPECT_GT(satisfiable, 100);
    EXPECT_GT(unsatisfiable, 100);
}

// Seven pigeons, six holes: every pigeon in some hole, no hole with two. Unsatisfiable, and a
// search without learning would walk thousands of dead ends; the solver is stopped when asked.
TEST(ClauseSolverTest, RefutesPigeonsAndStopsWhenAsked) {
    constexpr int kPigeons = 7;
    constexpr int kHoles = 6;
    const auto in = [](int pigeon, int hole) { return pigeon * kHoles + hole; };
    ClauseSolver solver(kPigeons * kHoles);
    for (int pigeon = 0; pigeon < kPigeons; ++pigeon) {
        std::vector<Literal> somewhere;
        for (int hole = 0; hole < kHoles; ++hole)
            somewhere.push_back(TrueLiteral(in(pigeon, hole)));
        solver.AddClause(somewhere);
    }
    for (int hole = 0; hole < kHoles; ++hole)
        for (int a = 0; a < kPigeons; ++a)
            for (int b = a + 1; b < kPigeons; ++b)
                solver.AddClause({FalseLiteral(in(a, hole)), FalseLiteral(in(b, hole))});

    int asked = 0;
    EXPECT_EQ(solver.Solve([&] { return ++asked == 2; }), ClauseSolver::Answer::Stopped);
    EXPECT_EQ(solver.Solve(kNeverStop), ClauseSolver::Answer::Unsatisfiable);
    EXPECT_FALSE(solver.AddClause({TrueLiteral(0)}));
}

}  // namespace
}  // namespace ringlace
