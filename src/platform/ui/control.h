#pragma once
// What every control of a window has: a name, a place, visibility, focus, colours and font,
// and the mouse and focus events. Implemented by the sim controls (state only) and the win32
// controls (real child windows); windows are written against this interface.
#include <functional>
#include <string>

#include "platform/ui/geometry.h"

namespace hv::ui {

class Control {
  public:
    virtual ~Control() = default;

    // The control's name in its window ("Check5", "cmdAction(1)"); tests find it by this name.
    virtual const std::string& name() const = 0;
    // Twips, relative to the client area of the container.
    virtual Rect bounds() const = 0;
    virtual void setBounds(const Rect& bounds) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Moves the keyboard focus here; the control that had it raises onLostFocus.
    virtual void setFocus() = 0;
    // kDefaultColor takes the container's colour.
    virtual void setColors(Color text, Color background) = 0;
    virtual void setFont(const Font& font) = 0;
    virtual void setToolTip(const std::string& text) = 0;

    // The mouse moved over the control; twips from its top-left corner.
    std::function<void(Point)> onMouseMove;
    // The keyboard focus moved from this control to another control of the same window (not
    // when the whole window loses the focus).
    std::function<void()> onLostFocus;
};

}  // namespace hv::ui
