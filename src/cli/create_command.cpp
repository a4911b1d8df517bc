// ringlace-cli create --size RxC|random --level easy|medium|hard|03only [--count N] [--out FILE]
// [--seed S] [--pattern FILE[:N]], or create --jumbo RxC --out FILE.xls [--seed S]: puzzles made
// as the window's create commands make them.
#include <chrono>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/json_line.h"
#include "cli/number_argument.h"
#include "cli/size_argument.h"
#include "commands/create_new_command.h"
#include "create/clue_rules.h"
#include "create/jumbo.h"
#include "create/pattern_file.h"
#include "create/single_creators.h"
#include "exchange/puzzle_sheet.h"
#include "model/puzzle_record.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace::cli {

namespace {

struct CreateArguments {
    std::optional<PuzzleSize> size;  // nothing: a random size for every puzzle
    CreateKind kind = CreateKind::Normal;
    int level = kEasy;
    int count = 1;
    std::string out;  // "": standard output
    std::uint64_t seed = 0;
    std::optional<Pattern> pattern;       // clues exactly on the pattern's cells
    std::optional<PuzzleSize> jumboSize;  // one jumbo puzzle, written as a spreadsheet
};

// "FILE" or "FILE:N": pattern N (default 1) of a pattern file.
std::optional<Pattern> ReadPatternArgument(const std::string& text, const Grid& limits,
                                           std::string& error) {
    std::string file = text;
    int number = 1;
    const std::size_t colon = text.rfind(':');
    if (colon != std::string::npos) {
        if (const std::optional<int> given = NumberArgument(text.substr(colon + 1))) {
            file = text.substr(0, colon);
            number = *given;
        }
    }
    std::optional<Pattern> pattern = LoadPatternAt(file, number, limits.MaxRows, limits.MaxCols);
    if (!pattern) {
        error = "--pattern: line " + NumText(number) + " of " + file + " is not a pattern";
    } else if (pattern->rows < 5 || pattern->cols < 5) {
        error = "--pattern: puzzles have 5 to " + NumText(limits.MaxRows) + " rows and columns";
        pattern.reset();
    }
    return pattern;
}

bool ParseLevel(const std::string& text, CreateArguments& parsed) {
    const std::string level = ToLower(text);
    if (level == "03only") {
        parsed.kind = CreateKind::Only03;
        parsed.level = kMedium;
        return true;
    }
    parsed.level = LevelFromCaption(level);
    return !level.empty() && parsed.level != 0;
}

std::optional<CreateArguments> ParseArguments(const Arguments& args, const Grid& limits,
                                              std::string& error) {
    CreateArguments parsed;
    parsed.seed = RandomSource::ClockSeed();
    bool sizeGiven = false;
    bool levelGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option != "--size" && option != "--level" && option != "--count" && option != "--out" &&
            option != "--seed" && option != "--pattern" && option != "--jumbo") {
            error = "unknown argument \"" + option + "\"";
            return std::nullopt;
        }
        if (i + 1 == args.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--size") {
            sizeGiven = true;
            if (ToLower(value) == "random") continue;
            parsed.size = SizeArgument(value);
            if (!parsed.size || parsed.size->rows < 5 || parsed.size->rows > limits.MaxRows ||
                parsed.size->cols < 5 || parsed.size->cols > limits.MaxCols) {
                error = "--size must be RxC with 5 to " + NumText(limits.MaxRows) +
                        " rows and 5 to " + NumText(limits.MaxCols) + " columns, or random";
                return std::nullopt;
            }
        } else if (option == "--level") {
            levelGiven = true;
            if (!ParseLevel(value, parsed)) {
                error = "--level must be easy, medium, hard or 03only";
                return std::nullopt;
            }
        } else if (option == "--count") {
            const std::optional<int> count = NumberArgument(value);
            if (!count || *count < 1) {
                error = "--count must be a whole number of at least 1";
                return std::nullopt;
            }
            parsed.count = *count;
        } else if (option == "--out") {
            parsed.out = value;
        } else if (option == "--pattern") {
            parsed.pattern = ReadPatternArgument(value, limits, error);
            if (!parsed.pattern) return std::nullopt;
        } else if (option == "--jumbo") {
            parsed.jumboSize = SizeArgument(value);
            const auto fits = [](int side) {
                return side >= kJumboMinSide && side <= kJumboMaxSide;
            };
            if (!parsed.jumboSize || !fits(parsed.jumboSize->rows) ||
                !fits(parsed.jumboSize->cols)) {
                error = "--jumbo must be RxC with 17 to 50 rows and columns";
                return std::nullopt;
            }
        } else {
            const std::optional<std::uint64_t> seed = SeedArgument(value);
            if (!seed) {
                error = "--seed must be a whole number";
                return std::nullopt;
            }
            parsed.seed = *seed;
        }
    }
    if (parsed.jumboSize) {
        if (sizeGiven || levelGiven || parsed.pattern || parsed.count != 1 || parsed.out.empty()) {
            error = "--jumbo makes one Hard puzzle and needs --out FILE.xls alone";
            return std::nullopt;
        }
        return parsed;
    }
    if (parsed.pattern) {
        if (sizeGiven) {
            error = "--pattern gives the size; leave --size out";
            return std::nullopt;
        }
        parsed.size = PuzzleSize{parsed.pattern->rows, parsed.pattern->cols};
        sizeGiven = true;
    }
    if (!sizeGiven || !levelGiven) {
        error = "create needs --size and --level";
        return std::nullopt;
    }
    return parsed;
}

