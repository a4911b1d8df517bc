#include "commands/create_new_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "commands/creation_endings.h"
#include "commands/run_scope.h"
#include "create/loop_growth.h"
#include "model/puzzle_record.h"
#include "model/rounding.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

// The leading decimal number of a text ("12.6x8" -> 12.6; blanks before it are skipped, so
// "12 x 8" reads as 12 and 8), rounded to a whole number; 0 when the text does not start with
// one. Values far outside any grid size are cut off before rounding.
int LeadingNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || !std::isfinite(value)) return 0;
    return RoundToInt(std::clamp(value, -1000.0, 1000.0));
}

}  // namespace

PuzzleSize ReadSizeText(const std::string& text, const Grid& grid, RandomSource& random) {
    const std::string size = ToLower(Trim(text));
    if (size.empty()) {
        PuzzleSize drawn;
        drawn.rows = random.Below(grid.MaxRows - 4) + 1 + 4;
        drawn.cols = random.Below(grid.MaxCols - 4) + 1 + 4;
        return drawn;
    }
    const std::size_t x = size.find('x');
    if (x == std::string::npos) {
        const int side = LeadingNumber(size);
        return side >= 1 ? PuzzleSize{side, side} : PuzzleSize{};
    }
    return {LeadingNumber(std::string_view(size).substr(0, x)),
            LeadingNumber(std::string_view(size).substr(x + 1))};
}

int LevelFromCaption(const std::string& caption) {
    const std::string level = ToUpper(caption);
    if (level.empty() || level == "EASY") return kEasy;
    if (level == "MEDIUM") return kMedium;
    if (level == "HARD") return kHard;
    return 0;
}

CreateEnd CreateNew(App& app, const CreateRequest& request) {
    Grid& grid = app.grid;
    if (RefuseGridCommand(app)) return CreateEnd::Refused;
    const PuzzleSize size = ReadSizeText(request.sizeText, grid, app.random);
    if (size.rows < 5 || size.rows > grid.MaxRows || size.cols < 5 || size.cols > grid.MaxCols) {
        app.host.Ask(
            {"Puzzle size must be 5 to " + StrNumber(grid.MaxRows), Icon::Critical, Buttons::Ok});
        return CreateEnd::BadSize;
    }
    const int level = LevelFromCaption(request.levelCaption);
    if (level == 0) {
        app.host.Ask({"Incorrect Difficulty Level", Icon::Critical, Buttons::Ok});
        return CreateEnd::BadLevel;
    }

    const PreviousPuzzle previous{grid, app.place};
    CreateResult result = CreateResult::Created;
    {
        // Busy stays up for the whole creation, not only while the solver runs: the window yields
        // during loop growth too, and no other command may touch the grid meanwhile.
        RunScope scope(app);
        SetCreateSize(grid, size.rows, size.cols);
        ResetGridForCreate(grid);
        app.host.ShowNewBoard();
        CreateContext ctx(grid, scope.context(), app.random);
        result = CreateOfKind(ctx, request.kind, size.rows, size.cols, level);
    }
    // The progress bar that the checking solves filled is hidden.
    app.host.Progress(0);
    if (result != CreateResult::Created) return CancelEnding(app, previous);
    return SuccessEnding(
        app, request.kind == CreateKind::Only03 ? "03Only Puzzle created" : "Puzzle created",
        previous);
}

}  // namespace ringlace
