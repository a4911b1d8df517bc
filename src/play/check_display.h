// Showing the outcome of a check beside the board: the status line, the light of the autofill box
// Label4, and the error marker on the dot concerned for three seconds.
#pragma once

#include <cstdint>
#include <string>

#include "model/grid.h"
#include "play/board_geometry.h"
#include "play/colour_scheme.h"

namespace ringlace {

class Host;
struct Session;

enum class CheckLight { Neutral, Done, Error };

inline constexpr std::int32_t kDoneGreen = Rgb(50, 150, 50);
inline constexpr std::int32_t kLightRed = Rgb(255, 0, 0);  // sixteen-colour palette entry 12

// Label4's background: the scheme's colour 2 when nothing is to be shown.
std::int32_t CheckLightColour(CheckLight light, const SchemeColours& scheme);

// Clears what the last check showed (the light and the status line).
void ClearCheckDisplay(Session& session, Host& host);
// A finished, correct loop: "Done !" and the green light.
void ShowCheckDone(Session& session, Host& host);
// An error with its message; when it names a dot (row and column from 1) the error marker goes
// there until Timer3 hides it.
void ShowCheckError(Session& session, const BoardGeometry& geometry, Host& host, int row, int col,
                    const std::string& message);
// Timer3: the error marker's three seconds are over.
void HideErrorMarker(Session& session);

}  // namespace ringlace
