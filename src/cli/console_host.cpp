#include "cli/console_host.h"

#include <iostream>

#include "shell/msg_style.h"

namespace ringlace::cli {

int ConsoleHost::MsgboxA(const std::string& text, const std::string& style) {
    std::string oneLine = text;
    for (char& ch : oneLine)
        if (ch == '\r' || ch == '\n') ch = ' ';
    std::cerr << oneLine << '\n';
    return ParseMsgStyle(style).buttons.front().value;
}

// The console never asks for a file: commands take their files as arguments.
std::string ConsoleHost::GetFileName(const FileRequest&) { return ""; }

void ConsoleHost::Status(const std::string& text) {
    if (!text.empty()) lastStatus_ = text;
}

void ConsoleHost::Progress(int) {}

void ConsoleHost::Yield() {}

}  // namespace ringlace::cli
