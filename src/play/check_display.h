// Showing the outcome of a check beside the board: the light of the autofill switch and the error
// marker on the dot concerned for three seconds go into the play state; the text for the status
// line is returned for the caller to show.
#pragma once

#include <cstdint>
#include <string>

#include "model/grid.h"
#include "play/board_geometry.h"
#include "play/colour_scheme.h"
#include "play/play_state.h"
#include "solver/verification.h"

namespace ringlace {

inline constexpr std::int32_t kDoneGreen = Rgb(50, 150, 50);
inline constexpr std::int32_t kLightRed = Rgb(255, 0, 0);  // sixteen-colour palette entry 12

// The autofill switch's background: the scheme's colour 2 when nothing is to be shown.
std::int32_t CheckLightColour(CheckLight light, const SchemeColours& scheme);

// Clears what the last check showed: the light and the error marker (and the status line).
void ClearCheckDisplay(PlayState& state);
// What a check found: a finished loop ("Done !" and the green light), a problem (its message and
// the red light; when it names a dot, row and column from 1, the error marker goes there until its
// three seconds are over) or nothing yet (""). Returns the status line's text.
std::string ShowCheckResult(PlayState& state, const BoardGeometry& geometry,
                            const Verification& verified);
// The error marker's three seconds are over.
void HideErrorMarker(PlayState& state);

}  // namespace ringlace
