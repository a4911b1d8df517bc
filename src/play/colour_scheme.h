// Colour schemes: named sets of window colours kept in the scheme list file "all.col". A header
// line holds the scheme's name followed by ".col"; the colour lines after it are red;green;blue.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/settings.h"

namespace ringlace {

class Host;

inline constexpr const char* kSchemeListFile = "all.col";

// Indexes 1..13 are used: 2 the board background and uncoloured cells, 3 a lighter 2, 4 the face
// of buttons and labels, 5 a darker 4, 13 the person's override of 4.
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
// one of its colour lines is unreadable) the person is told, the current scheme falls back to
// "xp.col", name and colours, and false is returned.
bool LoadColourScheme(const std::string& allColFile, const std::string& name, Settings& settings,
                     SchemeColours& colours, Host& host);

// Colour 13 is the person's override of colour 4: when set it replaces 4, else it follows 4.
void ApplyAdjustedColour(const Settings& settings, SchemeColours& colours);

}  // namespace ringlace
