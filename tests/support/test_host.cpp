#include "support/test_host.h"

namespace ringlace::test {

Answer TestHost::Ask(const Message& message) {
    messages.push_back(message);
    if (answers.empty()) return ButtonChoices(message.buttons).front().answer;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace ringlace::test
