#pragma once
// Version, folders, environment and clock of the running Windows.
#include "platform/system.h"

namespace hv::win32 {

class Win32System final : public System {
  public:
    int windowsMajor() override;
    int windowsMinor() override;
    std::string windowsDirectory(std::size_t bufferChars) override;
    std::optional<std::string> environment(const std::string& name) override;
    std::string applicationFolder() override;
    LocalTime now() override;
};

}  // namespace hv::win32
