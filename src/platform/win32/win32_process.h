#pragma once
// External commands started with CreateProcessA and watched through a query handle.
#include "platform/process.h"

namespace hv::win32 {

class Win32Process final : public Process {
  public:
    ProcessHandle startHidden(const std::string& commandLine) override;
    bool exitCode(ProcessHandle process, std::uint32_t& code) override;
    void close(ProcessHandle process) override;
};

}  // namespace hv::win32
