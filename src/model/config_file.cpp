#include "model/config_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>
#include <vector>

#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace fs = std::filesystem;

namespace {

constexpr int kNumberCount = 16;

// A number of line 5 and the values it may take. A measure out of its range is brought to the
// nearer end of it; a choice out of its values takes its default, since a neighbouring choice is no
// better a guess.
struct NumberField {
    std::int32_t Settings::*member;
    std::int32_t lowest;
    std::int32_t highest;
    bool measure;
};

constexpr std::int32_t kWhite = Rgb(255, 255, 255);

// Line 5 holds the puzzle number, then these settings in this order.
constexpr std::array<NumberField, kNumberCount - 1> kSettingNumbers{{
    {&Settings::GridColour, 0, kWhite, true},
    {&Settings::BarColour, 0, kWhite, true},
    {&Settings::GridLine, kGridSolid, kGridDotted, false},
    {&Settings::Marker, kMarkerBar, kMarkerTwoRectangles, false},
    {&Settings::NumberColour, 0, kWhite, true},
    {&Settings::NumberFontSize, kSmallestNumberFont, kLargestNumberFont, true},
    {&Settings::MarkerColour, 0, kWhite, true},
    {&Settings::PrintLineWidth, 1, kWidestPrintLine, true},
    {&Settings::BarThickness, 1, 6, false},
    {&Settings::AutofillOn, 0, 1, false},
    {&Settings::ButtonColour, 0, kWhite, true},
    {&Settings::PrintGrid, 0, 1, false},
    {&Settings::RectangleCorner, 0, 1, false},
    {&Settings::MenuBarSide, 0, 1, false},
    {&Settings::SolutionRegister, 0, 1, false},
}};

std::int32_t InRange(const NumberField& field, std::int32_t value) {
    if (field.measure) return std::clamp(value, field.lowest, field.highest);
    if (value < field.lowest || value > field.highest) return Settings{}.*field.member;
    return value;
}

// A text field as the first two lines hold it: leading blanks skipped, then either a quoted text
// or everything up to a comma or the end of the line, trailing blanks dropped.
std::string TextField(const std::string& line) {
    std::size_t at = line.find_first_not_of(' ');
    if (at == std::string::npos) return "";
    if (line[at] == '"') {
        const std::size_t close = line.find('"', at + 1);
        return line.substr(at + 1, close == std::string::npos ? std::string::npos : close - at - 1);
    }
    return Trim(line.substr(at, line.find(',', at) - at));
}

// A text field as the first two lines hold it, so that TextField reads it back: in quotes when a
// comma, a blank at either end or a leading quote would change it otherwise.
std::string TextFieldLine(const std::string& text) {
    return TextField(text) == text ? text : '"' + text + '"';
}

// Sixteen whole numbers separated by blanks or commas, each beyond 32 bits taken as the nearest
// 32-bit value (the fields' ranges are far inside); nothing when a field is not a whole number or
// fewer than sixteen are present.
std::optional<std::array<std::int32_t, kNumberCount>> ParseNumbers(const std::string& line) {
    std::array<std::int32_t, kNumberCount> numbers{};
    int count = 0;
    std::size_t at = 0;
    while (count < kNumberCount) {
        at = line.find_first_not_of(" ,\t", at);
        if (at == std::string::npos) return std::nullopt;
        const std::size_t end = std::min(line.find_first_of(" ,\t", at), line.size());
        std::size_t digitsAt = at;
        if (line[digitsAt] == '+') ++digitsAt;
        std::int32_t value = 0;
        const auto [stop, error] =
            std::from_chars(line.data() + digitsAt, line.data() + end, value);
        if (stop != line.data() + end) return std::nullopt;
        if (error == std::errc::result_out_of_range)
            value = line[digitsAt] == '-' ? std::numeric_limits<std::int32_t>::min()
                                          : std::numeric_limits<std::int32_t>::max();
        else if (error != std::errc())
            return std::nullopt;
        numbers[static_cast<std::size_t>(count++)] = value;
        at = end;
    }
    return numbers;
}

bool ReadConfig(const std::string& fileName, Settings& settings, PuzzlePlace& place) {
    LineReader reader(fileName);
    std::array<std::string, 5> lines;
    for (std::string& line : lines)
        if (!reader.Next(line)) return false;
    const auto numbers = ParseNumbers(lines[4]);
    if (!numbers) return false;

    Settings read;
    read.SchemeName = TextField(lines[0]);
    if (read.SchemeName.empty()) read.SchemeName = "xp.col";
    read.FontName = TextField(lines[1]);
    read.CornerChar = lines[3];
    for (std::size_t k = 0; k < kSettingNumbers.size(); ++k)
        read.*kSettingNumbers[k].member = InRange(kSettingNumbers[k], (*numbers)[k + 1]);

    std::string line;
    std::size_t recent = 0;
    while (recent < read.RecentFiles.size() && reader.Next(line))
        if (!Trim(line).empty()) read.RecentFiles[recent++] = line;

    settings = read;
    place.file = lines[2];
    place.number = std::max((*numbers)[0], 0);
    return true;
}

}  // namespace

std::string ConfigText(const Settings& settings, const PuzzlePlace& place) {
    const std::string crLf(kCrLf);
    std::string text = TextFieldLine(settings.SchemeName) + crLf +
                       TextFieldLine(settings.FontName) + crLf + place.file + crLf +
                       settings.CornerChar + crLf;
    text += StrNumber(place.number) + " ";
    for (const NumberField& field : kSettingNumbers)
        text += StrNumber(settings.*field.member) + " ";
    text += crLf;
    for (const std::string& recent : settings.RecentFiles)
        if (!recent.empty()) text += recent + crLf;
    return text;
}

SettingsLoad LoadSettings(const std::string& fileName, Settings& settings, PuzzlePlace& place) {
    if (ReadConfig(fileName, settings, place)) return SettingsLoad::Read;
    std::error_code error;
    SettingsLoad load = SettingsLoad::Created;
    if (fs::exists(fs::symlink_status(fileName, error))) {
        fs::rename(fileName, fileName + kSetAsideExtension, error);
        load = error ? SettingsLoad::NotKept : SettingsLoad::Replaced;
    }
    settings = Settings{};
    place.file = kDefaultPuzzleFile;
    place.number = 1;
    // The person's file is overwritten only once it is kept.
    if (load != SettingsLoad::NotKept) WriteFileAtomically(fileName, ConfigText(settings, place));
    return load;
}

bool SaveSettings(const std::string& fileName, const Settings& settings, const PuzzlePlace& place) {
    return WriteFileAtomically(fileName, ConfigText(settings, place));
}

}  // namespace ringlace
