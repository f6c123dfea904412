#pragma once
// Scripted processes: a test says which command lines start, after how many polls each one
// exits and with which code. Every started command line is recorded.
#include <map>
#include <string>
#include <vector>

#include "platform/process.h"

namespace hv::sim {

class SimProcess : public Process {
  public:
    static constexpr int kNeverExits = -1;

    ProcessHandle startHidden(const std::string& commandLine) override;
    bool exitCode(ProcessHandle process, std::uint32_t& code) override;
    void close(ProcessHandle process) override;

    // A command line containing `fragment` (without regard to case) runs for `polls` exit-code
    // readings, then exits with `code`. Without a script a command exits at the first reading.
    void script(const std::string& fragment, int polls, std::uint32_t code = 0);
    // A command line containing `fragment` cannot be started.
    void refuse(const std::string& fragment);

    std::vector<std::string> started;
    int openHandles = 0;

  private:
    struct Script {
        std::string fragment;
        int polls = 0;
        std::uint32_t code = 0;
        bool refuse = false;
    };
    struct Running {
        int pollsLeft = 0;
        std::uint32_t code = 0;
    };
    std::vector<Script> scripts_;
    std::map<ProcessHandle, Running> running_;
    ProcessHandle next_ = 100;
};

}  // namespace hv::sim
