#include "commands/hint_commands.h"

#include "commands/app.h"
#include "commands/run_scope.h"
#include "play/entry.h"
#include "play/hint_markers.h"
#include "solver/hint_finder.h"

namespace ringlace {

namespace {

// The hint for the entries on the board. Counting the loops of a puzzle without a stored solution
// and the later stages take a moment on a large grid, so it runs as a long command.
Hint HintForBoard(App& app) {
    RunScope scope(app, true);
    return FindHint(app.grid, scope.context());
}

}  // namespace

bool ShowHintCommand(App& app) {
    if (RefuseGridCommand(app) || app.place.number < 1) return false;
    const Hint hint = HintForBoard(app);
    ShowHintMarkers(app.play.markers, app.geometry, hint);
    app.host.Status(hint.message);
    return true;
}

bool ApplyHintCommand(App& app, BoardPainter& painter) {
    if (RefuseGridCommand(app) || app.place.number < 1) return false;
    const Hint hint = HintForBoard(app);
    PlayContext play{app.grid, app.play, app.settings, app.geometry, painter};
    if (!EnterHintStep(play, hint)) ShowHintMarkers(app.play.markers, app.geometry, hint);
    app.host.Status(hint.message);
    return true;
}

}  // namespace ringlace
