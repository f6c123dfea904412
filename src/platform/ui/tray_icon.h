#pragma once
// The program's icon in the notification area. Mouse events arrive as the mouse message
// numbers Windows uses (WM_LBUTTONUP 514, WM_RBUTTONUP 517, ...).
#include <functional>
#include <string>

#include "platform/ui/geometry.h"

namespace hv::ui {

inline constexpr int kMouseMove = 512;
inline constexpr int kLeftButtonDown = 513;
inline constexpr int kLeftButtonUp = 514;
inline constexpr int kLeftButtonDoubleClick = 515;
inline constexpr int kRightButtonDown = 516;
inline constexpr int kRightButtonUp = 517;

struct TrayIconArgs {
    std::string tip{};
    Picture icon{};  // empty: the form's icon
};

class TrayIcon {
  public:
    virtual ~TrayIcon() = default;

    // Shell_NotifyIconA NIM_ADD and NIM_DELETE; false when the shell refuses.
    virtual bool add() = 0;
    virtual bool remove() = 0;
    virtual bool added() const = 0;

    // A mouse message over the icon, while it is added.
    std::function<void(int mouseMessage)> onMouse;
};

}  // namespace hv::ui
