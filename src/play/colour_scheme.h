// Colour schemes: named sets of window colours kept in the scheme list file "all.col". A header
// line holds the scheme's name followed by ".col"; the colour lines after it are red;green;blue.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/settings.h"

namespace ringlace {

// The colours of a scheme, by what they colour (indexes 1 to 13 of SchemeColours). A scheme file
// lists colours 1 to 12; 3 and 5 are derived from 2 and 4, and 13 is the person's own choice.
enum SchemeRole : std::size_t {
    kWindowColour = 1,           // the window around the board and the command bar
    kBoardColour = 2,            // the board, uncoloured cells, the neutral check light
    kBoardLightColour = 3,       // kBoardColour made lighter: a button under the pointer
    kButtonColour = 4,           // the command bar and its buttons
    kButtonShadowColour = 5,     // kButtonColour made darker: borders
    kLabelTextColour = 6,        // the command bar's texts
    kStatusTextColour = 8,       // the status line
    kMessageColour = 9,          // the message box
    kProgressColour = 10,        // the progress bar
    kBoardFrameColour = 11,      // the frame the board lies in
    kActiveButtonColour = 12,    // the cancel button while a long command runs
    kAdjustedButtonColour = 13,  // the person's override of kButtonColour; 0 = none
};
using SchemeColours = std::array<std::int32_t, 14>;

std::int32_t RedOf(std::int32_t colour);
std::int32_t GreenOf(std::int32_t colour);
std::int32_t BlueOf(std::int32_t colour);

// The scheme names of the list: for every line holding ".col", the text before it.
std::vector<std::string> ReadSchemeList(const std::string& allColFile);

// Fills colours 1..12 from the scheme whose header line is exactly name, with the derived colours 3
// and 5; silent. False, with the colours untouched, when it is missing or a colour line is
// unreadable.
bool ReadSchemeColours(const std::string& allColFile, const std::string& name,
                       SchemeColours& colours);

// Fills colours 1..12 from the scheme whose header line is exactly name. When it is missing (or
// one of its colour lines is unreadable) the current scheme falls back to "xp.col", name and
// colours, and false is returned for the caller to tell the person.
bool LoadColourScheme(const std::string& allColFile, const std::string& name, Settings& settings,
                      SchemeColours& colours);

// Colour 13 is the person's override of colour 4: when set it replaces 4, else it follows 4.
void ApplyAdjustedColour(const Settings& settings, SchemeColours& colours);

}  // namespace ringlace
