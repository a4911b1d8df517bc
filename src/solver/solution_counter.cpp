#include "solver/solution_counter.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "solver/clause_loops.h"
#include "solver/loop_graph.h"
#include "solver/loop_propagation.h"
#include "solver/luby.h"
#include "solver/open_regions.h"

namespace ringlace {

namespace {

// Reading the clock costs little beside a search node, but a node of a large grid can take tens of
// microseconds; reading it every few nodes notices soon when a few milliseconds have passed.
constexpr unsigned kNodesPerClockRead = 8;
constexpr auto kYieldInterval = std::chrono::milliseconds(4);

// A search that took a wrong turn early can spend long below it; so a run gives up after some
// contradictions and the next one starts again from the clues, in a different order and led by
// where contradictions were found. The allowances follow the Luby sequence (1 1 2 1 1 2 4 ...)
// times this unit: many short runs, and now and then a longer one. They grow without bound, so a
// run eventually finishes and counts every solution.
constexpr std::uint64_t kRestartUnit = 100;
// Branching prefers path ends with fewer ways on, unless contradictions near an end outweigh this.
constexpr long kWeightPerOption = 1000;

// A fixed scramble of two numbers, for tie-breaks that differ from run to run but never from one
// count to the next.
std::uint32_t Scramble(std::uint32_t a, std::uint32_t b) {
    std::uint32_t x = a * 0x9E3779B9u ^ (b + 0x7F4A7C15u) * 0x85EBCA6Bu;
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    return x;
}

// The ways to go on from one search node, tried in order; together they cover every solution.
struct Branch {
    SearchMark mark;
    std::array<int, 3> edges{};
    std::array<EdgeValue, 3> values{};
    int options = 0;
    int next = 0;
};

class Counter {
public:
    Counter(const Grid& grid, int limit, RunContext& run, std::uint64_t searchBeforeClauses)
        : graph_(grid),
          state_(graph_),
          regions_(graph_),
          limit_(std::max(limit, 1)),
          searchBeforeClauses_(searchBeforeClauses),
          run_(run) {
        branches_.reserve(graph_.edgeCount + 1);
    }

    CountResult Count(const Grid* entries = nullptr);

private:
    enum class RunEnd { Exhausted, GaveUp, Stopped };

    void CountByClauses(const Grid* entries);
    RunEnd SearchOnce(const SearchMark& root, std::uint64_t allowance);
    bool ChooseBranch(Branch& branch) const;
    bool ExtendPath(Branch& branch) const;
    bool SplitEdge(Branch& branch) const;
    long EndScore(int dot) const;
    // Takes back decisions until one has an untried option that does not contradict itself.
    // False when the run's search is exhausted.
    bool NextOption();
    void Record(const std::vector<std::uint8_t>& onEdges);
    bool TimeToStop();
    bool TakeEntries(const Grid& grid);

