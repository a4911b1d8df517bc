// The configuration file "ringlace.cfg" as the program reads it at start. Whatever it holds, the
// settings read are within their ranges, and saving them and reading them again gives them back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/config_file.h"
#include "require.h"
#include "scratch_file.h"

using namespace ringlace;
using fuzz::Require;

namespace {

bool InRange(std::int32_t value, std::int32_t lowest, std::int32_t highest) {
    return value >= lowest && value <= highest;
}

bool WithinRanges(const Settings& s) {
    const std::int32_t white = Rgb(255, 255, 255);
    return InRange(s.GridColour, 0, white) && InRange(s.BarColour, 0, white) &&
           InRange(s.NumberColour, 0, white) && InRange(s.MarkerColour, 0, white) &&
           InRange(s.ButtonColour, 0, white) &&
           InRange(s.NumberFontSize, kSmallestNumberFont, kLargestNumberFont) &&
           InRange(s.PrintLineWidth, 1, kWidestPrintLine) &&
           InRange(s.GridLine, kGridSolid, kGridDotted) &&
           InRange(s.Marker, kMarkerBar, kMarkerTwoRectangles) && InRange(s.BarThickness, 1, 6);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::ScratchFile(kConfigFileName, data, size);
    Settings settings;
    PuzzlePlace place;
    if (LoadSettings(file, settings, place) != SettingsLoad::Read) return 0;
    Require(WithinRanges(settings), "a setting read is out of its range");
    Require(place.number >= 0, "the puzzle number read is negative");

    Require(SaveSettings(file, settings, place), "the settings read cannot be saved");
    Settings again;
    PuzzlePlace placeAgain;
    Require(LoadSettings(file, again, placeAgain) == SettingsLoad::Read,
            "saved settings cannot be read");
    Require(again == settings, "saved settings read back differ");
    Require(placeAgain.file == place.file && placeAgain.number == place.number,
            "the saved puzzle place reads back differently");
    return 0;
}
