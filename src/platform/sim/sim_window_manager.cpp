#include "platform/sim/sim_window_manager.h"

#include <algorithm>

namespace hv::sim {

std::vector<ui::TopLevelWindow> SimWindowManager::topLevelWindows() {
    std::vector<ui::TopLevelWindow> out;
    for (const auto& window : windows_) out.push_back(window.identity);
    return out;
}

SimWindowManager::Window* SimWindowManager::lookup(ui::WindowHandle handle) {
    for (auto& window : windows_)
        if (window.identity.handle == handle) return &window;
    return nullptr;
}

std::optional<ui::WindowPlacement> SimWindowManager::placement(ui::WindowHandle handle) {
    if (Window* window = lookup(handle)) return window->placement;
    return std::nullopt;
}

bool SimWindowManager::setPlacement(ui::WindowHandle handle, const ui::WindowPlacement& placement) {
    Window* window = lookup(handle);
    if (window == nullptr) return false;
    window->placement = placement;
    placementsSet.emplace_back(handle, placement);
    return true;
}

bool SimWindowManager::setForeground(ui::WindowHandle handle) {
    if (lookup(handle) == nullptr) return false;
    foreground = handle;
    return true;
}

bool SimWindowManager::registerHotKey(int id, unsigned modifiers, unsigned virtualKey) {
    ++registerCalls;
    const HotKey key{modifiers, virtualKey};
    if (takenByOthers.count(key) != 0) return false;
    for (const auto& [heldId, held] : hotKeys)
        if (held == key) return false;
    hotKeys[id] = key;
    return true;
}

bool SimWindowManager::unregisterHotKey(int id) {
    return hotKeys.erase(id) != 0;
}

ui::WindowHandle SimWindowManager::addWindow(const std::string& className,
                                             ui::WindowPlacement placement) {
    const ui::WindowHandle handle = next_;
    next_ += 4;
    windows_.push_back({{handle, className}, placement});
    return handle;
}

void SimWindowManager::closeWindow(ui::WindowHandle handle) {
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [&](const Window& w) { return w.identity.handle == handle; }),
                   windows_.end());
}

bool SimWindowManager::shown(ui::WindowHandle handle) const {
    for (const auto& window : windows_)
        if (window.identity.handle == handle) return window.placement.showCommand != ui::kSwHide;
    return false;
}

bool SimWindowManager::pressHotKey(unsigned modifiers, unsigned virtualKey) {
    for (const auto& [id, held] : hotKeys)
        if (held.modifiers == modifiers && held.virtualKey == virtualKey) {
            if (onHotKey) onHotKey(id, modifiers, virtualKey);
            return true;
        }
    return false;
}

}  // namespace hv::sim
