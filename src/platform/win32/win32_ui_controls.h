#pragma once
// The controls as real child windows: common controls v6 (list view, tab control, progress bar,
// tool tips) and the standard BUTTON, STATIC, EDIT, LISTBOX and COMBOBOX classes. Each wrapper
// creates its window, turns notifications into the interface's events and holds no behaviour
// of its own. Frames and tab pages are plain windows of the program's panel class that route
// their children's notifications back to the wrappers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/container.h"

struct HWND__;

namespace hv::win32 {

using Hwnd = HWND__*;
class Win32Form;

// What every wrapper holds: its window, its form and the control that encloses it (a frame or
// a tab strip), whose colours and font it takes unless it has its own.
class Win32Node {
  public:
    Win32Node(Win32Form& form, Win32Node* enclosing, ui::Control* self, std::string name,
              ui::Rect bounds);
    virtual ~Win32Node() = default;
    Win32Node(const Win32Node&) = delete;
    Win32Node& operator=(const Win32Node&) = delete;

    Hwnd hwnd() const { return hwnd_; }
    Win32Form& form() const { return form_; }
    ui::Control& control() const { return *self_; }

    ui::Color effectiveText() const;
    ui::Color effectiveBack() const;
    ui::Font effectiveFont() const;
    // Controls drawn on their container's background (labels, boxes, frames) take its colour;
    // edit fields and lists keep the window colour unless given their own.
    virtual bool inheritsBackground() const { return true; }
    // Sets the font and colours again after this control's or a container's look changed.
    virtual void applyLook();

    // Notifications from the parent window.
    virtual void command(int code) { (void)code; }
    virtual std::intptr_t notify(void* header) {
        (void)header;
        return 0;
    }
    virtual bool drawItem(void* drawItemStruct) {
        (void)drawItemStruct;
        return false;
    }
    // Messages to the control's own window; true when handled (result in result).
    virtual bool ownMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                            std::intptr_t& result);

  protected:
    // Creates the window at bounds_ in parent and hooks it up.
    void create(const char* windowClass, const std::string& text, unsigned long style,
                unsigned long exStyle, Hwnd parent, int extraHeightPx = 0);
    void moveTo(const ui::Rect& bounds, int extraHeightPx = 0);

    Win32Form& form_;
    Win32Node* enclosing_;
    ui::Control* self_;
    std::string name_;
    ui::Rect bounds_;
    Hwnd hwnd_ = nullptr;
    ui::Color ownText_ = ui::kDefaultColor;
    ui::Color ownBack_ = ui::kDefaultColor;
    ui::Font ownFont_{};
    bool titleLook_ = false;

    friend void nodeSetVisible(Win32Node&, bool);
};

// The parts of the Control interface every wrapper shares.
bool nodeVisible(const Win32Node& node);
void nodeSetVisible(Win32Node& node, bool visible);
bool nodeEnabled(const Win32Node& node);
void nodeSetEnabled(Win32Node& node, bool enabled);
void nodeSetFocus(Win32Node& node);
void nodeSetToolTip(Win32Node& node, const std::string& text);

template <class Base>
class Win32ControlOf : public Base, public Win32Node {
  public:
    Win32ControlOf(Win32Form& form, Win32Node* enclosing, std::string name, ui::Rect bounds)
        : Win32Node(form, enclosing, this, std::move(name), bounds) {}

    const std::string& name() const override { return name_; }
    ui::Rect bounds() const override { return bounds_; }
    void setBounds(const ui::Rect& bounds) override { moveTo(bounds); }
    bool visible() const override { return nodeVisible(*this); }
    void setVisible(bool visible) override { nodeSetVisible(*this, visible); }
    bool enabled() const override { return nodeEnabled(*this); }
    void setEnabled(bool enabled) override { nodeSetEnabled(*this, enabled); }
    void setFocus() override { nodeSetFocus(*this); }
    void setColors(ui::Color text, ui::Color background) override {
        ownText_ = text;
        ownBack_ = background;
        refreshLook();
    }
    void setFont(const ui::Font& font) override {
        ownFont_ = font;
        refreshLook();
    }
    void setToolTip(const std::string& text) override { nodeSetToolTip(*this, text); }

  protected:
    // Applies the look to this control and, for a container, everything inside it.
    virtual void refreshLook() { applyLook(); }
};

class Win32Label : public Win32ControlOf<ui::Label> {
  public:
    Win32Label(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::LabelArgs& args);
    std::string text() const override;
    void setText(const std::string& text) override;
    void applyLook() override;
    void command(int code) override;

  private:
    void fitText();
    bool autoSize_;
};

