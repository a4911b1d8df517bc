// Start-up and shut-down of the program.
#pragma once

#include <string>
#include <vector>

#include "commands/app.h"

namespace ringlace {

enum class StartOutcome { Run, End };

// The start-up sequence: requires the scheme list, reads (or creates) the configuration, loads the
// colour scheme and the puzzle that was shown last, or sets up an empty 9 x 9 board. app.paths
// must be set. End means the program cannot run and must stop (the person has been told why).
StartOutcome StartUp(App& app, const std::vector<std::string>& screenFonts);

// The empty 9 x 9 board shown when no puzzle could be loaded.
void SetUpEmptyBoard(App& app);

// Writes ringlace.cfg; when it cannot be written the person is told (the options stay in effect
// for the running program). False then.
bool SaveSettingsCommand(App& app);

// The exit command: asks "Exit?"; on Yes writes the configuration and returns true (the program
// then ends), on No returns false.
bool ExitCommand(App& app);

}  // namespace ringlace
