// ringlace-cli shuffle FILE --out PATH [--seed S]: the file's lines without repeats (letter case
// aside), in random order.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/json_line.h"
#include "cli/number_argument.h"
#include "model/line_shuffle.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace::cli {

int ShuffleCommand(const Arguments& args) {
    std::string file;
    std::string out;
    std::uint64_t seed = RandomSource::ClockSeed();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg != "--out" && arg != "--seed") {
            if (!file.empty()) return UsageError("shuffle takes one FILE");
            file = arg;
            continue;
        }
        if (i + 1 == args.size()) return UsageError(arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--out") {
            out = value;
        } else if (const std::optional<std::uint64_t> given = SeedArgument(value)) {
            seed = *given;
        } else {
            return UsageError("--seed must be a whole number");
        }
    }
    if (file.empty() || out.empty()) return UsageError("shuffle needs FILE and --out PATH");

    LineReader reader(file);
    if (!reader.IsOpen()) {
        std::cout << JsonLine().Add("file", file).Add("error", "read failed").Text() << '\n';
        return kExitFailed;
    }
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line);) lines.push_back(line);
    RandomSource random(seed);
    const ShuffledLines shuffled = DropDuplicatesAndShuffle(lines, random);
    std::string text;
    for (const std::string& line : shuffled.lines) text += line + std::string(kCrLf);
    JsonLine report;
    report.Add("read", static_cast<int>(lines.size()))
        .Add("duplicates", shuffled.duplicates)
        .Add("blank", shuffled.blank)
        .Add("written", static_cast<int>(shuffled.lines.size()))
        .Add("seed", seed)
        .Add("out", out);
    if (!WriteFileAtomically(out, text)) {
        std::cout << report.Add("error", "write failed").Text() << '\n';
        return kExitFailed;
    }
    std::cout << report.Text() << '\n';
    return kExitOk;
}

}  // namespace ringlace::cli
