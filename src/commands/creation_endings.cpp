#include "commands/creation_endings.h"

#include "commands/file_requests.h"
#include "model/puzzle_record.h"
#include "model/text_file.h"

namespace ringlace {

void RestorePrevious(App& app, const PreviousPuzzle& previous) {
    app.place.count = CountLines(app.place.file);
    if (!LoadPuzzleOntoBoard(app, app.place.file, app.place.number)) {
        app.grid = previous.grid;
        app.place = previous.place;
    }
}

CreateEnd CancelEnding(App& app, const PreviousPuzzle& previous) {
    RestorePrevious(app, previous);
    app.host.Status("");
    app.host.Ask({"Canceled", Icon::Information, Buttons::Ok});
    return CreateEnd::Cancelled;
}

CreateEnd SuccessEnding(App& app, const std::string& status, const PreviousPuzzle& previous) {
    const std::string file = app.paths.InData(kScratchPuzzleFile);
    const int count = app.place.count;
    app.place.count = 1;
    if (!WritePuzzleRecord(app.grid, file, WriteMode::Replace) ||
        !LoadPuzzleOntoBoard(app, file, 1)) {
        app.place.count = count;
        RestorePrevious(app, previous);
        app.host.Status("");
        ReportFileTrouble(app.host, FileTrouble::NotWritten, file);
        return CreateEnd::NotSaved;
    }
    app.host.Status(status);
    return CreateEnd::Created;
}

}  // namespace ringlace
