// A Host for tests: records every message and status text and answers questions from a script.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "seams/host.h"
#include "seams/run_context.h"

namespace ringlace::test {

class TestHost : public Host {
public:
    Answer Ask(const Message& message) override;
    std::string GetFileName(const FileRequest& request) override;
    void Status(const std::string& text) override { statuses.push_back(text); }
    void Progress(int percent) override { progress.push_back(percent); }
    void Yield() override {
        ++yields;
        if (onYield) onYield();
    }
    void BusyPointer(bool busy) override { busyPointer.push_back(busy); }
    void ShowNewBoard() override { ++newBoards; }
    std::string ClipboardText() override { return clipboardText; }
    void SetClipboard(const ClipboardEntry& entry) override { clipboard.push_back(entry); }
    bool Print(const std::vector<Drawing>& pages) override {
        printJobs.push_back(pages);
        return printerChosen;
    }

    // Answers for the next questions, in order; when none is left the first button is pressed.
    std::deque<Answer> answers;
    // Names for the next file dialogs, in order; "" (cancelled) when none is left.
    std::deque<std::string> fileNames;
    // Runs at every yield, as a press of the cancel button would.
    std::function<void()> onYield;

    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    std::vector<std::string> statuses;
    std::vector<int> progress;
    int yields = 0;
    std::vector<bool> busyPointer;
    int newBoards = 0;
    std::string clipboardText;              // what a paste finds
    std::vector<ClipboardEntry> clipboard;  // what the commands put there
    std::vector<std::vector<Drawing>> printJobs;
    bool printerChosen = true;  // false: the print dialog is cancelled
};

// What long work (a solve, a count, a creation) runs on in the tests: a test host and a cancel
// flag, the work never asking whether to go on.
struct TestRun {
    TestHost host;
    RunState state;
    RunContext run{host, state.cancelRequested, true};
};

}  // namespace ringlace::test
