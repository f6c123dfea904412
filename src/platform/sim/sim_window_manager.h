#pragma once
// Other programs' top-level windows as a test describes them, and the hot keys the program
// holds. Placements are stored as given; setPlacement replaces them, as SetWindowPlacement
// does, and "shown" means a show command other than SW_HIDE.
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/ui/window_manager.h"

namespace hv::sim {

class SimWindowManager : public ui::WindowManager {
  public:
    std::vector<ui::TopLevelWindow> topLevelWindows() override;
    std::optional<ui::WindowPlacement> placement(ui::WindowHandle window) override;
    bool setPlacement(ui::WindowHandle window, const ui::WindowPlacement& placement) override;
    bool setForeground(ui::WindowHandle window) override;
    bool registerHotKey(int id, unsigned modifiers, unsigned virtualKey) override;
    bool unregisterHotKey(int id) override;

    // The test's side.

    // A window of another program, last in the enumeration order; returns its handle.
    ui::WindowHandle addWindow(const std::string& className, ui::WindowPlacement placement = {});
    void closeWindow(ui::WindowHandle window);
    bool shown(ui::WindowHandle window) const;
    // The user presses a key combination: onHotKey when the program holds it. True if held.
    bool pressHotKey(unsigned modifiers, unsigned virtualKey);

    struct HotKey {
        unsigned modifiers = 0;
        unsigned virtualKey = 0;
        auto operator<=>(const HotKey&) const = default;
    };
    std::map<int, HotKey> hotKeys;   // held by the program, by id
    std::set<HotKey> takenByOthers;  // combinations another program holds
    int registerCalls = 0;
    std::vector<std::pair<ui::WindowHandle, ui::WindowPlacement>> placementsSet;
    ui::WindowHandle foreground = 0;

  private:
    struct Window {
        ui::TopLevelWindow identity;
        ui::WindowPlacement placement;
    };
    Window* lookup(ui::WindowHandle window);
    std::vector<Window> windows_;
    ui::WindowHandle next_ = 0x10010;
};

}  // namespace hv::sim