// One puzzle as the arguments ask: a jumbo puzzle, a puzzle on a pattern (by the single-puzzle
// creators, as a batch makes it), or one of the size and kind asked for.
CreateResult MakeOne(CreateContext& ctx, const CreateArguments& args) {
    if (args.jumboSize) return CreateJumbo(ctx, args.jumboSize->rows, args.jumboSize->cols);
    const PuzzleSize size = args.size ? *args.size : ReadSizeText("", ctx.grid, ctx.random);
    if (args.pattern) {
        ctx.options.pattern = args.pattern->mask;
        return CreatePuzzle(ctx, size.rows, size.cols, args.level);
    }
    return CreateOfKind(ctx, args.kind, size.rows, size.cols, args.level);
}

}  // namespace

// Puzzle n is made from its own source, seeded with S + n - 1, so any one puzzle of a run can be
// made again alone.
int CreateCommand(const Arguments& args) {
    std::string error;
    const Grid limits;
    const std::optional<CreateArguments> parsed = ParseArguments(args, limits, error);
    if (!parsed) return UsageError(error);

    ConsoleHost host;
    RunState state;
    host.CancelOnInterrupt(state.cancelRequested);
    for (int made = 0; made < parsed->count; ++made) {
        const int n = made + 1;
        const std::uint64_t seed = parsed->seed + static_cast<std::uint64_t>(n - 1);
        RandomSource random(seed);
        const auto grid = std::make_unique<Grid>();
        RunContext run(host, state.cancelRequested, true);
        CreateContext ctx(*grid, run, random);
        const auto start = std::chrono::steady_clock::now();
        const CreateResult result = MakeOne(ctx, *parsed);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (result == CreateResult::Failed) {
            std::cerr << JsonLine()
                             .Add("n", n)
                             .Add("error", "the pattern's clues fix no single loop")
                             .Add("attempts", ctx.attempts)
                             .Text()
                      << std::endl;
            return kExitFailed;
        }
        if (result != CreateResult::Created) {
            std::cerr << "ringlace-cli: creation cancelled" << std::endl;
            return kExitFailed;
        }
        const std::string record = PuzzleRecordText(*grid);
        if (parsed->jumboSize) {
            if (!WritePuzzleSheet(*grid, parsed->out, SheetLoop::AsDrawn)) {
                std::cerr << "ringlace-cli: cannot write " << parsed->out << std::endl;
                return kExitFailed;
            }
        } else if (parsed->out.empty()) {
            std::cout << record << '\n' << std::flush;
        } else if (!AppendLine(parsed->out, record)) {
            std::cerr << "ringlace-cli: cannot write " << parsed->out << std::endl;
            return kExitFailed;
        }
        JsonLine line;
        line.Add("n", n)
            .Add("rows", grid->Rows)
            .Add("cols", grid->Cols)
            .Add("code", grid->DiffCode)
            .Add("open", OpenShare(*grid));
        if (ctx.grade == 0)
            line.AddNull("grade");
        else
            line.Add("grade", ctx.grade);
        line.Add("ms", ms).Add("attempts", ctx.attempts).Add("seed", seed);
        std::cerr << line.Text() << std::endl;
    }
    return kExitOk;
}

}  // namespace ringlace::cli
