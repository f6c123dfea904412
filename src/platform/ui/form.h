#pragma once
// A top-level window. A window of the program owns one Form, builds its controls through the
// Container methods, and handles the events below. Closing a form unloads it: it disappears and
// its controls keep their last state for the code that reads them afterwards (a settings
// window's list read after OK), but it can no longer be shown.
#include <functional>
#include <optional>
#include <string>

#include "platform/ui/container.h"
#include "platform/ui/menu.h"
#include "platform/ui/tray_icon.h"

namespace hv::ui {

enum class BorderStyle {
    None,   // no caption, no border: the notification popup, the splash window
    Fixed,  // caption and close box, fixed size
    Sizable,
};

enum class WindowState { Normal, Minimized, Maximized };

// Who asks the form to close.
enum class CloseReason {
    User,        // the close box, Alt+F4, the task bar
    Code,        // close() from the program
    SessionEnd,  // log-off or shutdown; cancelling it does not block the session
};

struct FormArgs {
    std::string name{};
    std::string caption{};
    // Twips. The client area the controls are laid out in.
    int clientWidth = 6000;
    int clientHeight = 4000;
    // The top-left corner on the screen, twips; nothing centres the form on the work area.
    std::optional<Point> position{};
    BorderStyle border = BorderStyle::Fixed;
    bool minButton = true;
    bool maxButton = false;
    bool topmost = false;
    bool showInTaskbar = true;
    // False for a window that must not take the focus from the user's work (a popup).
    bool activateOnShow = true;
    Picture icon{};
};

class Form : public Container {
  public:
    virtual const std::string& name() const = 0;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // The outer rectangle on the screen, twips.
    virtual Rect bounds() const = 0;
    virtual void setBounds(const Rect& bounds) = 0;
    virtual int clientWidth() const = 0;
    virtual int clientHeight() const = 0;

    // Shows the form without blocking.
    virtual void show() = 0;
    // Shows the form modal to the program's other forms and returns when it is hidden or
    // closed. Timers, the tray icon and hot keys keep working meanwhile.
    virtual void showModal() = 0;
    virtual void hide() = 0;
    virtual bool visible() const = 0;
    // Asks the form to close (onCloseRequest with CloseReason::Code); false when a handler
    // cancelled. Closing raises onClosed; an unloaded form stays unloaded.
    virtual bool close() = 0;
    virtual bool loaded() const = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void setTopmost(bool topmost) = 0;
    // Brings the form to the foreground (SetForegroundWindow).
    virtual void activate() = 0;
    // Font and colours of the form, taken by every control that has none of its own.
    virtual void setFont(const Font& font) = 0;
    virtual void setColors(Color text, Color background) = 0;
    // Font and colour of the labels made with LabelArgs::title.
    virtual void setTitleLook(const Font& font, Color text) = 0;
    virtual void setIcon(const Picture& icon) = 0;

    virtual Menu& addMenu(const MenuArgs& args) = 0;
    virtual TrayIcon& addTrayIcon(const TrayIconArgs& args) = 0;

    // Set cancel to keep the form.
    std::function<void(CloseReason reason, bool& cancel)> onCloseRequest;
    // The form is unloaded. The last thing it does: the handler may destroy the window object.
    std::function<void()> onClosed;
    // The form became the active window.
    std::function<void()> onActivate;
    // The mouse moved over the form's own client area; twips.
    std::function<void(Point)> onMouseMove;
};

}  // namespace hv::ui
