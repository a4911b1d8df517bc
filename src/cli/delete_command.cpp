// ringlace-cli delete FILE N: takes record N out of a puzzle file the way the window's delete
// does, so the file is never left half-written.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/json_line.h"
#include "cli/number_argument.h"
#include "model/text_file.h"

namespace ringlace::cli {

int DeleteCommand(const Arguments& args) {
    if (args.size() != 2) return UsageError("delete takes FILE and N");
    const std::optional<int> number = NumberArgument(args[1]);
    if (!number || *number < 1)
        return UsageError("N must be a whole number from 1, not \"" + args[1] + "\"");
    const std::string& file = args[0];
    const int count = CountLines(file);
    if (*number > count) {
        std::cerr << "ringlace-cli: \"" << file << "\" has no record " << *number << '\n';
        return kExitFailed;
    }
    switch (RemoveLine(file, *number)) {
        case RemoveLineResult::Removed:
            std::cout << JsonLine().Add("deleted", *number).Add("count", count - 1).Text() << '\n';
            return kExitOk;
        case RemoveLineResult::NotRead:
            std::cerr << "ringlace-cli: cannot read \"" << file << "\"\n";
            return kExitFailed;
        case RemoveLineResult::NotWritten:
            break;
    }
    std::cerr << "ringlace-cli: cannot write \"" << file << "\"; it is unchanged\n";
    return kExitFailed;
}

}  // namespace ringlace::cli
