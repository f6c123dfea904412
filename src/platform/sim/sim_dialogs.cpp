#include "platform/sim/sim_dialogs.h"

namespace hv::sim {

int SimDialogs::messageBox(const std::string& text, const std::string& title, std::uint32_t style) {
    shown.push_back({text, title, style});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & 0xF) == mb::kYesNo ? mb::kIdYes : mb::kIdOk;
}

}  // namespace hv::sim
