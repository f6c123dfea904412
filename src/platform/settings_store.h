#pragma once
// The per-user application settings store: text values addressed by application name, section
// and key (the file finder keeps its options here, under "Tundale"). Implemented by
// SimSettingsStore (in memory) and Win32SettingsStore (HKEY_CURRENT_USER\Software\<app>\<section>).
#include <string>

namespace hv {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored text, or defaultValue when the value (or its section) does not exist.
    // Application, section and key names match without regard to case.
    virtual std::string getSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    // Creates the section when it is missing. kSuccess or the error that kept it from storing.
    virtual long saveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

}  // namespace hv
