#pragma once
// Menus: the menu bar of a form and pop-up menus shown at the mouse (the tray menu).
#include <functional>
#include <string>
#include <vector>

namespace hv::ui {

class MenuItem {
  public:
    virtual ~MenuItem() = default;

    virtual const std::string& name() const = 0;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isSeparator() const = 0;

    std::function<void()> onClick;
};

struct MenuArgs {
    std::string name{};
    std::string caption{};  // "&" marks the access key: "File(&F)"
    // A menu outside the menu bar is only shown by popup().
    bool inMenuBar = true;
};

class Menu {
  public:
    virtual ~Menu() = default;

    virtual const std::string& name() const = 0;
    virtual std::string caption() const = 0;
    // Adds an entry at the end; the caption "-" makes a separator. The entry lives as long as
    // the menu.
    virtual MenuItem& addItem(const std::string& caption, const std::string& name = "") = 0;
    virtual std::vector<MenuItem*> items() const = 0;
    // Shows the menu at the mouse position and returns when it closes, after the chosen entry's
    // onClick has run.
    virtual void popup() = 0;
};

}  // namespace hv::ui
