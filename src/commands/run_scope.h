// The run state of the commands: one long command at a time, and a guard for every other.
#pragma once

#include "seams/run_context.h"

namespace ringlace {

struct App;

// While busy: tells the person to cancel the running work first and returns true; the command
// then does nothing else.
bool RefuseWhileBusy(App& app);

// The guard of every command that changes the grid: while a solution view is held the grid shows
// the solution, and the release puts the player's entries back over whatever a command made of
// it, so nothing happens; while busy RefuseWhileBusy answers. True when the command is refused.
bool RefuseGridCommand(App& app);

// The recent-file entries' guard: while busy they say "Cancel Puzzle Creation first" instead, and
// like every command that loads a puzzle they do nothing while a solution view is held.
bool RefuseRecentFileCommand(App& app);

// One long command's run: busy, with the busy pointer, from construction to the end of the scope
// on every way out, and a cancel request that belongs to this run alone (cleared at both ends).
// The solver and the creators get its context and never touch the run state themselves.
class RunScope {
public:
    explicit RunScope(App& app, bool silent = false);
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

    RunContext& context() { return context_; }

private:
    RunState& state_;
    Host& host_;
    RunContext context_;
};

}  // namespace ringlace