    LoopGraph graph_;
    LoopPropagation state_;
    OpenRegions regions_;
    int limit_;
    std::uint64_t searchBeforeClauses_;
    RunContext& run_;
    std::vector<Branch> branches_;
    CountResult result_;
    std::vector<std::vector<std::uint8_t>> foundEdges_;  // the loops found, as on-edges by edge
    unsigned runNumber_ = 0;
    std::size_t loopsOfEarlierRuns_ = 0;
    std::uint64_t contradictions_ = 0;
    std::uint64_t nodes_ = 0;
    std::chrono::steady_clock::time_point lastYield_ = std::chrono::steady_clock::now();
};

CountResult Counter::Count(const Grid* entries) {
    if (!state_.Start()) return result_;
    if (entries && !TakeEntries(*entries)) return result_;
    const SearchMark root = state_.Mark();
    for (runNumber_ = 1; contradictions_ < searchBeforeClauses_; ++runNumber_)
        if (SearchOnce(root, kRestartUnit * Luby(runNumber_)) != RunEnd::GaveUp) return result_;
    CountByClauses(entries);
    return result_;
}

// Goes on from the loops found so far, which the clause solver is told to pass over.
void Counter::CountByClauses(const Grid* entries) {
    ClauseLoops clauses(graph_);
    if (entries) clauses.Agree(*entries);
    for (const std::vector<std::uint8_t>& onEdges : foundEdges_) clauses.Exclude(onEdges);
    loopsOfEarlierRuns_ = 0;
    std::vector<std::uint8_t> onEdges;
    while (result_.count < limit_) {
        switch (clauses.Next(onEdges, [this] { return TimeToStop(); })) {
            case ClauseLoops::Answer::Found:
                Record(onEdges);
                clauses.Exclude(onEdges);
                break;
            case ClauseLoops::Answer::None:
            case ClauseLoops::Answer::Stopped:
                return;
        }
    }
}

// Solutions found by a run that gives up are kept (Record skips those found before), so a count
// ends as soon as the runs together found limit-many; a run that is exhausted has found them all.
Counter::RunEnd Counter::SearchOnce(const SearchMark& root, std::uint64_t allowance) {
    state_.UndoTo(root);
    branches_.clear();
    loopsOfEarlierRuns_ = result_.loops.size();
    const std::uint64_t giveUpAt = contradictions_ + allowance;
    do {
        if (TimeToStop()) return RunEnd::Stopped;
        if (contradictions_ >= giveUpAt) return RunEnd::GaveUp;
        if (state_.Closed()) {
            std::vector<std::uint8_t> onEdges(graph_.edgeCount);
            for (int edge = 0; edge < graph_.edgeCount; ++edge)
                onEdges[edge] = state_.Value(edge) == EdgeValue::On;
            Record(onEdges);
            if (result_.count >= limit_) return RunEnd::Stopped;
            continue;
        }
        Branch branch;
        if (!regions_.CanJoin(state_) || !ChooseBranch(branch)) {
            ++contradictions_;
            continue;
        }
        branch.mark = state_.Mark();
        branches_.push_back(branch);
    } while (NextOption());
    return RunEnd::Exhausted;
}

bool Counter::NextOption() {
    while (!branches_.empty()) {
        Branch& branch = branches_.back();
        if (branch.next == branch.options) {
            branches_.pop_back();
            continue;
        }
        state_.UndoTo(branch.mark);
        const int option = branch.next++;
        if (state_.Decide(branch.edges[option], branch.values[option])) return true;
        ++contradictions_;
    }
    return false;
}

bool Counter::ChooseBranch(Branch& branch) const {
    return ExtendPath(branch) || SplitEdge(branch);
}

// The loop goes on from every end of a path: branching on where it goes next tries at most three
// options and lets the path meet its constraints soon.
bool Counter::ExtendPath(Branch& branch) const {
    int best = -1;
    long bestScore = 0;
    for (int dot = 0; dot < graph_.dotCount; ++dot) {
        if (state_.DotOn(dot) != 1) continue;
        const long score = EndScore(dot);
        if (best < 0 || score > bestScore) {
            best = dot;
            bestScore = score;
        }
    }
    if (best < 0) return false;
    for (int edge : graph_.dotEdges[best]) {
        if (state_.Value(edge) != EdgeValue::Unknown) continue;
        branch.edges[branch.options] = edge;
        branch.values[branch.options] = EdgeValue::On;
        ++branch.options;
    }
    if (runNumber_ > 1) {
        const int turn = static_cast<int>(Scramble(runNumber_, static_cast<std::uint32_t>(best)) %
                                          static_cast<std::uint32_t>(branch.options));
        std::rotate(branch.edges.begin(), branch.edges.begin() + turn,
                    branch.edges.begin() + branch.options);
    }
    return true;
}

// Fewer options first, near past contradictions first, and after the first run a little noise.
long Counter::EndScore(int dot) const {
    long score = 4L * state_.ConflictWeight(dot) - kWeightPerOption * state_.DotUnknown(dot);
    for (int edge : graph_.dotEdges[dot]) {
        if (edge == graph_.NoEdge()) continue;
        const auto& ends = graph_.edgeDots[edge];
        score += state_.ConflictWeight(ends[0] == dot ? ends[1] : ends[0]);
    }
    if (runNumber_ > 1) score += Scramble(static_cast<std::uint32_t>(dot), runNumber_) % 8;
    return score;
}

// No path yet: start one at the clue cell that needs the most loop edges, or anywhere when no clue
// asks for any.
bool Counter::SplitEdge(Branch& branch) const {
    int bestEdge = -1;
    int bestNeed = 0;
    for (int cell = 0; cell < graph_.cellCount; ++cell) {
        const int need = graph_.clue[cell] - state_.CellOn(cell);
        if (need <= bestNeed) continue;
        for (int edge : graph_.cellEdges[cell]) {
            if (state_.Value(edge) != EdgeValue::Unknown) continue;
            bestEdge = edge;
            bestNeed = need;
            break;
        }
    }
    for (int edge = 0; bestEdge < 0 && edge < graph_.edgeCount; ++edge)
        if (state_.Value(edge) == EdgeValue::Unknown) bestEdge = edge;
    if (bestEdge < 0) return false;
    branch.edges = {bestEdge, bestEdge, 0};
    branch.values = {EdgeValue::On, EdgeValue::Off, EdgeValue::Unknown};
    branch.options = 2;
    return true;
}

void Counter::Record(const std::vector<std::uint8_t>& onEdges) {
    // One run never finds a loop twice, since its options always exclude each other.
    for (std::size_t k = 0; k < loopsOfEarlierRuns_; ++k)
        if (foundEdges_[k] == onEdges) return;
    FoundLoop loop;
    loop.rows = graph_.rows;
    loop.cols = graph_.cols;
    loop.barSides.assign(graph_.cellCount, 0);
    for (int cell = 0; cell < graph_.cellCount; ++cell) {
        for (const Side side : kSides) {
            if (onEdges[graph_.cellEdges[cell][SideIndex(side)]])
                loop.barSides[cell] |= static_cast<std::uint8_t>(1 << SideNumber(side));
        }
    }
    ++result_.count;
    result_.loops.push_back(std::move(loop));
    foundEdges_.push_back(onEdges);
}

// The grid's decided edges and coloured cells become part of the start of every run.
bool Counter::TakeEntries(const Grid& grid) {
    return ForEachEntry(
        graph_, grid,
        [this](int edge, bool on) {
            return state_.Decide(edge, on ? EdgeValue::On : EdgeValue::Off);
        },
        [this](int cell, bool inside) { return state_.PlaceCell(cell, inside); });
}

bool Counter::TimeToStop() {
    if (++nodes_ % kNodesPerClockRead != 0) return false;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastYield_ < kYieldInterval) return false;
    lastYield_ = now;
    result_.cancelled = run_.Yield();
    return result_.cancelled;
}

}  // namespace

