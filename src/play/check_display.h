// Showing the outcome of a check beside the board: the status line, the light of the autofill
// switch, and the error marker on the dot concerned for three seconds.
#pragma once

#include <cstdint>
#include <string>

#include "model/grid.h"
#include "play/board_geometry.h"
#include "play/colour_scheme.h"
#include "play/play_state.h"
#include "solver/checks.h"

namespace ringlace {

class Host;

inline constexpr std::int32_t kDoneGreen = Rgb(50, 150, 50);
inline constexpr std::int32_t kLightRed = Rgb(255, 0, 0);  // sixteen-colour palette entry 12

// The autofill switch's background: the scheme's colour 2 when nothing is to be shown.
std::int32_t CheckLightColour(CheckLight light, const SchemeColours& scheme);

// Clears what the last check showed (the light and the status line).
void ClearCheckDisplay(PlayState& state, Host& host);
// A finished, correct loop: "Done !" and the green light.
void ShowCheckDone(PlayState& state, Host& host);
// A problem with its message; when it names a dot (row and column from 1) the error marker goes
// there until its three seconds are over.
void ShowCheckError(PlayState& state, const BoardGeometry& geometry, Host& host,
                    const CheckResult& problem);
// The error marker's three seconds are over.
void HideErrorMarker(PlayState& state);

}  // namespace ringlace
