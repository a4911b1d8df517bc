// Accepting the options dialog, and the colour scheme the settings name.
#pragma once

#include "play/options.h"

namespace ringlace {

struct App;

// Accepting the dialog: stores the choices, then reads the chosen colour scheme (a scheme that is
// missing is reported and "xp.col" taken) and makes it, with the adjusted button colour, the
// window's. The window then applies the colours and redraws.
void ApplyOptionsChoice(App& app, const OptionsChoice& choice);

// Reads the colour scheme the settings name and makes it, with the adjusted button colour, the
// window's; a scheme that is missing is reported and "xp.col" taken.
void UseSchemeOfSettings(App& app);

}  // namespace ringlace
