#include "play/check_display.h"

#include "play/play_state.h"
#include "seams/host.h"

namespace ringlace {

std::int32_t CheckLightColour(CheckLight light, const SchemeColours& scheme) {
    switch (light) {
        case CheckLight::Done:
            return kDoneGreen;
        case CheckLight::Error:
            return kLightRed;
        case CheckLight::Neutral:
            break;
    }
    return scheme[kBoardColour];
}

void ClearCheckDisplay(PlayState& state, Host& host) {
    state.checkLight = CheckLight::Neutral;
    host.Status("");
}

void ShowCheckDone(PlayState& state, Host& host) {
    state.checkLight = CheckLight::Done;
    host.Status("Done !");
}

void ShowCheckError(PlayState& state, const BoardGeometry& geometry, Host& host,
                    const CheckResult& problem) {
    host.Status(problem.message);
    state.checkLight = CheckLight::Error;
    if (problem.row >= 1 && problem.col >= 1) {
        ShowErrorMarker(state.markers, geometry, problem.row, problem.col);
        state.errorMarkerTimed = true;
    } else {
        state.markers.errorMarker.visible = false;
    }
}

void HideErrorMarker(PlayState& state) {
    state.markers.errorMarker.visible = false;
    state.errorMarkerTimed = false;
}

}  // namespace ringlace
