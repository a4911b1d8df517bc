#include "commands/run_scope.h"

#include "commands/app.h"

namespace ringlace {

bool RefuseWhileBusy(App& app) {
    if (!app.runState.busy) return false;
    app.host.Ask({"Cancel Autosolve/Create first", Icon::Information, Buttons::Ok});
    return true;
}

bool RefuseGridCommand(App& app) {
    return app.play.view.Held() || RefuseWhileBusy(app);
}

bool RefuseRecentFileCommand(App& app) {
    if (app.play.view.Held()) return true;
    if (!app.runState.busy) return false;
    app.host.Ask({"Cancel Puzzle Creation first", Icon::Critical, Buttons::Ok});
    return true;
}

RunScope::RunScope(App& app, bool silent)
    : state_(app.runState),
      host_(app.host),
      context_(app.host, app.runState.cancelRequested, silent) {
    state_.busy = true;
    state_.cancelRequested = false;
    host_.BusyPointer(true);
}

RunScope::~RunScope() {
    state_.busy = false;
    state_.cancelRequested = false;
    host_.BusyPointer(false);
}

}  // namespace ringlace
