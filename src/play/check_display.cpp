#include "play/check_display.h"

#include "play/play_state.h"

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

void ClearCheckDisplay(PlayState& state) {
    state.checkLight = CheckLight::Neutral;
    state.markers.errorMarker.visible = false;
}

std::string ShowCheckResult(PlayState& state, const BoardGeometry& geometry,
                            const Verification& verified) {
    ClearCheckDisplay(state);
    switch (verified.result) {
        case VerifyResult::Done:
            state.checkLight = CheckLight::Done;
            return "Done !";
        case VerifyResult::Broken: {
            const CheckResult& problem = verified.problem;
            state.checkLight = CheckLight::Error;
            if (problem.row >= 1 && problem.col >= 1) {
                ShowErrorMarker(state.markers, geometry, problem.row, problem.col);
                state.errorMarkerTimed = true;
            }
            return problem.message;
        }
        case VerifyResult::Open:
            break;
    }
    return "";
}

void HideErrorMarker(PlayState& state) {
    state.markers.errorMarker.visible = false;
    state.errorMarkerTimed = false;
}

}  // namespace ringlace
