#pragma once
// The per-user settings store held in memory; tests read and state its values directly.
#include <map>
#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace hv::sim {

class SimSettingsStore : public SettingsStore {
  public:
    std::string getSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    long saveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;

    // The stored value, if any.
    std::optional<std::string> value(const std::string& application, const std::string& section,
                                     const std::string& key) const;

  private:
    static std::string address(const std::string& application, const std::string& section,
                               const std::string& key);
    std::map<std::string, std::string> values_;
};

}  // namespace hv::sim
