#include "platform/sim/sim_settings_store.h"

#include "platform/text.h"
#include "platform/win_types.h"

namespace hv::sim {

// Names ignore case, as the registry's do; the separator cannot occur in a name.
std::string SimSettingsStore::address(const std::string& application, const std::string& section,
                                      const std::string& key) {
    return toLower(application) + '\n' + toLower(section) + '\n' + toLower(key);
}

std::string SimSettingsStore::getSetting(const std::string& application, const std::string& section,
                                         const std::string& key, const std::string& defaultValue) {
    return value(application, section, key).value_or(defaultValue);
}

long SimSettingsStore::saveSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& value) {
    values_[address(application, section, key)] = value;
    return kSuccess;
}

std::optional<std::string> SimSettingsStore::value(const std::string& application,
                                                   const std::string& section,
                                                   const std::string& key) const {
    const auto found = values_.find(address(application, section, key));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

}  // namespace hv::sim
