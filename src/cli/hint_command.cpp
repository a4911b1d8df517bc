// ringlace-cli hint FILE [N] [--apply K [--out PATH]]: the Hint button's answer for record N, or
// K hints applied one after another.
#include <chrono>
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/json_line.h"
#include "cli/load_failure.h"
#include "cli/number_argument.h"
#include "model/puzzle_place.h"
#include "model/puzzle_record.h"
#include "model/text_file.h"
#include "solver/hint_finder.h"

namespace ringlace::cli {

namespace {

struct HintArguments {
    std::string file;
    int puzzle = 1;
    std::optional<int> apply;
    std::string out;
};

std::optional<HintArguments> ParseArguments(const Arguments& args, std::string& error) {
    HintArguments parsed;
    std::vector<std::string> positional;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--apply" || arg == "--out") {
            if (k + 1 == args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            const std::string& value = args[++k];
            if (arg == "--out") {
                parsed.out = value;
                continue;
            }
            parsed.apply = NumberArgument(value);
            if (!parsed.apply) {
                error = "--apply takes a whole number, not \"" + value + "\"";
                return std::nullopt;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        error = "hint takes FILE and an optional N";
        return std::nullopt;
    }
    if (!parsed.out.empty() && !parsed.apply) {
        error = "--out goes with --apply";
        return std::nullopt;
    }
    parsed.file = positional[0];
    if (positional.size() == 2) {
        const std::optional<int> n = NumberArgument(positional[1]);
        if (!n) {
            error = "N must be a whole number, not \"" + positional[1] + "\"";
            return std::nullopt;
        }
        parsed.puzzle = *n;
    }
    return parsed;
}

const char* KindName(HintKind kind) {
    switch (kind) {
        case HintKind::Mistake:
            return "mistake";
        case HintKind::Step:
            return "step";
        case HintKind::Solved:
            return "solved";
        case HintKind::NoSolution:
            return "no solution";
        case HintKind::NotUnique:
            return "not unique";
        case HintKind::NoStep:
            break;
    }
    return "no step";
}

const char* SideName(Side side) {
    switch (side) {
        case Side::Left:
            return "left";
        case Side::Top:
            return "top";
        case Side::Right:
            return "right";
        case Side::Bottom:
            return "bottom";
    }
    return "";
}

std::string HintLine(int puzzle, const Hint& hint, double ms) {
    JsonLine line;
    line.Add("puzzle", puzzle).Add("kind", KindName(hint.kind));
    if (MarksEdge(hint)) {
        line.Add("row", hint.row)
            .Add("col", hint.col)
            .Add("side", SideName(hint.side))
            .Add("value", hint.value == Bar ? "bar" : "x");
    } else {
        line.AddNull("row").AddNull("col").AddNull("side").AddNull("value");
    }
    if (hint.kind == HintKind::Step)
        line.Add("stage", hint.stage).Add("rule", hint.rule);
    else
        line.AddNull("stage").AddNull("rule");
    return line.Add("ms", ms).Add("message", hint.message).Text();
}

}  // namespace

int HintCommand(const Arguments& args) {
    std::string error;
    const std::optional<HintArguments> parsed = ParseArguments(args, error);
    if (!parsed) return UsageError(error);
    Grid grid;
    PuzzlePlace place;
    place.count = CountLines(parsed->file);
    std::string whyNot;
    if (!LoadPuzzle(grid, place, parsed->file, parsed->puzzle, &whyNot)) {
        std::cout << LoadFailure(parsed->puzzle, whyNot).Text() << std::endl;
        return kExitFailed;
    }
    ConsoleHost host;
    bool cancel = false;
    host.CancelOnInterrupt(cancel);
    RunContext run(host, cancel, true);
    const int steps = parsed->apply.value_or(0);
    int given = 0;
    // Each hint found is printed: the steps applied, then the hint for the position they reach.
    for (int applied = 0;; ++applied) {
        const auto start = std::chrono::steady_clock::now();
        const Hint hint = FindHint(grid, run);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        std::cout << HintLine(parsed->puzzle, hint, ms) << std::endl;
        given += MarksEdge(hint);
        if (hint.kind != HintKind::Step || applied == steps) break;
        ApplyHintStep(grid, hint);
    }
    if (!parsed->out.empty() && !WriteUserRecord(grid, parsed->out)) {
        std::cerr << "ringlace-cli: Error writing file: " << parsed->out << std::endl;
        return kExitFailed;
    }
    return given > 0 ? kExitOk : kExitFailed;
}

}  // namespace ringlace::cli
