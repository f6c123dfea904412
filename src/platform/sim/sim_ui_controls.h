#pragma once
// The simulated controls: each holds the state a real control would show, raises the same
// events, and offers the few user actions a test needs (click, type, check, hover, choose).
// A user action on a disabled control (or one inside a disabled frame or an unloaded form)
// throws std::logic_error: a real user could not do it, so the test is wrong.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/container.h"

namespace hv::sim {

class SimForm;
class SimUi;

// What every simulated control holds besides its own state.
class SimNode {
  public:
    SimNode(SimForm& form, const SimNode* parent, ui::Control* self, std::string name,
            ui::Rect bounds)
        : form_(form), parent_(parent), self_(self), name_(std::move(name)), bounds_(bounds) {}
    virtual ~SimNode() = default;

    // Enabled itself, inside enabled frames, on a loaded form.
    bool usable() const;
    SimForm& form() const { return form_; }
    ui::Control& control() const { return *self_; }

    ui::Color textColor = ui::kDefaultColor;
    ui::Color backColor = ui::kDefaultColor;
    ui::Font font;
    std::string toolTip;

  protected:
    void requireUsable(const char* action) const;
    void takeFocus();

    SimForm& form_;
    const SimNode* parent_;
    ui::Control* self_;
    std::string name_;
    ui::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
};

template <class Base>
class SimControlOf : public Base, public SimNode {
  public:
    SimControlOf(SimForm& form, const SimNode* parent, std::string name, ui::Rect bounds)
        : SimNode(form, parent, this, std::move(name), bounds) {}

    const std::string& name() const override { return name_; }
    ui::Rect bounds() const override { return bounds_; }
    void setBounds(const ui::Rect& bounds) override { bounds_ = bounds; }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void setFocus() override { takeFocus(); }
    void setColors(ui::Color text, ui::Color background) override {
        textColor = text;
        backColor = background;
    }
    void setFont(const ui::Font& newFont) override { font = newFont; }
    void setToolTip(const std::string& text) override { toolTip = text; }

    // The user moves the mouse over the control.
    void hover(ui::Point at = {}) {
        if (this->onMouseMove) this->onMouseMove(at);
    }
};

class SimLabel : public SimControlOf<ui::Label> {
  public:
    SimLabel(SimForm& form, const SimNode* parent, const ui::LabelArgs& args);
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;

    void click();
    const ui::LabelArgs args;

  private:
    std::string text_;
};

class SimButton : public SimControlOf<ui::Button> {
  public:
    SimButton(SimForm& form, const SimNode* parent, const ui::ButtonArgs& args)
        : SimControlOf(form, parent, args.name, args.bounds), caption_(args.caption) {}
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }

    // Takes the focus (the control that had it raises onLostFocus), then onClick.
    void click();

  private:
    std::string caption_;
};

class SimCheckBox : public SimControlOf<ui::CheckBox> {
  public:
    SimCheckBox(SimForm& form, const SimNode* parent, const ui::CheckBoxArgs& args)
        : SimControlOf(form, parent, args.name, args.bounds),
          caption_(args.caption),
          checked_(args.checked) {}
    std::string caption() const override { return caption_; }
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override;

    // Takes the focus and flips the check state.
    void click();

  private:
    std::string caption_;
    bool checked_;
};

class SimImage : public SimControlOf<ui::Image> {
  public:
    SimImage(SimForm& form, const SimNode* parent, const ui::ImageArgs& args)
        : SimControlOf(form, parent, args.name, args.bounds),
          picture(args.picture),
          border_(args.border) {}
    void setPicture(const ui::Picture& newPicture) override { picture = newPicture; }
    bool border() const override { return border_; }
    void setBorder(bool border) override { border_ = border; }

    void click();
    ui::Picture picture;

  private:
    bool border_;
};

