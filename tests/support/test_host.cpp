#include "support/test_host.h"

namespace ringlace::test {

Answer TestHost::Ask(const Message& message) {
    messages.push_back(message);
    if (answers.empty()) return ButtonChoices(message.buttons).front().answer;
    const Answer answer = answers.front();
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
