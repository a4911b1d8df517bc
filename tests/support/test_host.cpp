#include "support/test_host.h"

#include "shell/msg_style.h"

namespace ringlace::test {

int TestHost::MsgboxA(const std::string& text, const std::string& style) {
    messages.push_back({text, style});
    if (answers.empty()) return ParseMsgStyle(style).buttons.front().value;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string TestHost::GetFileName(const FileRequest& request) {
    fileRequests.push_back(request);
    if (fileNames.empty()) return "";
    std::string name = fileNames.front();
    fileNames.pop_front();
    return name;
}

}  // namespace ringlace::test
