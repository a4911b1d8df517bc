// What long work (solving, counting, creating) needs from whoever started it: the Host to report
// through, and the session whose CancelRequested flag the cancel button sets.
#pragma once

#include <string>

#include "model/session.h"
#include "shell/host.h"

namespace ringlace {

struct RunContext {
    RunContext(Host& host, Session& session) : host(host), session(session) {}

    Host& host;
    Session& session;

    // A yield point: the window repaints and may take a press of the cancel button. True when the
    // work should stop.
    bool Yield() {
        host.Yield();
        return session.CancelRequested;
    }
    bool Cancelled() const { return session.CancelRequested; }

    // Announces a stage of the work in the status line and remembers it.
    void Stage(const std::string& text) {
        stage = text;
        host.Status(text);
    }

    std::string stage;  // the last stage announced
};

}  // namespace ringlace