class SimListView : public SimControlOf<ui::ListView> {
  public:
    SimListView(SimForm& form, const SimNode* parent, const ui::ListViewArgs& args)
        : SimControlOf(form, parent, args.name, args.bounds), columns(args.columns) {}
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    int addRow(const std::vector<std::string>& texts) override;
    std::string text(int row, int column) const override;
    void setText(int row, int column, const std::string& text) override;
    void removeRow(int row) override;
    void clear() override;
    bool checked(int row) const override;
    void setChecked(int row, bool checked) override;
    int selectedRow() const override { return selected_; }
    void selectRow(int row) override;
    void ensureVisible(int row) override { shownRow = row; }

    // The user ticks or clears a row's box (onItemCheck when it changes).
    void checkRow(int row, bool checked);
    // The user clicks a row (takes the focus, selects it, onSelect).
    void clickRow(int row);

    const std::vector<ui::Column> columns;
    int shownRow = -1;  // the row last scrolled into view

  private:
    struct Row {
        std::vector<std::string> texts;
        bool checked = false;
    };
    bool valid(int row) const { return row >= 0 && row < rowCount(); }
    std::vector<Row> rows_;
    int selected_ = -1;
};

class SimListBox : public SimControlOf<ui::ListBox> {
  public:
    SimListBox(SimForm& form, const SimNode* parent, const ui::ListBoxArgs& args);
    int count() const override { return static_cast<int>(items_.size()); }
    void addItem(const std::string& text) override;
    void removeItem(int index) override;
    void clear() override;
    std::string text(int index) const override;
    bool selected(int index) const override;
    void setSelected(int index, bool selected) override;
    int listIndex() const override { return listIndex_; }
    void setListIndex(int index) override;
    int horizontalExtent() const override { return extent_; }
    void setHorizontalExtent(int pixels) override { extent_ = pixels; }
    int measureTextWidth(const std::string& text) const override;

    // The user clicks an entry: a single or extended list selects only it, a multi list
    // toggles it. Then onClick.
    void clickItem(int index);
    void doubleClickItem(int index);

    const ui::SelectMode mode;

  private:
    struct Item {
        std::string text;
        bool selected = false;
    };
    bool valid(int index) const { return index >= 0 && index < count(); }
    std::vector<Item> items_;
    int listIndex_ = -1;
    int extent_ = 0;
};

class SimTextBox : public SimControlOf<ui::TextBox> {
  public:
    SimTextBox(SimForm& form, const SimNode* parent, const ui::TextBoxArgs& args)
        : SimControlOf(form, parent, args.name, args.bounds), args(args), text_(args.text) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;

    // The user replaces the text (takes the focus; onChange when it differs).
    void type(const std::string& text);
    void pressEnter();

    const ui::TextBoxArgs args;

  private:
    std::string text_;
};

class SimComboBox : public SimControlOf<ui::ComboBox> {
  public:
    SimComboBox(SimForm& form, const SimNode* parent, const ui::ComboBoxArgs& args)
        : SimControlOf(form, parent, args.name, args.bounds),
          editable(args.editable),
          items_(args.items) {}
    int count() const override { return static_cast<int>(items_.size()); }
    void addItem(const std::string& text) override { items_.push_back(text); }
    void clear() override;
    std::string itemText(int index) const override;
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override;
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;

    // The user chooses an entry, or types into an editable box; then onChange.
    void choose(int index);
    void type(const std::string& text);

    const bool editable;

  private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::string text_;
};

class SimProgressBar : public SimControlOf<ui::ProgressBar> {
  public:
    SimProgressBar(SimForm& form, const SimNode* parent, const ui::ProgressBarArgs& args)
        : SimControlOf(form, parent, args.name, args.bounds) {}
    int value() const override { return value_; }
    void setValue(int value) override;

  private:
    int value_ = 0;
};

class SimDriveList : public SimControlOf<ui::DriveList> {
  public:
    SimDriveList(SimForm& form, const SimNode* parent, const ui::DriveListArgs& args);
    std::vector<std::string> drives() const override;
    std::string drive() const override { return drive_; }
    bool setDrive(const std::string& drive) override;

    // The user picks a drive.
    bool choose(const std::string& drive);

  private:
    std::string drive_;
};

