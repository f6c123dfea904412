#pragma once
// Top-level windows (EnumWindows, GetClassNameA, Get/SetWindowPlacement) and the program's
// global hot keys, received by a message-only window of the user-interface thread.
#include <set>

#include "platform/ui/window_manager.h"

struct HWND__;

namespace hv::win32 {

class Win32WindowManager : public ui::WindowManager {
  public:
    Win32WindowManager();
    ~Win32WindowManager() override;
    Win32WindowManager(const Win32WindowManager&) = delete;
    Win32WindowManager& operator=(const Win32WindowManager&) = delete;

    std::vector<ui::TopLevelWindow> topLevelWindows() override;
    std::optional<ui::WindowPlacement> placement(ui::WindowHandle window) override;
    bool setPlacement(ui::WindowHandle window, const ui::WindowPlacement& placement) override;
    bool setForeground(ui::WindowHandle window) override;
    bool registerHotKey(int id, unsigned modifiers, unsigned virtualKey) override;
    bool unregisterHotKey(int id) override;

    static ui::WindowHandle handleOf(HWND__* window);
    static HWND__* windowOf(ui::WindowHandle handle);

  private:
    HWND__* receiver_ = nullptr;
    std::set<int> registered_;
};

}  // namespace hv::win32
