// The Host of ringlace-cli: messages go to standard error, questions take their first button, and
// Ctrl+C at a yield point cancels the running work like the window's cancel button.
#pragma once

#include <string>

#include "seams/host.h"

namespace ringlace::cli {

class ConsoleHost : public Host {
public:
    Answer Ask(const Message& message) override;
    std::string GetFileName(const FileRequest& request) override;
    void Status(const std::string& text) override;
    void Progress(int percent) override;
    void Yield() override;

    // From now on Ctrl+C sets this flag (at the next yield point) instead of ending the program.
    void CancelOnInterrupt(bool& cancelRequested);
    bool Interrupted() const;

private:
    bool* cancelRequested_ = nullptr;
};

}  // namespace ringlace::cli
