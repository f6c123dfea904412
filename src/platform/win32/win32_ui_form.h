#pragma once
// A form as a top-level window of the program's form class, with its menus and tray icons.
// Unloading hides the window for good; the window itself goes when the Form object does, so
// its controls still answer to the code that reads them after the form closed.
//
// Tray icons call back with kTrayMessage, the mouse message in lParam; the form window's
// class is kFormClass.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/win32_ui_controls.h"

struct HMENU__;

namespace hv::win32 {

class Win32Ui;
class Win32Form;

inline constexpr char kFormClass[] = "HalvaneForm";
inline constexpr unsigned kTrayMessage = 0x8000 + 1;  // WM_APP + 1
void registerFormClass();

class Win32MenuItem : public ui::MenuItem {
  public:
    Win32MenuItem(HMENU__* menu, int id, std::string caption, std::string name);
    const std::string& name() const override { return name_; }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    bool isSeparator() const override { return caption_ == "-"; }
    int id() const { return id_; }

  private:
    HMENU__* menu_;
    int id_;
    std::string caption_;
    std::string name_;
    bool enabled_ = true;
};

class Win32Menu : public ui::Menu {
  public:
    Win32Menu(Win32Form& form, const ui::MenuArgs& args);
    ~Win32Menu() override;
    const std::string& name() const override { return args_.name; }
    std::string caption() const override { return args_.caption; }
    ui::MenuItem& addItem(const std::string& caption, const std::string& name = "") override;
    std::vector<ui::MenuItem*> items() const override;
    void popup() override;
    HMENU__* handle() const { return menu_; }
    // The entry with that command id, or nullptr.
    Win32MenuItem* byId(int id) const;

  private:
    Win32Form& form_;
    ui::MenuArgs args_;
    HMENU__* menu_;
    std::vector<std::unique_ptr<Win32MenuItem>> items_;
};

class Win32TrayIcon : public ui::TrayIcon {
  public:
    Win32TrayIcon(Win32Form& form, int id, const ui::TrayIconArgs& args);
    ~Win32TrayIcon() override;
    bool add() override;
    bool remove() override;
    bool added() const override { return added_; }
    int id() const { return id_; }

  private:
    Win32Form& form_;
    int id_;
    ui::TrayIconArgs args_;
    void* icon_ = nullptr;  // HICON loaded for the tray, or nullptr
    bool added_ = false;
};

class Win32Form : public Win32ContainerOf<ui::Form> {
  public:
    Win32Form(Win32Ui& ui, const ui::FormArgs& args);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    const std::string& name() const override { return args_.name; }
    std::string caption() const override;
    void setCaption(const std::string& caption) override;
    ui::Rect bounds() const override;
    void setBounds(const ui::Rect& bounds) override;
    int clientWidth() const override;
    int clientHeight() const override;
    void show() override;
    void showModal() override;
    void hide() override;
    bool visible() const override;
    bool close() override;
    bool loaded() const override { return loaded_; }
    ui::WindowState windowState() const override;
    void setWindowState(ui::WindowState state) override;
    void setTopmost(bool topmost) override;
    void activate() override;
    void setFont(const ui::Font& font) override;
    void setColors(ui::Color text, ui::Color background) override;
    void setTitleLook(const ui::Font& font, ui::Color text) override;
    void setIcon(const ui::Picture& icon) override;
    ui::Menu& addMenu(const ui::MenuArgs& args) override;
    ui::TrayIcon& addTrayIcon(const ui::TrayIconArgs& args) override;

    // Used by the controls.
    Win32Ui& ui() const { return ui_; }
    // Loaded and not being destroyed: events may reach the window's code.
    bool live() const { return loaded_ && !destroying_; }
    void attachWindow(Hwnd window) { hwnd_ = window; }
    Hwnd hwnd() const { return hwnd_; }
    int nextControlId() { return nextControlId_++; }
    int nextMenuId() { return nextMenuId_++; }
    ui::Color textColor() const { return text_; }
    ui::Color backColor() const;
    ui::Font font() const;
    ui::Font titleFont() const { return titleFont_; }
    ui::Color titleColor() const { return titleColor_; }
    void* iconHandle() const { return icon_; }
    void setToolTip(Hwnd control, const std::string& text);
    void setDefaultButton(Win32Button* button) { defaultButton_ = button; }
    void setCancelButton(Win32Button* button) { cancelButton_ = button; }
    // The form window's messages; true when handled.
    bool formMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result);
    // Re-adds the tray icons after the shell restarted.
    void readdTrayIcons();

  protected:
    Win32Form& ownerForm() override { return *this; }
    Win32Node* enclosingNode() override { return nullptr; }
    Hwnd hostWindow() override { return hwnd_; }

  private:
    bool requestClose(ui::CloseReason reason);
    void unload();
    void endModal();
    void refreshAll();
    void applyLookToAll();
    void fitMenuBar();

    Win32Ui& ui_;
    ui::FormArgs args_;
    Hwnd hwnd_ = nullptr;
    Hwnd toolTips_ = nullptr;
    HMENU__* menuBar_ = nullptr;
    void* icon_ = nullptr;  // HICON
    bool loaded_ = true;
    bool destroying_ = false;
    bool modal_ = false;
    bool lookStale_ = false;  // a look change waits for the form to be shown
    ui::WindowState pendingState_ = ui::WindowState::Normal;
    std::vector<Hwnd> disabledByModal_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    ui::Color text_ = ui::kDefaultColor;
    ui::Color back_ = ui::kDefaultColor;
    ui::Font font_{};
    ui::Font titleFont_{};
    ui::Color titleColor_ = ui::kDefaultColor;
    int nextControlId_ = 1000;
    int nextMenuId_ = 40000;
    Win32Button* defaultButton_ = nullptr;
    Win32Button* cancelButton_ = nullptr;
    std::vector<std::unique_ptr<Win32Menu>> menus_;
    std::vector<std::unique_ptr<Win32TrayIcon>> trays_;
};

}  // namespace hv::win32
