#include "shell/busy_guard.h"

#include "shell/app.h"

namespace ringlace {

bool RefuseWhileBusy(App& app) {
    if (!app.session.Busy) return false;
    app.host.MsgboxA("Cancel Autosolve/Create first", "vbinformation+vbok");
    return true;
}

}  // namespace ringlace
