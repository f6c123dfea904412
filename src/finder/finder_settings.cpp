#include "finder/finder_settings.h"

#include <cstdlib>

#include "platform/text.h"

namespace hv {

std::string GetFinderSetting(Platform& os, const std::string& section, const std::string& key,
                             const std::string& defaultValue) {
    return os.settingsStore.getSetting(kFinderApplication, section, key, defaultValue);
}

void SaveFinderSetting(Platform& os, const std::string& section, const std::string& key,
                       const std::string& value) {
    os.settingsStore.saveSetting(kFinderApplication, section, key, value);
}

bool ReadsAsFalse(std::string_view value) {
    const std::string text = trimBlanks(value);
    if (equalsNoCase(text, "False")) return true;
    if (text.empty()) return false;
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    return *end == '\0' && number == 0;
}

}  // namespace hv
