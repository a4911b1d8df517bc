#include "cli/console_host.h"

#include <csignal>
#include <iostream>

namespace ringlace::cli {

namespace {

// A signal handler can reach nothing but a flag of the process.
volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
    interrupted = 1;
}

}  // namespace

Answer ConsoleHost::Ask(const Message& message) {
    std::string oneLine = message.text;
    for (char& ch : oneLine)
        if (ch == '\r' || ch == '\n') ch = ' ';
    std::cerr << oneLine << '\n';
    return ButtonChoices(message.buttons).front().answer;
}

// The console never asks for a file: commands take their files as arguments.
std::string ConsoleHost::GetFileName(const FileRequest&) {
    return "";
}

void ConsoleHost::Status(const std::string&) {}

void ConsoleHost::Progress(int) {}

void ConsoleHost::Yield() {
    if (interrupted && cancelRequested_) *cancelRequested_ = true;
}

void ConsoleHost::CancelOnInterrupt(bool& cancelRequested) {
    cancelRequested_ = &cancelRequested;
    std::signal(SIGINT, OnInterrupt);
}

bool ConsoleHost::Interrupted() const {
    return interrupted != 0;
}

}  // namespace ringlace::cli
