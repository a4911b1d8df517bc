#include "play/check_display.h"

#include "model/session.h"
#include "shell/host.h"

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
    return scheme[2];
}

void ClearCheckDisplay(Session& session, Host& host) {
    session.Label4Light = CheckLight::Neutral;
    host.Status("");
}

void ShowCheckDone(Session& session, Host& host) {
    session.Label4Light = CheckLight::Done;
    host.Status("Done !");
}

void ShowCheckError(Session& session, const BoardGeometry& geometry, Host& host, int row, int col,
                    const std::string& message) {
    host.Status(message);
    session.Label4Light = CheckLight::Error;
    if (row >= 1 && col >= 1) {
        ShowErrorMarker(session.Markers, geometry, row, col);
        session.Timer3 = true;
    } else {
        session.Markers.Shape3.visible = false;
    }
}

void HideErrorMarker(Session& session) {
    session.Markers.Shape3.visible = false;
    session.Timer3 = false;
}

}  // namespace ringlace