class SimDirList : public SimControlOf<ui::DirList> {
  public:
    SimDirList(SimForm& form, const SimNode* parent, const ui::DirListArgs& args);
    std::string path() const override { return path_; }
    bool setPath(const std::string& path) override;
    std::vector<std::string> folders() const override;

    // The user opens a folder (double click).
    bool open(const std::string& path);

  private:
    std::string path_;
};

// Builds the children of a form, a frame or a tab page.
template <class Base>
class SimContainerOf : public Base {
  public:
    using Base::Base;

    ui::Label& addLabel(const ui::LabelArgs& a) override { return add<SimLabel>(a); }
    ui::Button& addButton(const ui::ButtonArgs& a) override { return add<SimButton>(a); }
    ui::CheckBox& addCheckBox(const ui::CheckBoxArgs& a) override { return add<SimCheckBox>(a); }
    ui::Frame& addFrame(const ui::FrameArgs& a) override;
    ui::Image& addImage(const ui::ImageArgs& a) override { return add<SimImage>(a); }
    ui::ListView& addListView(const ui::ListViewArgs& a) override { return add<SimListView>(a); }
    ui::ListBox& addListBox(const ui::ListBoxArgs& a) override { return add<SimListBox>(a); }
    ui::TextBox& addTextBox(const ui::TextBoxArgs& a) override { return add<SimTextBox>(a); }
    ui::ComboBox& addComboBox(const ui::ComboBoxArgs& a) override { return add<SimComboBox>(a); }
    ui::TabStrip& addTabStrip(const ui::TabStripArgs& a) override;
    ui::ProgressBar& addProgressBar(const ui::ProgressBarArgs& a) override {
        return add<SimProgressBar>(a);
    }
    ui::DriveList& addDriveList(const ui::DriveListArgs& a) override {
        return add<SimDriveList>(a);
    }
    ui::DirList& addDirList(const ui::DirListArgs& a) override { return add<SimDirList>(a); }

    std::vector<ui::Control*> controls() const override {
        std::vector<ui::Control*> out;
        for (const auto& child : children_) out.push_back(child.get());
        return out;
    }

  protected:
    // The form the children belong to and the control that encloses them.
    virtual SimForm& ownerForm() = 0;
    virtual const SimNode* enclosing() const = 0;

    template <class T, class Args>
    T& add(const Args& args) {
        auto child = std::make_unique<T>(ownerForm(), enclosing(), args);
        T& made = *child;
        children_.push_back(std::move(child));
        return made;
    }

  private:
    std::vector<std::unique_ptr<ui::Control>> children_;
};

class SimFrame : public SimContainerOf<SimControlOf<ui::Frame>> {
  public:
    SimFrame(SimForm& form, const SimNode* parent, const ui::FrameArgs& args);
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    bool border() const override { return border_; }

    void click();

  protected:
    SimForm& ownerForm() override { return form_; }
    const SimNode* enclosing() const override { return this; }

  private:
    std::string caption_;
    bool border_;
};

class SimTabPage : public SimContainerOf<ui::TabPage> {
  public:
    SimTabPage(SimForm& form, const SimNode* strip) : form_(form), strip_(strip) {}

  protected:
    SimForm& ownerForm() override { return form_; }
    const SimNode* enclosing() const override { return strip_; }

  private:
    SimForm& form_;
    const SimNode* strip_;
};

class SimTabStrip : public SimControlOf<ui::TabStrip> {
  public:
    SimTabStrip(SimForm& form, const SimNode* parent, const ui::TabStripArgs& args);
    int tabCount() const override { return static_cast<int>(pages_.size()); }
    ui::TabPage* page(int index) override;
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override;

    // The user clicks a tab.
    void clickTab(int index);

    const std::vector<std::string> tabs;

  private:
    std::vector<std::unique_ptr<SimTabPage>> pages_;
    int selected_ = 0;
};

template <class Base>
ui::Frame& SimContainerOf<Base>::addFrame(const ui::FrameArgs& a) {
    return add<SimFrame>(a);
}

template <class Base>
ui::TabStrip& SimContainerOf<Base>::addTabStrip(const ui::TabStripArgs& a) {
    return add<SimTabStrip>(a);
}

}  // namespace hv::sim
