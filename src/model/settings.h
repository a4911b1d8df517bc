// The options the program keeps between runs in its configuration file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/grid.h"

namespace ringlace {

inline constexpr int kRecentFileCount = 5;
inline constexpr std::int32_t kDarkRed = Rgb(128, 0, 0);  // sixteen-colour palette entry 4

// The clue font sizes, in points, that the configuration and zooming allow.
inline constexpr std::int32_t kSmallestNumberFont = 6;
inline constexpr std::int32_t kLargestNumberFont = 36;
// The widest line the printed pages are drawn with, in the units of the print dialog.
inline constexpr std::int32_t kWidestPrintLine = 10;

enum GridLineStyle { kGridSolid = 0, kGridNone = 1, kGridDotted = 2 };
enum MarkerStyle { kMarkerBar = 0, kMarkerTwoRectangles = 1 };

struct Settings {
    std::string SchemeName = "xp.col";
    std::string FontName = "Arial";
    std::string CornerChar = "+";  // empty when "Rectangle corner" is set
    std::int32_t GridColour = 0;
    std::int32_t BarColour = 0;
    std::int32_t GridLine = kGridSolid;
    std::int32_t Marker = kMarkerTwoRectangles;
    std::int32_t NumberColour = 0;
    std::int32_t NumberFontSize = 12;
    std::int32_t MarkerColour = kDarkRed;
    std::int32_t PrintLineWidth = 2;
    std::int32_t BarThickness = 2;
    std::int32_t AutofillOn = 0;
    std::int32_t ButtonColour = 0;  // the user's override of scheme colour 4; 0 = none
    std::int32_t PrintGrid = 0;
    std::int32_t RectangleCorner = 0;
    std::int32_t MenuBarSide = 0;  // 0 left, 1 right
    std::int32_t SolutionRegister = 0;
    // Full paths, most recent first; an empty entry is hidden.
    std::array<std::string, kRecentFileCount> RecentFiles;

    bool operator==(const Settings&) const = default;
};

}  // namespace ringlace
