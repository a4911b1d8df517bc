#include "commands/create_jumbo_command.h"

#include <memory>

#include "commands/file_requests.h"
#include "commands/run_scope.h"
#include "create/jumbo.h"
#include "exchange/puzzle_sheet.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

const std::string kLineEnd(kCrLf);

}  // namespace

std::optional<Message> CheckJumboRequest(const JumboRequest& request) {
    const auto fits = [](int side) { return side >= kJumboMinSide && side <= kJumboMaxSide; };
    if (fits(request.rows) && fits(request.cols)) return std::nullopt;
    return Message{"Incorrect puzzle size", Icon::Critical, Buttons::Ok};
}

JumboEnd CreateJumboCommand(App& app, const JumboRequest& request) {
    if (RefuseGridCommand(app)) return JumboEnd::Refused;
    if (FileExists(request.file) &&
        app.host.Ask({"OverWrite file:" + kLineEnd + request.file + " ?", Icon::Question,
                      Buttons::YesNo}) != Answer::Yes)
        return JumboEnd::NotOverwritten;
    // Made apart from the board, which keeps showing its puzzle.
    const auto jumbo = std::make_unique<Grid>();
    CreateResult result = CreateResult::Created;
    {
        RunScope scope(app);
        CreateContext ctx(*jumbo, scope.context(), app.random);
        result = CreateJumbo(ctx, request.rows, request.cols);
    }
    app.host.Progress(0);
    app.host.Status("");
    if (result != CreateResult::Created) {
        app.host.Ask({"Canceled", Icon::Information, Buttons::Ok});
        return JumboEnd::Cancelled;
    }
    if (!WritePuzzleSheet(*jumbo, request.file, SheetLoop::AsDrawn)) {
        ReportFileTrouble(app.host, FileTrouble::NotWritten, request.file);
        return JumboEnd::NotWritten;
    }
    app.host.Ask(
        {"Puzzle saved in file:" + kLineEnd + request.file + kLineEnd + "Open Excel file and print",
         Icon::Save, Buttons::Ok});
    return JumboEnd::Saved;
}

}  // namespace ringlace
