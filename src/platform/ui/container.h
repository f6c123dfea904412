#pragma once
// Controls that hold controls: a form, a frame, a page of a tab strip. A container creates its
// children and owns them; the references it returns live as long as the container. A child's
// rectangle is relative to its container: the form's client area, the frame's top-left corner
// (leave room for its caption), the page area below the tabs of a tab strip.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"

namespace hv::ui {

class Frame;
class TabStrip;
struct FrameArgs;
struct TabStripArgs;

class Container {
  public:
    virtual ~Container() = default;

    virtual Label& addLabel(const LabelArgs& args) = 0;
    virtual Button& addButton(const ButtonArgs& args) = 0;
    virtual CheckBox& addCheckBox(const CheckBoxArgs& args) = 0;
    virtual Frame& addFrame(const FrameArgs& args) = 0;
    virtual Image& addImage(const ImageArgs& args) = 0;
    virtual ListView& addListView(const ListViewArgs& args) = 0;
    virtual ListBox& addListBox(const ListBoxArgs& args) = 0;
    virtual TextBox& addTextBox(const TextBoxArgs& args) = 0;
    virtual ComboBox& addComboBox(const ComboBoxArgs& args) = 0;
    virtual TabStrip& addTabStrip(const TabStripArgs& args) = 0;
    virtual ProgressBar& addProgressBar(const ProgressBarArgs& args) = 0;
    virtual DriveList& addDriveList(const DriveListArgs& args) = 0;
    virtual DirList& addDirList(const DirListArgs& args) = 0;

    // The children in the order they were added.
    virtual std::vector<Control*> controls() const = 0;
};

struct FrameArgs {
    std::string name{};
    Rect bounds{};
    std::string caption{};
    // Without a border a frame is a plain area (a picture area holding images).
    bool border = true;
};

class Frame : public Control, public Container {
  public:
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual bool border() const = 0;

    std::function<void()> onClick;
};

// The area of one tab; its controls show while the tab is selected.
class TabPage : public Container {};

struct TabStripArgs {
    std::string name{};
    Rect bounds{};
    std::vector<std::string> tabs{};
    // Tabs per row; 0 puts every tab in one row.
    int tabsPerRow = 0;
};

class TabStrip : public Control {
  public:
    virtual int tabCount() const = 0;
    // nullptr out of range.
    virtual TabPage* page(int index) = 0;
    virtual int selectedIndex() const = 0;
    // Raises onChange when the selection changes; an index out of range changes nothing.
    virtual void setSelectedIndex(int index) = 0;

    // The selected tab changed, by the user or by setSelectedIndex.
    std::function<void()> onChange;
};

// Every control under a container, depth first in creation order, tab pages included.
inline void forEachControl(const Container& container, const std::function<void(Control&)>& visit) {
    for (Control* control : container.controls()) {
        visit(*control);
        if (auto* inner = dynamic_cast<const Container*>(control)) forEachControl(*inner, visit);
        if (auto* tabs = dynamic_cast<TabStrip*>(control))
            for (int i = 0; i < tabs->tabCount(); ++i) forEachControl(*tabs->page(i), visit);
    }
}

}  // namespace hv::ui