class Win32Button : public Win32ControlOf<ui::Button> {
  public:
    Win32Button(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::ButtonArgs& args);
    std::string caption() const override;
    void setCaption(const std::string& caption) override;
    void command(int code) override;
    // Enter or Esc in the window.
    void press();
};

class Win32CheckBox : public Win32ControlOf<ui::CheckBox> {
  public:
    Win32CheckBox(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::CheckBoxArgs& args);
    std::string caption() const override;
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override;
    void command(int code) override;

  private:
    bool checked_;
};

class Win32Image : public Win32ControlOf<ui::Image> {
  public:
    Win32Image(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::ImageArgs& args);
    ~Win32Image() override;
    void setPicture(const ui::Picture& picture) override;
    bool border() const override { return border_; }
    void setBorder(bool border) override;
    void command(int code) override;
    bool drawItem(void* drawItemStruct) override;

  private:
    void release();
    void* bitmap_ = nullptr;  // HBITMAP
    void* icon_ = nullptr;    // HICON
    bool border_;
    bool stretch_;
};

class Win32ListView : public Win32ControlOf<ui::ListView> {
  public:
    Win32ListView(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::ListViewArgs& args);
    int rowCount() const override;
    int addRow(const std::vector<std::string>& texts) override;
    std::string text(int row, int column) const override;
    void setText(int row, int column, const std::string& text) override;
    void removeRow(int row) override;
    void clear() override;
    bool checked(int row) const override;
    void setChecked(int row, bool checked) override;
    int selectedRow() const override;
    void selectRow(int row) override;
    void ensureVisible(int row) override;
    bool inheritsBackground() const override { return false; }
    void applyLook() override;
    std::intptr_t notify(void* header) override;

  private:
    int columns_;
    int byCode_ = 0;  // changes made by the program raise no user events
};

class Win32ListBox : public Win32ControlOf<ui::ListBox> {
  public:
    Win32ListBox(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::ListBoxArgs& args);
    int count() const override;
    void addItem(const std::string& text) override;
    void removeItem(int index) override;
    void clear() override;
    std::string text(int index) const override;
    bool selected(int index) const override;
    void setSelected(int index, bool selected) override;
    int listIndex() const override;
    void setListIndex(int index) override;
    int horizontalExtent() const override;
    void setHorizontalExtent(int pixels) override;
    int measureTextWidth(const std::string& text) const override;
    bool inheritsBackground() const override { return false; }
    void command(int code) override;

  private:
    ui::SelectMode mode_;
};

class Win32TextBox : public Win32ControlOf<ui::TextBox> {
  public:
    Win32TextBox(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::TextBoxArgs& args);
    std::string text() const override;
    void setText(const std::string& text) override;
    bool inheritsBackground() const override { return false; }
    void command(int code) override;
    bool ownMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                    std::intptr_t& result) override;

  private:
    bool multiLine_;
};

class Win32ComboBox : public Win32ControlOf<ui::ComboBox> {
  public:
    Win32ComboBox(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::ComboBoxArgs& args);
    int count() const override;
    void addItem(const std::string& text) override;
    void clear() override;
    std::string itemText(int index) const override;
    int selectedIndex() const override;
    void setSelectedIndex(int index) override;
    std::string text() const override;
    void setText(const std::string& text) override;
    bool inheritsBackground() const override { return false; }
    void command(int code) override;

  private:
    bool editable_;
};

class Win32ProgressBar : public Win32ControlOf<ui::ProgressBar> {
  public:
    Win32ProgressBar(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                     const ui::ProgressBarArgs& args);
    int value() const override { return value_; }
    void setValue(int value) override;
    void applyLook() override;

  private:
    int value_ = 0;
};

class Win32DriveList : public Win32ControlOf<ui::DriveList> {
  public:
    Win32DriveList(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                   const ui::DriveListArgs& args);
    std::vector<std::string> drives() const override { return drives_; }
    std::string drive() const override { return drive_; }
    bool setDrive(const std::string& drive) override;
    bool inheritsBackground() const override { return false; }
    void command(int code) override;

  private:
    std::vector<std::string> drives_;
    std::string drive_;
};

class Win32DirList : public Win32ControlOf<ui::DirList> {
  public:
    Win32DirList(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::DirListArgs& args);
    std::string path() const override { return path_; }
    bool setPath(const std::string& path) override;
    std::vector<std::string> folders() const override { return folders_; }
    bool inheritsBackground() const override { return false; }
    void command(int code) override;

  private:
    std::string path_;
    std::vector<std::string> folders_;
    std::vector<std::string> linePaths_;  // the folder each line of the list stands for
};

// Builds the children of a form, a frame or a tab page inside the container's window.
template <class Base>
class Win32ContainerOf : public Base {
  public:
    using Base::Base;

