#pragma once
// A simulated form with its menus and tray icon. Tests find controls by name, act as the user
// (close box, activation, mouse, tray clicks, menu choices) and read the state back.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sim/sim_ui_controls.h"
#include "platform/ui/form.h"

namespace hv::sim {

class SimMenuItem : public ui::MenuItem {
  public:
    SimMenuItem(std::string caption, std::string name)
        : caption_(std::move(caption)), name_(std::move(name)) {}
    const std::string& name() const override { return name_; }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isSeparator() const override { return caption_ == "-"; }

    // The user chooses the entry; throws std::logic_error on a disabled entry or a separator.
    void click();

  private:
    std::string caption_;
    std::string name_;
    bool enabled_ = true;
};

class SimMenu : public ui::Menu {
  public:
    SimMenu(SimUi& ui, const ui::MenuArgs& args) : args(args), ui_(ui) {}
    const std::string& name() const override { return args.name; }
    std::string caption() const override { return args.caption; }
    ui::MenuItem& addItem(const std::string& caption, const std::string& name = "") override;
    std::vector<ui::MenuItem*> items() const override;
    // Records the pop-up and chooses the entry the test queued in SimUi::menuChoices, if any.
    void popup() override;

    // The entry with that caption or name; throws std::out_of_range.
    SimMenuItem& item(const std::string& captionOrName);

    const ui::MenuArgs args;

  private:
    SimUi& ui_;
    std::vector<std::unique_ptr<SimMenuItem>> items_;
};

class SimTrayIcon : public ui::TrayIcon {
  public:
    explicit SimTrayIcon(const ui::TrayIconArgs& args) : args(args) {}
    bool add() override;
    bool remove() override;
    bool added() const override { return added_; }

    // The user does something with the mouse over the icon (kLeftButtonUp, kRightButtonUp...);
    // nothing happens while the icon is not in the tray.
    void mouse(int mouseMessage);

    const ui::TrayIconArgs args;
    int addCount = 0;  // NIM_ADD calls that succeeded

  private:
    bool added_ = false;
};

class SimForm : public SimContainerOf<ui::Form> {
  public:
    SimForm(SimUi& ui, const ui::FormArgs& args);
    ~SimForm() override;

    const std::string& name() const override { return args.name; }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    ui::Rect bounds() const override { return bounds_; }
    void setBounds(const ui::Rect& bounds) override { bounds_ = bounds; }
    int clientWidth() const override { return bounds_.width; }
    int clientHeight() const override { return bounds_.height; }
    void show() override;
    void showModal() override;
    void hide() override;
    bool visible() const override { return visible_; }
    bool close() override;
    bool loaded() const override { return loaded_; }
    ui::WindowState windowState() const override { return state_; }
    void setWindowState(ui::WindowState state) override { state_ = state; }
    void setTopmost(bool topmost) override { topmost_ = topmost; }
    void activate() override;
    void setFont(const ui::Font& newFont) override { font = newFont; }
    void setColors(ui::Color text, ui::Color background) override {
        textColor = text;
        backColor = background;
    }
    void setTitleLook(const ui::Font& font, ui::Color text) override {
        titleFont = font;
        titleColor = text;
    }
    void setIcon(const ui::Picture& newIcon) override { icon = newIcon; }
    ui::Menu& addMenu(const ui::MenuArgs& args) override;
    ui::TrayIcon& addTrayIcon(const ui::TrayIconArgs& args) override;

    // The test's side.

    // The control with that name anywhere on the form (frames and tab pages included) and of
    // that kind; throws std::out_of_range when there is none.
    template <class T>
    T& find(const std::string& controlName) {
        if (auto* found = dynamic_cast<T*>(lookup(controlName))) return *found;
        throw std::out_of_range("no such control on form " + args.name + ": " + controlName);
    }
    bool has(const std::string& controlName) { return lookup(controlName) != nullptr; }
    // The menu with that name or caption; throws std::out_of_range.
    SimMenu& menu(const std::string& nameOrCaption);
    // The form's tray icon; throws std::out_of_range when it has none.
    SimTrayIcon& trayIcon();
    // The user presses the close box: onCloseRequest(User), then unload unless cancelled.
    // True when the form was unloaded.
    bool closeByUser();
    // The session ends (log-off, shutdown): as closeByUser with CloseReason::SessionEnd.
    bool endSession();
    // The user moves the mouse over the form's own client area.
    void hover(ui::Point at = {});
    // The control with the keyboard focus, or nullptr.
    ui::Control* focused() const { return focused_ != nullptr ? &focused_->control() : nullptr; }
    // Moves the focus (used by the controls); the control losing it raises onLostFocus.
    void moveFocus(SimNode& to);

    SimUi& ui() const { return ui_; }
    bool topmost() const { return topmost_; }
    bool shownModal() const { return modal_; }

    const ui::FormArgs args;
    ui::Font font;
    ui::Color textColor = ui::kDefaultColor;
    ui::Color backColor = ui::kDefaultColor;
    ui::Font titleFont;
    ui::Color titleColor = ui::kDefaultColor;
    ui::Picture icon;
    int activations = 0;

  protected:
    SimForm& ownerForm() override { return *this; }
    const SimNode* enclosing() const override { return nullptr; }

  private:
    ui::Control* lookup(const std::string& controlName) const;
    bool requestClose(ui::CloseReason reason);
    void becomeVisible();

    SimUi& ui_;
    std::string caption_;
    ui::Rect bounds_;
    bool visible_ = false;
    bool loaded_ = true;
    bool modal_ = false;
    bool topmost_;
    ui::WindowState state_ = ui::WindowState::Normal;
    SimNode* focused_ = nullptr;
    std::vector<std::unique_ptr<SimMenu>> menus_;
    std::vector<std::unique_ptr<SimTrayIcon>> trays_;
};

}  // namespace hv::sim
