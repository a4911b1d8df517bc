#include "commands/create_batch_command.h"

#include <memory>

#include "commands/file_requests.h"
#include "commands/pattern_commands.h"
#include "commands/run_scope.h"
#include "create/loop_growth.h"
#include "create/single_creators.h"
#include "model/puzzle_record.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

const std::string kLineEnd(kCrLf);

int LevelOfName(const std::string& name) {
    const std::string upper = ToUpper(name);
    if (upper == "EASY") return kEasy;
    if (upper == "MEDIUM") return kMedium;
    if (upper == "HARD") return kHard;
    return 0;
}

bool Confirmed(App& app, const BatchRequest& request, const std::string& file) {
    if (request.count <= 1) return true;
    const std::string question = "Create" + StrNumber(request.count) + " puzzles" + kLineEnd +
                                 "Rows =" + StrNumber(request.rows) +
                                 ", Columns =" + StrNumber(request.cols) + kLineEnd +
                                 "Difficulty Level = " + LevelName(LevelOfName(request.levelName)) +
                                 kLineEnd + "Output File = " + file;
    return app.host.Ask({question, Icon::Question, Buttons::YesNo}) == Answer::Yes;
}

// The output file becomes current at its last puzzle; without any puzzle in it, the puzzle that
// was shown stays.
void ShowOutputFile(App& app, const std::string& file, const Grid& before,
                    const PuzzlePlace& placeBefore) {
    app.place.count = CountLines(file);
    if (app.place.count > 0 && LoadPuzzleOntoBoard(app, file, app.place.count)) return;
    app.grid = before;
    app.place = placeBefore;
}

}  // namespace

std::optional<Message> CheckBatchRequest(const BatchRequest& request, const Grid& limits) {
    if (request.count < 1 || request.rows < 5 || request.rows > limits.MaxRows ||
        request.cols < 5 || request.cols > limits.MaxCols)
        return Message{"Incorrect Number or Size of Puzzles", Icon::Critical, Buttons::Ok};
    if (LevelOfName(request.levelName) == 0)
        return Message{"Incorrect Difficulty Level", Icon::Critical, Buttons::Ok};
    if (request.pattern && request.pattern->Clues() == 0)
        return Message{"No fixed cells in the grid", Icon::Critical, Buttons::Ok};
    return std::nullopt;
}

BatchOutcome CreateBatch(App& app, const BatchRequest& request) {
    BatchOutcome outcome;
    if (RefuseGridCommand(app)) return outcome;
    const std::string file = AddExtension(request.file, "txt");
    if (!Confirmed(app, request, file)) {
        outcome.end = BatchEnd::NotConfirmed;
        return outcome;
    }
    const auto before = std::make_unique<Grid>(app.grid);
    const PuzzlePlace placeBefore = app.place;
    const int level = LevelOfName(request.levelName);
    outcome.end = BatchEnd::Made;
    {
        RunScope scope(app);
        for (int n = 1; n <= request.count; ++n) {
            if (scope.context().Cancelled()) {
                outcome.end = BatchEnd::Cancelled;
                break;
            }
            app.place = {file, n, request.count};
            SetCreateSize(app.grid, request.rows, request.cols);
            ResetGridForCreate(app.grid);
            app.host.ShowNewBoard();
            CreateContext ctx(app.grid, scope.context(), app.random);
            if (request.pattern) ctx.options.pattern = request.pattern->mask;
            const CreateResult result = CreatePuzzle(ctx, request.rows, request.cols, level);
            if (result != CreateResult::Created) {
                outcome.end =
                    result == CreateResult::Failed ? BatchEnd::PatternFailed : BatchEnd::Cancelled;
                break;
            }
            if (!AppendLine(file, PuzzleRecordText(app.grid))) {
                outcome.end = BatchEnd::NotWritten;
                break;
            }
            ++outcome.made;
        }
    }
    app.host.Progress(0);
    ShowOutputFile(app, file, *before, placeBefore);
    app.host.ShowNewBoard();
    app.host.Status(StrNumber(outcome.made) + " puzzles created");
    if (outcome.end == BatchEnd::NotWritten)
        ReportFileTrouble(app.host, FileTrouble::NotWritten, file);
    if (outcome.end == BatchEnd::PatternFailed) app.host.Ask(PatternFailedMessage());
    app.host.Ask({StrNumber(outcome.made) + " puzzles saved in file:" + kLineEnd + file, Icon::Save,
                  Buttons::Ok});
    return outcome;
}

}  // namespace ringlace
