// What the commands ask and say about files: the file dialog, started in the current puzzle
// file's folder, and the messages about a file that cannot be used.
#pragma once

#include <string>

#include "seams/host.h"

namespace ringlace {

struct App;

// Asks with the request's dialog; the name with ".extension" added when it has none, or "" when
// the person cancelled.
std::string AskForFile(App& app, FileRequest request, const std::string& extension);

enum class FileTrouble { NotRead, NotWritten, NotFound };

// "Error reading file:", "Error writing file:" or "File not found:", a line end and the name.
void ReportFileTrouble(Host& host, FileTrouble trouble, const std::string& fileName);

}  // namespace ringlace
