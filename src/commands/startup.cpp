#include "commands/startup.h"

#include "commands/options_command.h"
#include "model/clue_grid.h"
#include "model/config_file.h"
#include "model/puzzle_record.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

const std::string kCrLfText(kCrLf);

// Told once: on the first start that finds the application folder read-only.
void TellAboutDataFolder(App& app) {
    if (!app.paths.DataMoved() || FileExists(app.paths.InData(kConfigFileName))) return;
    app.host.Ask({"The program folder cannot be written:" + kCrLfText + app.paths.AppFolder +
                      kCrLfText + "Settings and scratch files are kept in:" + kCrLfText +
                      app.paths.DataFolder,
                  Icon::Information, Buttons::Ok});
}

// Told once: the next start finds the defaults that replaced the file.
void TellAboutUnreadableSettings(App& app, SettingsLoad load, const std::string& file) {
    if (load != SettingsLoad::Replaced && load != SettingsLoad::NotKept) return;
    std::string text = "Configuration file:" + kCrLfText + file + kCrLfText +
                       "could not be read, default options used";
    if (load == SettingsLoad::Replaced)
        text += kCrLfText + "It was kept as:" + kCrLfText + file + kSetAsideExtension;
    app.host.Ask({text, Icon::Exclamation, Buttons::Ok});
}

}  // namespace

StartOutcome StartUp(App& app, const std::vector<std::string>& screenFonts) {
    app.settings.RecentFiles = {};
    app.settings.SchemeName = "xp.col";

    const std::string schemeFile = app.paths.InApp(kSchemeListFile);
    if (!FileExists(schemeFile)) {
        app.host.Ask(
            {"File: all.col is missing" + kCrLfText + "Program cannot run without this file",
             Icon::Critical, Buttons::Ok});
        return StartOutcome::End;
    }
    app.schemeList = ReadSchemeList(schemeFile);

    app.settings.FontName = "Arial";
    app.fontList.clear();
    for (const std::string& font : screenFonts)
        if (font.find('@') == std::string::npos) app.fontList.push_back(font);

    TellAboutDataFolder(app);
    const std::string configFile = app.paths.InData(kConfigFileName);
    TellAboutUnreadableSettings(app, LoadSettings(configFile, app.settings, app.place), configFile);
    app.geometry.NumberFontSize = app.settings.NumberFontSize;

    UseSchemeOfSettings(app);

    app.place.file = app.paths.InApp(app.place.file);
    app.place.count = CountLines(app.place.file);
    if (LoadPuzzleOntoBoard(app, app.place.file, app.place.number)) {
        app.host.Status("");
    } else {
        SetUpEmptyBoard(app);
    }
    return StartOutcome::Run;
}

void SetUpEmptyBoard(App& app) {
    app.place.number = 0;
    app.place.count = 0;
    app.play.selection = {};

    PlaceClues(app.grid, {9, 9, std::vector<ClueValue>(81, kNoClue)});
    app.grid.DiffCode.clear();
    app.grid.SolutionCode.clear();
    app.host.Status("Click create puzzle button");
}

bool SaveSettingsCommand(App& app) {
    const std::string file = app.paths.InData(kConfigFileName);
    if (SaveSettings(file, app.settings, app.place)) return true;
    app.host.Ask({"Configuration file:" + kCrLfText + file + kCrLfText +
                      "could not be accessed, options not saved",
                  Icon::Critical, Buttons::Ok});
    return false;
}

bool ExitCommand(App& app) {
    if (app.host.Ask({"Exit?", Icon::Exit, Buttons::YesNo}) != Answer::Yes) return false;
    SaveSettingsCommand(app);
    return true;
}

}  // namespace ringlace
