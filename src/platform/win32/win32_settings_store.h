#pragma once
// The per-user settings store in the registry: HKEY_CURRENT_USER\Software\<app>\<section>,
// one string value per key.
#include "platform/settings_store.h"

namespace hv::win32 {

class Win32SettingsStore final : public SettingsStore {
  public:
    std::string getSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    long saveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
};

}  // namespace hv::win32
