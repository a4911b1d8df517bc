// The commands of ringlace-cli. Each takes its own arguments (after the command word) and returns
// the process exit status: 0 success, 1 a puzzle failed, 2 a usage error.
#pragma once

#include <string>
#include <vector>

namespace ringlace::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

using Arguments = std::vector<std::string>;

int InfoCommand(const Arguments& args);
int SolveCommand(const Arguments& args);
int CountCommand(const Arguments& args);
int CreateCommand(const Arguments& args);
int ListCommand(const Arguments& args);
int DeleteCommand(const Arguments& args);
int ExportCommand(const Arguments& args);
int ImportCommand(const Arguments& args);
int PrintCommand(const Arguments& args);
int ShuffleCommand(const Arguments& args);
int HintCommand(const Arguments& args);

// Prints a usage error and returns kExitUsage.
int UsageError(const std::string& message);

}  // namespace ringlace::cli
