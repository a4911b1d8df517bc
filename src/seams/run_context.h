// What long work (solving, counting, creating) needs from whoever started it: the Host to report
// through, and the flag the cancel button sets. The work reads the flag at its yield points and
// never changes it; the command that started the work owns it (and the busy state beside it).
#pragma once

#include <string>

#include "seams/host.h"

namespace ringlace {

// The state of the long command that runs, if any: while busy every other command waits;
// cancelRequested asks the running work to stop at its next yield point.
struct RunState {
    bool busy = false;
    bool cancelRequested = false;
};

struct RunContext {
    RunContext(Host& reportTo, const bool& cancelFlag, bool quiet = false)
        : host(reportTo), cancelRequested(cancelFlag), silent(quiet) {}

    Host& host;
    const bool& cancelRequested;
    bool silent;  // the work never asks the person whether to go on

    // A yield point: the window repaints and may take a press of the cancel button. True when the
    // work should stop.
    bool Yield() {
        host.Yield();
        return cancelRequested;
    }
    bool Cancelled() const { return cancelRequested; }

    // Announces a stage of the work in the status line and remembers it.
    void Stage(const std::string& text) {
        stage = text;
        host.Status(text);
    }

    std::string stage;  // the last stage announced
};

}  // namespace ringlace
