#include "platform/sim/sim_process.h"

#include "platform/text.h"
#include "platform/win_types.h"

namespace hv::sim {

ProcessHandle SimProcess::startHidden(const std::string& commandLine) {
    Running run;
    for (const auto& s : scripts_) {
        if (toLower(commandLine).find(toLower(s.fragment)) == std::string::npos) continue;
        if (s.refuse) return 0;
        run.pollsLeft = s.polls;
        run.code = s.code;
        break;
    }
    started.push_back(commandLine);
    const ProcessHandle handle = next_++;
    running_[handle] = run;
    ++openHandles;
    return handle;
}

bool SimProcess::exitCode(ProcessHandle process, std::uint32_t& code) {
    auto it = running_.find(process);
    if (it == running_.end()) return false;
    Running& run = it->second;
    if (run.pollsLeft == kNeverExits) {
        code = kStillActive;
    } else if (run.pollsLeft > 0) {
        --run.pollsLeft;
        code = kStillActive;
    } else {
        code = run.code;
    }
    return true;
}

void SimProcess::close(ProcessHandle process) {
    if (running_.erase(process)) --openHandles;
}

void SimProcess::script(const std::string& fragment, int polls, std::uint32_t code) {
    scripts_.push_back({fragment, polls, code, false});
}

void SimProcess::refuse(const std::string& fragment) {
    scripts_.push_back({fragment, 0, 0, true});
}

}  // namespace hv::sim
