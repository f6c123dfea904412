#include "platform/win32/win32_settings_store.h"

#include <windows.h>

#include <vector>

namespace hv::win32 {

namespace {

std::string sectionKey(const std::string& application, const std::string& section) {
    return "Software\\" + application + "\\" + section;
}

}  // namespace

std::string Win32SettingsStore::getSetting(const std::string& application,
                                           const std::string& section, const std::string& key,
                                           const std::string& defaultValue) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, sectionKey(application, section).c_str(), 0, KEY_READ,
                      &opened) != ERROR_SUCCESS) {
        return defaultValue;
    }
    // Ask for the size first; a value that grows between the two calls is asked for again.
    std::vector<char> data;
    DWORD type = 0;
    LONG result = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 3 && result == ERROR_MORE_DATA; ++attempt) {
        DWORD bytes = 0;
        result = RegQueryValueExA(opened, key.c_str(), nullptr, &type, nullptr, &bytes);
        if (result != ERROR_SUCCESS) break;
        data.assign(bytes + 1, '\0');
        result = RegQueryValueExA(opened, key.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &bytes);
        if (result == ERROR_SUCCESS) data.resize(bytes);
    }
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return defaultValue;
    // String data carries its terminating NUL (sometimes more than one).
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return std::string(data.begin(), data.end());
}

long Win32SettingsStore::saveSetting(const std::string& application, const std::string& section,
                                     const std::string& key, const std::string& value) {
    HKEY created = nullptr;
    LONG result =
        RegCreateKeyExA(HKEY_CURRENT_USER, sectionKey(application, section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &created, nullptr);
    if (result != ERROR_SUCCESS) return result;
    result = RegSetValueExA(created, key.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1));
    RegCloseKey(created);
    return result;
}

}  // namespace hv::win32
