// The configuration file "ringlace.cfg": the options, the puzzle last shown and the recent files.
//
//   line 1  colour-scheme file name        line 4  corner character for printing
//   line 2  font name for the clue numbers line 5  sixteen integers (see ConfigNumbers)
//   line 3  full path of the puzzle file   line 6+ recent files, most recent first
#pragma once

#include <string>

#include "model/puzzle_place.h"
#include "model/settings.h"

namespace ringlace {

inline constexpr const char* kConfigFileName = "ringlace.cfg";
inline constexpr const char* kDefaultPuzzleFile = "puzzles.txt";

// The configuration exactly as it is written, CR LF line ends included.
std::string ConfigText(const Settings& settings, const PuzzlePlace& place);

// A configuration that cannot be read is kept beside it under its name and this extension.
inline constexpr const char* kSetAsideExtension = ".bad";

enum class SettingsLoad {
    Read,      // read, numbers out of range mended
    Created,   // there was no file: the defaults were taken and written
    Replaced,  // unreadable or garbled: kept as fileName + kSetAsideExtension, defaults written
    NotKept,   // unreadable or garbled, and it could not be kept: the defaults are taken, the file
               // is left as it is
};

// Reads the configuration into settings and into place.file and place.number. A measure out of its
// range (a colour, the font size, the printed line width) is brought into it, a choice out of its
// values (grid lines, markers, bar thickness, the switches) takes its default, so one odd number
// costs nothing else. When the file is missing, unreadable, too short or its numbers are not
// sixteen whole numbers, the defaults are taken and written to the file (a later save reports a
// folder that cannot be written).
SettingsLoad LoadSettings(const std::string& fileName, Settings& settings, PuzzlePlace& place);

// Writes the configuration through a temporary file, so a failure never leaves it half-written.
// False on failure; the options stay in effect for the running program.
bool SaveSettings(const std::string& fileName, const Settings& settings, const PuzzlePlace& place);

}  // namespace ringlace
