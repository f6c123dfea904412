#include "platform/sim/sim_system.h"

#include "platform/text.h"

namespace hv::sim {

std::string SimSystem::windowsDirectory(std::size_t bufferChars) {
    if (windowsFolder.size() + 1 > bufferChars) return {};
    return windowsFolder;
}

std::optional<std::string> SimSystem::environment(const std::string& name) {
    auto it = environment_.find(toLower(name));
    if (it == environment_.end()) return std::nullopt;
    return it->second;
}

void SimSystem::setEnvironment(const std::string& name, const std::string& value) {
    environment_[toLower(name)] = value;
}

void SimSystem::clearEnvironment(const std::string& name) {
    environment_.erase(toLower(name));
}

}  // namespace hv::sim
