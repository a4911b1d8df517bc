#include "commands/pattern_commands.h"

#include "commands/file_requests.h"
#include "commands/run_scope.h"
#include "create/loop_growth.h"
#include "create/single_creators.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

const std::string kLineEnd(kCrLf);
constexpr int kSmallestSide = 5;

}  // namespace

Message PatternFailedMessage() {
    return {"Unable to create a valid puzzle" + kLineEnd +
                "The pattern's clues fixed no single loop in" + StrNumber(kPatternTries) +
                " tries: mark more cells",
            Icon::Critical, Buttons::Ok};
}

std::optional<Message> CheckPattern(const Pattern& pattern) {
    if (pattern.Clues() > 0) return std::nullopt;
    return Message{"No pattern to apply!", Icon::Critical, Buttons::Ok};
}

void SavePatternToFile(App& app, const Pattern& pattern) {
    const std::string file =
        AskForFile(app,
                   {"Select an output Pattern file", "*.rlc;*.txt", "Ringlace Pattern File",
                    "Select a pattern file", "SAVE", ""},
                   "txt");
    if (file.empty()) return;
    if (!AppendLine(file, PatternLine(pattern))) {
        ReportFileTrouble(app.host, FileTrouble::NotWritten, file);
        return;
    }
    app.host.Ask({"Pattern saved in file:" + kLineEnd + file, Icon::Information, Buttons::Ok});
}

std::optional<Pattern> ReadPatternOf(Host& host, const std::string& file, int n) {
    const Grid limits;
    std::optional<Pattern> pattern = LoadPatternAt(file, n, limits.MaxRows, limits.MaxCols);
    if (!pattern || pattern->rows < kSmallestSide || pattern->cols < kSmallestSide) {
        host.Ask({"Error reading pattern file:" + kLineEnd + file, Icon::Critical, Buttons::Ok});
        return std::nullopt;
    }
    return pattern;
}

bool DeletePatternFromFile(App& app, const std::string& file, int n) {
    if (CountLines(file) < 2) {
        app.host.Ask({"There is only one or no pattern in this file", Icon::Critical, Buttons::Ok});
        return false;
    }
    if (app.host.Ask({"Delete current pattern from file:" + kLineEnd + file, Icon::Question,
                      Buttons::YesNo}) != Answer::Yes)
        return false;
    const RemoveLineResult removed = RemoveLine(file, n);
    if (removed != RemoveLineResult::Removed) {
        ReportFileTrouble(
            app.host,
            removed == RemoveLineResult::NotRead ? FileTrouble::NotRead : FileTrouble::NotWritten,
            file);
        return false;
    }
    app.host.Ask({"Deleted", Icon::Information, Buttons::Ok});
    return true;
}

void ApplyPatternToBoard(App& app, const Pattern& pattern) {
    if (RefuseGridCommand(app)) return;
    SetCreateSize(app.grid, pattern.rows, pattern.cols);
    ResetGridForCreate(app.grid);
    app.grid.DiffCode = LevelCode(kMedium);
    app.play.StartPuzzle();
    app.pendingPattern = pattern;
    app.host.ShowNewBoard();
    app.host.Status("Now Autosolve to create a puzzle");
}

CreateEnd CreateOnPendingPattern(App& app) {
    if (RefuseGridCommand(app) || !app.pendingPattern) return CreateEnd::Refused;
    const Pattern pattern = *app.pendingPattern;
    const PreviousPuzzle previous{app.grid, app.place};
    CreateResult result = CreateResult::Created;
    {
        RunScope scope(app);
        CreateContext ctx(app.grid, scope.context(), app.random);
        ctx.options.pattern = pattern.mask;
        result = CreatePuzzle(ctx, pattern.rows, pattern.cols, kMedium);
    }
    app.host.Progress(0);
    if (result == CreateResult::Created) return SuccessEnding(app, "Puzzle created", previous);
    // The empty board of the pattern stays, and the pattern with it, for another try or an edit.
    app.grid = previous.grid;
    app.host.Status("");
    if (result == CreateResult::Cancelled) {
        app.host.Ask({"Canceled", Icon::Information, Buttons::Ok});
        return CreateEnd::Cancelled;
    }
    app.host.Ask(PatternFailedMessage());
    return CreateEnd::Failed;
}

}  // namespace ringlace
