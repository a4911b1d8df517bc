// What long work (solving, counting, creating) needs from whoever started it: the Host to report
// through, and the session whose CancelRequested flag the cancel button sets.
#pragma once

#include "model/session.h"
#include "shell/host.h"

namespace ringlace {

struct RunContext {
    Host& host;
    Session& session;

    // A yield point: the window repaints and may take a press of the cancel button. True when the
    // work should stop.
    bool Yield() {
        host.Yield();
        return session.CancelRequested;
    }
    bool Cancelled() const { return session.CancelRequested; }
};

}  // namespace ringlace
