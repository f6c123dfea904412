#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>

namespace hv::win32 {

namespace {

// The predefined roots are 32-bit values that Windows sign-extends into a handle.
HKEY rootHandle(RootKey root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

// Closes the key on every way out of a call.
class OpenKey {
  public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

bool isStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// String data comes without its closing NUL; data stored without one stays whole.
RegValue makeValue(DWORD type, const BYTE* data, DWORD size) {
    RegValue value;
    value.type = static_cast<RegType>(type);
    value.data.assign(reinterpret_cast<const char*>(data), size);
    if (isStringType(type) && !value.data.empty() && value.data.back() == '\0') {
        value.data.pop_back();
    }
    return value;
}

// RegEnumValueA reports a value name of at most this many characters.
constexpr DWORD kMaxValueName = 16384;
// RegEnumKeyExA reports a key name of at most this many characters.
constexpr DWORD kMaxKeyName = 256;
// A bound on the retries for one value's data, well above anything a program stores.
constexpr std::size_t kMaxValueData = 64u << 20;

}  // namespace

long Win32Registry::queryValue(RootKey root, const std::string& subKey, const std::string& name,
                               std::size_t bufferBytes, RegValue& out) {
    OpenKey key;
    LONG result = RegOpenKeyExA(rootHandle(root), subKey.c_str(), 0, KEY_READ, key.out());
    if (result != ERROR_SUCCESS) return result;
    std::string buffer(bufferBytes, '\0');
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(bufferBytes);
    result = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (result != ERROR_SUCCESS) return result;
    out = makeValue(type, reinterpret_cast<const BYTE*>(buffer.data()), size);
    return ERROR_SUCCESS;
}

long Win32Registry::setValue(RootKey root, const std::string& subKey, const std::string& name,
                             const RegValue& value) {
    OpenKey key;
    LONG result = RegOpenKeyExA(rootHandle(root), subKey.c_str(), 0, KEY_WRITE, key.out());
    if (result != ERROR_SUCCESS) return result;
    // Strings are stored with their closing NUL, as other programs store them and as a reader
    // with a fixed buffer counts them.
    std::string data = value.data;
    if (isStringType(static_cast<DWORD>(value.type))) data.push_back('\0');
    return RegSetValueExA(key.get(), name.c_str(), 0, static_cast<DWORD>(value.type),
                          reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size()));
}

long Win32Registry::createKey(RootKey root, const std::string& subKey) {
    OpenKey key;
    return RegCreateKeyA(rootHandle(root), subKey.c_str(), key.out());
}

long Win32Registry::deleteKey(RootKey root, const std::string& subKey) {
    return RegDeleteKeyA(rootHandle(root), subKey.c_str());
}

long Win32Registry::deleteTree(RootKey root, const std::string& subKey) {
    return static_cast<long>(SHDeleteKeyA(rootHandle(root), subKey.c_str()));
}

long Win32Registry::deleteValue(RootKey root, const std::string& subKey, const std::string& name) {
    OpenKey key;
    LONG result = RegOpenKeyA(rootHandle(root), subKey.c_str(), key.out());
    if (result != ERROR_SUCCESS) return result;
    return RegDeleteValueA(key.get(), name.c_str());
}

long Win32Registry::enumValues(RootKey root, const std::string& subKey,
                               std::vector<NamedRegValue>& out) {
    out.clear();
    OpenKey key;
    LONG result = RegOpenKeyExA(rootHandle(root), subKey.c_str(), 0, KEY_READ, key.out());
    if (result != ERROR_SUCCESS) return result;
    std::string name(kMaxValueName, '\0');
    std::string data(256, '\0');
    for (DWORD index = 0;;) {
        DWORD nameChars = kMaxValueName;
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(data.size());
        result = RegEnumValueA(key.get(), index, name.data(), &nameChars, nullptr, &type,
                               reinterpret_cast<BYTE*>(data.data()), &size);
        if (result == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (result == ERROR_MORE_DATA && data.size() < kMaxValueData) {
            // The data did not fit: ask again with room for what the call said it needs.
            data.resize(std::max<std::size_t>(size, data.size() * 2));
            continue;
        }
        if (result != ERROR_SUCCESS) return result;
        out.push_back({name.substr(0, nameChars),
                       makeValue(type, reinterpret_cast<const BYTE*>(data.data()), size)});
        ++index;
    }
}

long Win32Registry::enumKeys(RootKey root, const std::string& subKey,
                             std::vector<std::string>& out) {
    out.clear();
    OpenKey key;
    LONG result = RegOpenKeyExA(rootHandle(root), subKey.c_str(), 0, KEY_READ, key.out());
    if (result != ERROR_SUCCESS) return result;
    std::string name(kMaxKeyName, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameChars = kMaxKeyName;
        result = RegEnumKeyExA(key.get(), index, name.data(), &nameChars, nullptr, nullptr, nullptr,
                               nullptr);
        if (result == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (result != ERROR_SUCCESS) return result;
        out.push_back(name.substr(0, nameChars));
    }
}

}  // namespace hv::win32
