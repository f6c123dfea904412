#pragma once
// The registry through the advapi32 and shlwapi calls; every call opens and closes its key.
#include "platform/registry.h"

namespace hv::win32 {

class Win32Registry final : public Registry {
  public:
    long queryValue(RootKey root, const std::string& subKey, const std::string& name,
                    std::size_t bufferBytes, RegValue& out) override;
    long setValue(RootKey root, const std::string& subKey, const std::string& name,
                  const RegValue& value) override;
    long createKey(RootKey root, const std::string& subKey) override;
    long deleteKey(RootKey root, const std::string& subKey) override;
    long deleteTree(RootKey root, const std::string& subKey) override;
    long deleteValue(RootKey root, const std::string& subKey, const std::string& name) override;
    long enumValues(RootKey root, const std::string& subKey,
                    std::vector<NamedRegValue>& out) override;
    long enumKeys(RootKey root, const std::string& subKey, std::vector<std::string>& out) override;
};

}  // namespace hv::win32
