// The one rule that guards the commands while a solve or a creation runs.
#pragma once

namespace ringlace {

struct App;

// While busy: tells the person to cancel the running work first and returns true; the command
// then does nothing else.
bool RefuseWhileBusy(App& app);

}  // namespace ringlace
