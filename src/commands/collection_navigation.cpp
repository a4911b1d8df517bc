#include "commands/collection_navigation.h"

#include <algorithm>
#include <climits>

#include "commands/app.h"
#include "commands/file_requests.h"
#include "commands/run_scope.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

int MoveTarget(App& app, PuzzleMove move) {
    const PuzzlePlace& place = app.place;
    switch (move) {
        case PuzzleMove::Previous:
            return place.number - 1 < 1 ? place.count : place.number - 1;
        case PuzzleMove::Next:
            return place.number + 1 > place.count ? 1 : place.number + 1;
        case PuzzleMove::First:
            return 1;
        case PuzzleMove::Last:
            return place.count;
        case PuzzleMove::Random:
            return app.random.Below(place.count) + 1;
    }
    return place.number;
}

// Loads puzzle `number` of the current file; on failure the board stays as it was and the status
// line says which puzzle could not be read.
bool LoadFromCurrentFile(App& app, int number) {
    if (LoadPuzzleOntoBoard(app, app.place.file, number)) return true;
    app.host.Status("Puzzle " + NumText(number) + " could not be read");
    return false;
}

// Loads puzzle `number` (held to the file's range) of another file, counting it first. On failure
// the person is told and the place is as it was.
bool LoadFromFile(App& app, const std::string& path, int number) {
    const PuzzlePlace before = app.place;
    app.host.BusyPointer(true);
    app.place.count = CountLines(path);
    const bool loaded =
        LoadPuzzleOntoBoard(app, path, std::clamp(number, 1, std::max(app.place.count, 1)));
    app.host.BusyPointer(false);
    if (loaded) return true;
    app.place = before;
    ReportFileTrouble(app.host, FileTrouble::NotRead, path);
    return false;
}

}  // namespace

bool GoToPuzzle(App& app, PuzzleMove move) {
    if (RefuseGridCommand(app)) return false;
    if (app.place.number < 1 || app.place.count == 1) return false;
    if (LoadPuzzleOntoBoard(app, app.place.file, MoveTarget(app, move))) return true;
    // The file may have changed on disk since it was counted.
    app.place.count = CountLines(app.place.file);
    app.place.number = std::clamp(app.place.number, 1, std::max(app.place.count, 1));
    return LoadFromCurrentFile(app, MoveTarget(app, move));
}

bool GoToNumber(App& app, int number) {
    if (RefuseGridCommand(app)) return false;
    if (app.place.number < 1 || number < 1 || number > app.place.count) return false;
    return LoadFromCurrentFile(app, number);
}

bool GoToTypedNumber(App& app, const std::string& text) {
    // Held to the int range before it narrows: any number beyond the count is ignored anyway.
    const long long typed = std::clamp<long long>(NumericValue(text), 0, INT_MAX);
    return GoToNumber(app, static_cast<int>(typed));
}

bool OpenPuzzleFileCommand(App& app) {
    if (RefuseGridCommand(app)) return false;
    const std::string file = AskForFile(app,
                                        {"Select a Puzzle file to open", "*.rlc;*.txt",
                                         "Ringlace Files", "Select a puzzle file", "OPEN", ""},
                                        "txt");
    return !file.empty() && OpenFileAt(app, file, 1);
}

bool OpenFileAt(App& app, const std::string& path, int number) {
    if (RefuseGridCommand(app) || !LoadFromFile(app, path, number)) return false;
    AddRecentFile(app.settings, path);
    return true;
}

bool OpenRecentFile(App& app, int index) {
    if (RefuseRecentFileCommand(app)) return false;
    if (index < 0 || index >= kRecentFileCount) return false;
    const std::string path = app.settings.RecentFiles[static_cast<std::size_t>(index)];
    if (!FileExists(path)) {
        ReportFileTrouble(app.host, FileTrouble::NotFound, path);
        return false;
    }
    return LoadFromFile(app, path, 1);
}

void AddRecentFile(Settings& settings, const std::string& path) {
    auto& recent = settings.RecentFiles;
    if (std::find(recent.begin(), recent.end(), path) != recent.end()) return;
    std::rotate(recent.rbegin(), recent.rbegin() + 1, recent.rend());
    recent.front() = path;
}

}  // namespace ringlace
