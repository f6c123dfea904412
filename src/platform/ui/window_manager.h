#pragma once
// Other programs' top-level windows and the global hot keys, for the boss key. Implemented by
// SimWindowManager (fake windows a test describes) and Win32WindowManager.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/geometry.h"

namespace hv::ui {

using WindowHandle = std::uint32_t;  // 0 = none

// WINDOWPLACEMENT, pixels.
struct WindowPlacement {
    std::uint32_t length = 44;
    std::uint32_t flags = 0;
    std::uint32_t showCommand = 1;  // SW_HIDE 0, SW_SHOWNORMAL 1, SW_SHOWMINIMIZED 2, ...
    Point minPosition{};
    Point maxPosition{};
    PixelRect normalPosition{};
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr std::uint32_t kSwHide = 0;
inline constexpr std::uint32_t kSwShowNormal = 1;
inline constexpr std::uint32_t kSwShowMinimized = 2;
inline constexpr std::uint32_t kSwShowMaximized = 3;

// RegisterHotKey modifiers and the virtual key of Z.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModWin = 8;
inline constexpr unsigned kVkZ = 90;

struct TopLevelWindow {
    WindowHandle handle = 0;
    std::string className{};  // GetClassNameA, up to 255 characters
};

class WindowManager {
  public:
    virtual ~WindowManager() = default;

    // Every top-level window, in EnumWindows order.
    virtual std::vector<TopLevelWindow> topLevelWindows() = 0;
    // GetWindowPlacement; nothing for a window that is gone.
    virtual std::optional<WindowPlacement> placement(WindowHandle window) = 0;
    // SetWindowPlacement: shows, hides, minimises or moves the window as the record says.
    virtual bool setPlacement(WindowHandle window, const WindowPlacement& placement) = 0;
    virtual bool setForeground(WindowHandle window) = 0;
    // RegisterHotKey / UnregisterHotKey for the program's user-interface thread. False when
    // the key is taken (by another program) or the id is unknown.
    virtual bool registerHotKey(int id, unsigned modifiers, unsigned virtualKey) = 0;
    virtual bool unregisterHotKey(int id) = 0;

    // WM_HOTKEY: the id, the modifiers (low word of lParam) and the key (high word).
    std::function<void(int id, unsigned modifiers, unsigned virtualKey)> onHotKey;
};

}  // namespace hv::ui
