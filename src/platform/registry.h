#pragma once
// The registry: predefined roots, keys, typed values. Every call opens and closes its key.
// Implemented by SimRegistry and Win32Registry. Results are Win32 error codes (kSuccess = 0).
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace hv {

struct RegValue {
    RegType type = RegType::Sz;
    std::string data;  // raw bytes; string types without their terminating NUL
};

struct NamedRegValue {
    std::string name;
    RegValue value;
};

class Registry {
  public:
    virtual ~Registry() = default;

    // RegOpenKeyExA(KEY_READ) + RegQueryValueExA into a buffer of bufferBytes + RegCloseKey.
    // String data counts its terminating NUL; data that does not fit gives kMoreData.
    virtual long queryValue(RootKey root, const std::string& subKey, const std::string& name,
                            std::size_t bufferBytes, RegValue& out) = 0;
    // RegOpenKeyExA(KEY_WRITE) + RegSetValueExA: the key must exist.
    virtual long setValue(RootKey root, const std::string& subKey, const std::string& name,
                          const RegValue& value) = 0;
    // RegCreateKeyA: creates the key and every missing key above it.
    virtual long createKey(RootKey root, const std::string& subKey) = 0;
    // RegDeleteKeyA: removes a key that has no sub-keys (its values go with it).
    virtual long deleteKey(RootKey root, const std::string& subKey) = 0;
    // SHDeleteKeyA: removes the key with everything below it.
    virtual long deleteTree(RootKey root, const std::string& subKey) = 0;
    // RegOpenKeyA + RegDeleteValueA + RegCloseKey.
    virtual long deleteValue(RootKey root, const std::string& subKey, const std::string& name) = 0;
    // RegEnumValueA over the key, in the registry's order.
    virtual long enumValues(RootKey root, const std::string& subKey,
                            std::vector<NamedRegValue>& out) = 0;
    // RegEnumKeyExA over the key: the names of its immediate sub-keys.
    virtual long enumKeys(RootKey root, const std::string& subKey,
                          std::vector<std::string>& out) = 0;
};

}  // namespace hv
