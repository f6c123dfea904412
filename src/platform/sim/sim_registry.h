#pragma once
// The registry held in memory: the predefined roots by their handle values, key and value names
// matched without regard to case, sub-keys and values in creation order.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/sim_faults.h"

namespace hv::sim {

class SimRegistry : public Registry {
  public:
    SimRegistry();
    ~SimRegistry() override;

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

    // Test helpers.
    bool keyExists(RootKey root, const std::string& subKey);
    std::optional<std::string> value(RootKey root, const std::string& subKey,
                                     const std::string& name);
    void setString(RootKey root, const std::string& subKey, const std::string& name,
                   const std::string& text);

    // Every removed key ("ROOT\sub-key") and value ("ROOT\sub-key" + "\\" + name), in order.
    std::vector<std::string> removed;
    FaultRule faults;

  private:
    struct Key;
    Key* find(RootKey root, const std::string& subKey);
    long fault(std::string_view op, RootKey root, const std::string& subKey);

    std::map<RootKey, std::unique_ptr<Key>> roots_;
};

// "HKEY_CURRENT_USER" and friends for a root handle; empty for an unknown handle.
std::string rootName(RootKey root);

}  // namespace hv::sim
