#include "create/create_new_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "create/loop_growth.h"
#include "model/puzzle_record.h"
#include "model/rounding.h"
#include "model/text.h"
#include "model/text_file.h"
#include "shell/busy_guard.h"

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

// What every ending does: the run flags are down, the pointer is normal again, and the progress
// bar the checking solves filled is hidden.
void EndRun(App& app) {
    app.session.Busy = false;
    app.session.CancelRequested = false;
    app.session.SilentSolve = false;
    app.host.Progress(0);
    app.host.BusyPointer(false);
}

struct Previous {
    Grid grid;
    int puzCount;
    BoardLabels labels;
};

// The puzzle that was shown comes back from its file; when the file no longer gives it, the copy
// taken before the creation does.
void RestorePrevious(App& app, const Previous& previous) {
    Session& session = app.session;
    session.PuzCount = CountLines(session.PuzFile);
    if (LoadPuzzle(app.grid, session, session.PuzFile, session.PuzNum) != 0) {
        app.grid = previous.grid;
        session.PuzCount = previous.puzCount;
        session.Labels = previous.labels;
    }
}

CreateEnd CancelEnding(App& app, const Previous& previous) {
    EndRun(app);
    RestorePrevious(app, previous);
    app.host.Status("");
    app.host.MsgboxA("Canceled", "vbok+vbinformation");
    return CreateEnd::Canceled;
}

CreateEnd SuccessEnding(App& app, CreateKind kind, const Previous& previous) {
    EndRun(app);
    const std::string file = app.paths.InData(kScratchPuzzleFile);
    Session& session = app.session;
    const int puzCount = session.PuzCount;
    session.PuzCount = 1;
    if (!WritePuzzleRecord(app.grid, file, WriteMode::Replace) ||
        LoadPuzzle(app.grid, session, file, 1) != 0) {
        session.PuzCount = puzCount;
        RestorePrevious(app, previous);
        app.host.Status("");
        app.host.MsgboxA("Error writing file:" + std::string(kCrLf) + file, "vbcritical+vbok");
        return CreateEnd::NotSaved;
    }
    app.host.Status(kind == CreateKind::Only03 ? "03Only Puzzle created" : "Puzzle created");
    return CreateEnd::Created;
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

CreateEnd CreateNew(App& app, CreateKind kind) {
    Session& session = app.session;
    Grid& grid = app.grid;
    if (RefuseWhileBusy(app)) return CreateEnd::Refused;
    const PuzzleSize size = ReadSizeText(session.Labels.size, grid, app.random);
    if (size.rows < 5 || size.rows > grid.MaxRows || size.cols < 5 || size.cols > grid.MaxCols) {
        app.host.MsgboxA("Puzzle size must be 5 to " + StrNumber(grid.MaxRows), "vbcritical+vbok");
        return CreateEnd::BadSize;
    }
    const int level = LevelFromCaption(session.Labels.difficulty);
    if (level == 0) {
        app.host.MsgboxA("Incorrect Difficulty Level", "vbcritical+vbok");
        return CreateEnd::BadLevel;
    }

    const Previous previous{grid, session.PuzCount, session.Labels};
    app.host.BusyPointer(true);
    // Busy stays up for the whole creation, not only while the solver runs: the window yields
    // during loop growth too, and no other command may touch the grid meanwhile.
    session.Busy = true;
    session.CancelRequested = false;
    session.JumboFlag = false;
    session.CompositeFlag = false;
    session.PatternFlag = 0;
    for (int r = 1; r <= size.rows; ++r)
        for (int c = 1; c <= size.cols; ++c) session.PatternMask[r][c] = 0;
    session.Labels.size = NumText(size.rows) + "x" + NumText(size.cols);
    session.Labels.difficulty = LevelName(level);
    SetCreateSize(grid, size.rows, size.cols);
    ResetGridForCreate(grid);
    if (kind == CreateKind::Only03) session.Labels.difficulty = "03Only";
    app.host.ShowNewBoard();

    RunContext run(app.host, session);
    CreateContext ctx(grid, run, app.random);
    const int result = CreateOfKind(ctx, kind, size.rows, size.cols, level);
    if (result != kCreated) return CancelEnding(app, previous);
    return SuccessEnding(app, kind, previous);
}

}  // namespace ringlace