CountResult CountSolutions(const Grid& grid, int limit, RunContext& run,
                           std::uint64_t searchBeforeClauses) {
    Counter counter(grid, limit, run, searchBeforeClauses);
    return counter.Count();
}

CountResult CountSolutionsAgreeing(const Grid& grid, int limit, RunContext& run,
                                   std::uint64_t searchBeforeClauses) {
    Counter counter(grid, limit, run, searchBeforeClauses);
    return counter.Count(&grid);
}

bool LoopAgrees(const FoundLoop& loop, const Grid& grid) {
    for (int r = 1; r <= loop.rows; ++r) {
        // A cell is inside when an odd number of loop edges lie to its left, up to its own left
        // side.
        bool inside = false;
        for (int c = 1; c <= loop.cols; ++c) {
            for (const Side side : kSides) {
                const EdgeState entry = grid.CellEdge[r][c][side];
                const bool onLoop = loop.IsBar(r, c, side);
                if ((entry == Bar && !onLoop) || (entry == XMark && onLoop)) return false;
            }
            if (loop.IsBar(r, c, Side::Left)) inside = !inside;
            const std::int32_t colour = grid.CellColour[r][c];
            if ((colour == Yellow && !inside) || (colour == Pink && inside)) return false;
        }
    }
    return true;
}

void ApplyFoundLoop(const FoundLoop& loop, Grid& grid) {
    for (int r = 1; r <= loop.rows; ++r) {
        for (int c = 1; c <= loop.cols; ++c) {
            for (const Side side : kSides)
                grid.SetEdge(r, c, side, loop.IsBar(r, c, side) ? Bar : Free);
        }
    }
}

}  // namespace ringlace
