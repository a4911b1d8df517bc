// ringlace-cli create --size RxC|random --level easy|medium|hard|03only [--count N] [--out FILE]
// [--seed S]: puzzles made as the single-puzzle command makes them, one record each.
#include <charconv>
#include <chrono>
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/json_line.h"
#include "cli/number_argument.h"
#include "commands/create_new_command.h"
#include "create/clue_rules.h"
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
};

std::optional<PuzzleSize> ParseSize(const std::string& text) {
    const std::size_t x = ToLower(text).find('x');
    if (x == std::string::npos) return std::nullopt;
    const std::optional<int> rows = NumberArgument(text.substr(0, x));
    const std::optional<int> cols = NumberArgument(text.substr(x + 1));
    if (!rows || !cols) return std::nullopt;
    return PuzzleSize{*rows, *cols};
}

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
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
            option != "--seed") {
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
            parsed.size = ParseSize(value);
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
        } else {
            const std::optional<std::uint64_t> seed = ParseSeed(value);
            if (!seed) {
                error = "--seed must be a whole number";
                return std::nullopt;
            }
            parsed.seed = *seed;
        }
    }
    if (!sizeGiven || !levelGiven) {
        error = "create needs --size and --level";
        return std::nullopt;
    }
    return parsed;
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
        Grid grid;
        const PuzzleSize size = parsed->size ? *parsed->size : ReadSizeText("", grid, random);
        RunContext run(host, state.cancelRequested, true);
        CreateContext ctx(grid, run, random);
        const auto start = std::chrono::steady_clock::now();
        const CreateResult result =
            CreateOfKind(ctx, parsed->kind, size.rows, size.cols, parsed->level);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (result != CreateResult::Created) {
            std::cerr << "ringlace-cli: creation cancelled" << std::endl;
            return kExitFailed;
        }
        const std::string record = PuzzleRecordText(grid);
        if (parsed->out.empty()) {
            std::cout << record << '\n' << std::flush;
        } else if (!AppendLine(parsed->out, record)) {
            std::cerr << "ringlace-cli: cannot write " << parsed->out << std::endl;
            return kExitFailed;
        }
        std::cerr << JsonLine()
                         .Add("n", n)
                         .Add("rows", grid.Rows)
                         .Add("cols", grid.Cols)
                         .Add("code", grid.DiffCode)
                         .Add("open", OpenShare(grid))
                         .Add("ms", ms)
                         .Add("attempts", ctx.attempts)
                         .Add("seed", seed)
                         .Text()
                  << std::endl;
    }
    return kExitOk;
}

}  // namespace ringlace::cli