    ui::Label& addLabel(const ui::LabelArgs& a) override { return add<Win32Label>(a); }
    ui::Button& addButton(const ui::ButtonArgs& a) override { return add<Win32Button>(a); }
    ui::CheckBox& addCheckBox(const ui::CheckBoxArgs& a) override { return add<Win32CheckBox>(a); }
    ui::Frame& addFrame(const ui::FrameArgs& a) override;
    ui::Image& addImage(const ui::ImageArgs& a) override { return add<Win32Image>(a); }
    ui::ListView& addListView(const ui::ListViewArgs& a) override { return add<Win32ListView>(a); }
    ui::ListBox& addListBox(const ui::ListBoxArgs& a) override { return add<Win32ListBox>(a); }
    ui::TextBox& addTextBox(const ui::TextBoxArgs& a) override { return add<Win32TextBox>(a); }
    ui::ComboBox& addComboBox(const ui::ComboBoxArgs& a) override { return add<Win32ComboBox>(a); }
    ui::TabStrip& addTabStrip(const ui::TabStripArgs& a) override;
    ui::ProgressBar& addProgressBar(const ui::ProgressBarArgs& a) override {
        return add<Win32ProgressBar>(a);
    }
    ui::DriveList& addDriveList(const ui::DriveListArgs& a) override {
        return add<Win32DriveList>(a);
    }
    ui::DirList& addDirList(const ui::DirListArgs& a) override { return add<Win32DirList>(a); }

    std::vector<ui::Control*> controls() const override {
        std::vector<ui::Control*> out;
        for (const auto& child : children_) out.push_back(child.get());
        return out;
    }

  protected:
    virtual Win32Form& ownerForm() = 0;
    virtual Win32Node* enclosingNode() = 0;
    virtual Hwnd hostWindow() = 0;

    template <class T, class Args>
    T& add(const Args& args) {
        auto child = std::make_unique<T>(ownerForm(), enclosingNode(), hostWindow(), args);
        T& made = *child;
        children_.push_back(std::move(child));
        return made;
    }

  private:
    std::vector<std::unique_ptr<ui::Control>> children_;
};

// A frame: a panel window that draws its border and caption itself.
class Win32Frame : public Win32ContainerOf<Win32ControlOf<ui::Frame>> {
  public:
    Win32Frame(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::FrameArgs& args);
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;
    bool border() const override { return border_; }
    void paint(void* dc);
    bool ownMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                    std::intptr_t& result) override;

  protected:
    void refreshLook() override;
    Win32Form& ownerForm() override { return form_; }
    Win32Node* enclosingNode() override { return this; }
    Hwnd hostWindow() override { return hwnd_; }

  private:
    std::string caption_;
    bool border_;
};

class Win32TabStrip;

class Win32TabPage : public Win32ContainerOf<ui::TabPage> {
  public:
    Win32TabPage(Win32TabStrip& strip, Hwnd window) : strip_(strip), window_(window) {}
    Hwnd window() const { return window_; }

  protected:
    Win32Form& ownerForm() override;
    Win32Node* enclosingNode() override;
    Hwnd hostWindow() override { return window_; }

  private:
    Win32TabStrip& strip_;
    Hwnd window_;
};

class Win32TabStrip : public Win32ControlOf<ui::TabStrip> {
  public:
    Win32TabStrip(Win32Form& form, Win32Node* enclosing, Hwnd parent, const ui::TabStripArgs& args);
    int tabCount() const override { return static_cast<int>(pages_.size()); }
    ui::TabPage* page(int index) override;
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override;
    std::intptr_t notify(void* header) override;
    void setBounds(const ui::Rect& bounds) override;
    void applyLook() override;

  protected:
    void refreshLook() override;

  private:
    void placePages();
    void showSelectedPage();
    std::vector<std::unique_ptr<Win32TabPage>> pages_;
    int selected_ = 0;
    int tabsPerRow_;
};

// The window class of frames and tab pages, registered once by Win32Ui.
inline constexpr char kPanelClass[] = "HalvanePanel";
void registerPanelClass();
// The messages a container window (form, frame, page) receives for its children: commands,
// notifications, colours, owner drawing, the busy cursor, its background. True when handled.
bool containerMessage(Hwnd window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                      std::intptr_t& result);

template <class Base>
ui::Frame& Win32ContainerOf<Base>::addFrame(const ui::FrameArgs& a) {
    return add<Win32Frame>(a);
}

template <class Base>
ui::TabStrip& Win32ContainerOf<Base>::addTabStrip(const ui::TabStripArgs& a) {
    return add<Win32TabStrip>(a);
}

}  // namespace hv::win32
