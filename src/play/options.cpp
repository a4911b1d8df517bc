#include "play/options.h"

#include <algorithm>

#include "model/text.h"

namespace ringlace {

OptionsChoice OptionsFrom(const Settings& settings) {
    OptionsChoice choice;
    choice.schemeName = settings.SchemeName;
    choice.fontName = settings.FontName;
    choice.numberColour = settings.NumberColour;
    choice.gridColour = settings.GridColour;
    choice.barColour = settings.BarColour;
    choice.markerColour = settings.MarkerColour;
    choice.barThickness = settings.BarThickness;
    choice.gridLine = settings.GridLine;
    choice.marker = settings.Marker;
    choice.menuBarSide = settings.MenuBarSide;
    choice.autofill = settings.AutofillOn;
    choice.solutionRegister = settings.SolutionRegister;
    choice.buttonColour = settings.ButtonColour;
    return choice;
}

OptionsChoice DefaultOptions(const OptionsChoice& current) {
    OptionsChoice defaults;
    defaults.schemeName = "xp.col";
    defaults.fontName = "arial";
    defaults.markerColour = kDarkRed;
    defaults.menuBarSide = current.menuBarSide;
    defaults.solutionRegister = current.solutionRegister;
    return defaults;
}

void AcceptOptions(const OptionsChoice& choice, Settings& settings) {
    if (!choice.schemeName.empty()) settings.SchemeName = choice.schemeName;
    settings.FontName = choice.fontName;
    settings.NumberColour = choice.numberColour;
    settings.GridColour = choice.gridColour;
    settings.BarColour = choice.barColour;
    settings.BarThickness = choice.barThickness;
    settings.AutofillOn = choice.autofill;
    settings.MarkerColour = choice.markerColour;
    settings.GridLine = choice.gridLine;
    settings.Marker = choice.marker;
    settings.MenuBarSide = choice.menuBarSide;
    settings.SolutionRegister = choice.solutionRegister;
    settings.ButtonColour = choice.buttonColour;
}

std::int32_t AdjustColour(std::int32_t colour, bool lighter) {
    const int step = lighter ? 10 : -10;
    const auto channel = [step](std::int32_t value) { return std::clamp(value + step, 10, 255); };
    return Rgb(channel(RedOf(colour)), channel(GreenOf(colour)), channel(BlueOf(colour)));
}

std::int32_t NextBarThickness(std::int32_t thickness) {
    return thickness >= 6 || thickness < 1 ? 1 : thickness + 1;
}

std::optional<SchemeColours> PreviewScheme(const std::string& allColFile, const std::string& name,
                                           const SchemeColours& standard) {
    if (ToLower(name) == "default.col") return standard;
    SchemeColours colours = standard;
    if (ReadSchemeColours(allColFile, name, colours)) return colours;
    return std::nullopt;
}

}  // namespace ringlace
