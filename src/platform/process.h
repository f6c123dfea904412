#pragma once
// Starting external commands. Implemented by SimProcess (scripted) and Win32Process.
#include <cstdint>
#include <string>

namespace hv {

using ProcessHandle = std::uintptr_t;  // 0 = none

class Process {
  public:
    virtual ~Process() = default;

    // CreateProcessA with a hidden window; returns a handle opened for query access, or 0.
    virtual ProcessHandle startHidden(const std::string& commandLine) = 0;
    // GetExitCodeProcess: false when the handle cannot be queried; kStillActive while running.
    virtual bool exitCode(ProcessHandle process, std::uint32_t& code) = 0;
    virtual void close(ProcessHandle process) = 0;
};

}  // namespace hv
