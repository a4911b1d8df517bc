// The options dialog's choices, apart from the dialog itself: what it starts from, the defaults
// its reset button applies, what accepting it stores, and the preview of a colour scheme.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/settings.h"
#include "play/colour_scheme.h"

namespace ringlace {

struct OptionsChoice {
    std::string schemeName;  // "xp.col"; empty when no scheme is picked (the current one stays)
    std::string fontName;
    std::int32_t numberColour = 0;
    std::int32_t gridColour = 0;
    std::int32_t barColour = 0;
    std::int32_t markerColour = 0;
    std::int32_t barThickness = 2;
    std::int32_t gridLine = kGridSolid;
    std::int32_t marker = kMarkerTwoRectangles;
    std::int32_t menuBarSide = 0;
    std::int32_t autofill = 0;
    std::int32_t solutionRegister = 0;
    std::int32_t buttonColour = 0;  // the adjusted button colour; 0 = the scheme's own

    bool operator==(const OptionsChoice&) const = default;
};

// The dialog's controls as the current settings set them.
OptionsChoice OptionsFrom(const Settings& settings);

// What "Apply default options and exit" sets: the default look (scheme "xp.col", font "arial",
// black numbers, grid and bars, dark red markers, bars of thickness 2, solid grid lines, two
// rectangles as markers, the scheme's own button colour) and autofill off. The side of the
// command bar and the solution register are choices of working, not of looks, and stay.
OptionsChoice DefaultOptions(const OptionsChoice& current);

// Stores every choice in the settings.
void AcceptOptions(const OptionsChoice& choice, Settings& settings);

// The adjust button: each channel 10 darker (left button) or 10 lighter (right button), kept
// within 10..255.
std::int32_t AdjustColour(std::int32_t colour, bool lighter);

// The right button on the bar colour button: the next bar thickness, 1 to 6 and round again.
std::int32_t NextBarThickness(std::int32_t thickness);

// The colours the dialog previews for a scheme of the list: read as the window would read them.
// "default.col" (in any case) is the built-in scheme of the platform's standard colours; none for
// a scheme that is not in the list.
std::optional<SchemeColours> PreviewScheme(const std::string& allColFile, const std::string& name,
                                           const SchemeColours& standard);

}  // namespace ringlace
