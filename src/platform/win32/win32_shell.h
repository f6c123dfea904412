#pragma once
// The shell, clipboard and desktop calls of the catalogue's special steps.
#include "platform/shell.h"

namespace hv::win32 {

class Win32Shell final : public Shell {
  public:
    long emptyRecycleBin() override;
    long recycleFile(const std::string& path) override;
    long clearRecentDocuments() override;
    bool emptyClipboard() override;
    unsigned winExec(const std::string& commandLine, int showState) override;
    bool startMinimized(const std::string& commandLine) override;
    std::optional<WindowIdentity> foregroundWindow() override;
    void sendKeys(const std::string& keys) override;
};

}  // namespace hv::win32
