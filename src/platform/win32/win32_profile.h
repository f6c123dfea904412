#pragma once
// Profile files through the Windows private-profile API.
#include "platform/profile.h"

namespace hv::win32 {

class Win32Profile final : public Profile {
  public:
    std::string getString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback,
                          std::size_t bufferChars) override;
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::string getSection(const std::string& file, const std::string& section,
                           std::size_t bufferChars) override;
};

}  // namespace hv::win32
