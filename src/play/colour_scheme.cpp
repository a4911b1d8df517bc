#include "play/colour_scheme.h"

#include <algorithm>
#include <optional>

#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

struct Channels {
    long long red = 0;
    long long green = 0;
    long long blue = 0;
};

std::optional<Channels> ParseColourLine(const std::string& line) {
    const std::vector<std::string> parts = Split(line, ';');
    if (parts.size() < 3) return std::nullopt;
    return Channels{NumericValue(parts[0]), NumericValue(parts[1]), NumericValue(parts[2])};
}

std::int32_t ColourOf(const Channels& channels) {
    const auto clamp = [](long long value) {
        return static_cast<int>(std::clamp(value, 0LL, 255LL));
    };
    return Rgb(clamp(channels.red), clamp(channels.green), clamp(channels.blue));
}

// Colour 3 is colour 2 made lighter; a channel pushed above 256 becomes 254.
Channels Lighter(Channels c) {
    for (long long* channel : {&c.red, &c.green, &c.blue}) {
        *channel += 32;
        if (*channel > 256) *channel = 254;
    }
    return c;
}

// Colour 5 is colour 4 made darker; a channel pushed below 1 becomes 8.
Channels Darker(Channels c) {
    for (long long* channel : {&c.red, &c.green, &c.blue}) {
        *channel -= 32;
        if (*channel < 1) *channel = 8;
    }
    return c;
}

}  // namespace

bool ReadSchemeColours(const std::string& allColFile, const std::string& name,
                       SchemeColours& colours) {
    LineReader reader(allColFile);
    std::string line;
    bool found = false;
    while (!found && reader.Next(line)) found = line == name;
    if (!found) return false;
    SchemeColours read = colours;
    Channels current;
    for (int k = 1; k <= 12; ++k) {
        if (!reader.Next(line)) return false;
        if (k == 3) {
            current = Lighter(current);
        } else if (k == 5) {
            current = Darker(current);
        } else {
            const auto parsed = ParseColourLine(line);
            if (!parsed) return false;
            current = *parsed;
        }
        read[static_cast<std::size_t>(k)] = ColourOf(current);
    }
    colours = read;
    return true;
}

std::int32_t RedOf(std::int32_t colour) {
    return colour & 0xFF;
}
std::int32_t GreenOf(std::int32_t colour) {
    return (colour >> 8) & 0xFF;
}
std::int32_t BlueOf(std::int32_t colour) {
    return (colour >> 16) & 0xFF;
}

std::vector<std::string> ReadSchemeList(const std::string& allColFile) {
    std::vector<std::string> names;
    LineReader reader(allColFile);
    std::string line;
    while (reader.Next(line)) {
        const std::size_t at = line.find(".col");
        if (at != std::string::npos) names.push_back(line.substr(0, at));
    }
    return names;
}

bool LoadColourScheme(const std::string& allColFile, const std::string& name, Settings& settings,
                      SchemeColours& colours) {
    if (ReadSchemeColours(allColFile, name, colours)) return true;
    settings.SchemeName = "xp.col";
    // The name alone would leave the board drawn in whatever the colours held, black at start-up.
    ReadSchemeColours(allColFile, settings.SchemeName, colours);
    return false;
}

void ApplyAdjustedColour(const Settings& settings, SchemeColours& colours) {
    colours[kAdjustedButtonColour] =
        settings.ButtonColour > 0 ? settings.ButtonColour : colours[kButtonColour];
    colours[kButtonColour] = colours[kAdjustedButtonColour];
}

}  // namespace ringlace
