// The Host of ringlace-cli: messages go to standard error, questions take their first button,
// status texts are remembered (the solve report names the last stage).
#pragma once

#include <string>

#include "shell/host.h"

namespace ringlace::cli {

class ConsoleHost : public Host {
public:
    int MsgboxA(const std::string& text, const std::string& style) override;
    std::string GetFileName(const FileRequest& request) override;
    void Status(const std::string& text) override;
    void Progress(int percent) override;
    void Yield() override;

    const std::string& LastStatus() const { return lastStatus_; }

private:
    std::string lastStatus_;
};

}  // namespace ringlace::cli
