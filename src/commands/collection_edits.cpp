#include "commands/collection_edits.h"

#include <algorithm>
#include <filesystem>

#include "commands/app.h"
#include "commands/file_requests.h"
#include "commands/run_scope.h"
#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

const std::string kCrLfText(kCrLf);

using RecordWriter = bool (*)(const Grid& grid, const std::string& fileName);

bool WriteWithStoredSolution(const Grid& grid, const std::string& fileName) {
    // The record carries the stored solution; the player's entries stay on the board.
    Grid solved = grid;
    ApplySolution(solved);
    return WritePuzzleRecord(solved, fileName, WriteMode::Append);
}

// Asks for a file, appends the record that `write` makes and says so in `saidAs`'s words.
bool AppendRecord(App& app, RecordWriter write, const std::string& saidAs) {
    if (RefuseGridCommand(app)) return false;
    if (app.place.number < 1) {
        app.host.Ask({"This puzzle is not complete", Icon::Critical, Buttons::Ok});
        return false;
    }
    const std::string name = AskForFile(app,
                                        {"Select an output Puzzle file", "*.rlc;*.txt",
                                         "Ringlace Files", "Select an output file", "SAVE", ""},
                                        "txt");
    if (name.empty()) return false;
    app.host.BusyPointer(true);
    const bool written = write(app.grid, name);
    const int count = CountLines(name);
    app.host.BusyPointer(false);
    if (!written) {
        ReportFileTrouble(app.host, FileTrouble::NotWritten, name);
        return false;
    }
    // The board already holds what the new record holds: it becomes the shown record as it is.
    const bool current = SameFile(name, app.place.file);
    if (current) app.place = {app.place.file, count, count};
    app.host.Ask(
        {saidAs + kCrLfText + name + kCrLfText + "This file has" + StrNumber(count) + " puzzles",
         Icon::Save, Buttons::Ok});
    return current;
}

}  // namespace

bool AppendPuzzleCommand(App& app) {
    return AppendRecord(app, WriteWithStoredSolution, "Current Puzzle saved in file:");
}

bool AppendUserEntriesCommand(App& app) {
    return AppendRecord(app, WriteUserRecord, "User solution saved in file:");
}

bool DeletePuzzleCommand(App& app) {
    if (RefuseGridCommand(app)) return false;
    PuzzlePlace& place = app.place;
    const Message onlyOne{"There is only one puzzle in this file", Icon::Critical, Buttons::Ok};
    if (place.count <= 1) {
        app.host.Ask(onlyOne);
        return false;
    }
    if (app.host.Ask({"Delete current puzzle from file:" + kCrLfText + place.file, Icon::Trash,
                      Buttons::YesNo}) != Answer::Yes)
        return false;
    const int lines = CountLines(place.file);
    if (lines == 1) {
        app.host.Ask(onlyOne);
        return false;
    }
    // A file cut short since it was counted no longer holds the shown puzzle at its number.
    if (lines < place.number) {
        place.count = lines;
        ReportFileTrouble(app.host, FileTrouble::NotRead, place.file);
        return true;
    }
    switch (RemoveLine(place.file, place.number)) {
        case RemoveLineResult::Removed:
            break;
        case RemoveLineResult::NotRead:
            ReportFileTrouble(app.host, FileTrouble::NotRead, place.file);
            return false;
        case RemoveLineResult::NotWritten:
            ReportFileTrouble(app.host, FileTrouble::NotWritten, place.file);
            return false;
    }
    place.count = CountLines(place.file);
    const int number = std::min(std::max(place.number - 1, 1), place.count);
    if (!LoadPuzzleOntoBoard(app, place.file, number)) {
        place.number = number;
        ReportFileTrouble(app.host, FileTrouble::NotRead, place.file);
    }
    app.host.Ask({"Deleted", Icon::Trash, Buttons::Ok});
    return true;
}

bool ConfirmOverwrite(Host& host, const std::string& fileName) {
    std::error_code error;
    if (!FileExists(fileName) || std::filesystem::file_size(fileName, error) == 0) return true;
    return host.Ask({"OverWrite file:" + kCrLfText + fileName + " ?", Icon::Question,
                     Buttons::YesNo}) == Answer::Yes;
}

}  // namespace ringlace
