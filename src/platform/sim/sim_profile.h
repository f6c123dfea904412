#pragma once
// Profile files kept on the simulated drives, read and written the way the Windows profile API
// does it (see Profile for the rules).
#include "platform/file_system.h"
#include "platform/profile.h"

namespace hv::sim {

class SimProfile : public Profile {
  public:
    explicit SimProfile(FileSystem& files) : files_(files) {}

    std::string getString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback,
                          std::size_t bufferChars) override;
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::string getSection(const std::string& file, const std::string& section,
                           std::size_t bufferChars) override;

  private:
    FileSystem& files_;
};

}  // namespace hv::sim
