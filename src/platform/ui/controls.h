#pragma once
// The leaf controls. Each is made by a container from a small arguments struct (name, place
// and the few things it starts with) and tells the window what happens through std::function
// events. Texts are ANSI, as everywhere in the program.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace hv::ui {

enum class Align { Left, Center, Right };

struct LabelArgs {
    std::string name{};
    Rect bounds{};
    std::string text{};
    // The label sizes itself to its text on one line (width and height follow the text).
    bool autoSize = false;
    bool wordWrap = false;
    Align align = Align::Left;
    // Drawn in the form's title look (Form::setTitleLook), unless given a font or colour.
    bool title = false;
};

class Label : public Control {
  public:
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;

    std::function<void()> onClick;
};

struct ButtonArgs {
    std::string name{};
    Rect bounds{};
    std::string caption{};
    bool isDefault = false;  // Enter in the window presses it
    bool isCancel = false;   // Esc in the window presses it
};

class Button : public Control {
  public:
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;

    std::function<void()> onClick;
};

struct CheckBoxArgs {
    std::string name{};
    Rect bounds{};
    std::string caption{};
    bool checked = false;
};

class CheckBox : public Control {
  public:
    virtual std::string caption() const = 0;
    virtual bool checked() const = 0;
    // Raises onClick when the state changes, as a click by the user does.
    virtual void setChecked(bool checked) = 0;

    // The check state changed, by the user or by setChecked.
    std::function<void()> onClick;
};

struct ImageArgs {
    std::string name{};
    Rect bounds{};
    Picture picture{};
    bool border = false;  // a single-line border around the picture
    bool stretch = false;
};

class Image : public Control {
  public:
    virtual void setPicture(const Picture& picture) = 0;
    virtual bool border() const = 0;
    virtual void setBorder(bool border) = 0;

    std::function<void()> onClick;
};

struct Column {
    std::string caption{};
    int width = 1440;  // twips
};

struct ListViewArgs {
    std::string name{};
    Rect bounds{};
    std::vector<Column> columns{};
    bool checkBoxes = false;
    bool gridLines = false;
};

// A report view: rows of texts under column headings, optionally with a check box per row.
class ListView : public Control {
  public:
    virtual int rowCount() const = 0;
    // Adds a row at the end: the first text in the first column, and so on; returns its index.
    virtual int addRow(const std::vector<std::string>& texts) = 0;
    // Empty for a row or column out of range.
    virtual std::string text(int row, int column) const = 0;
    virtual void setText(int row, int column, const std::string& text) = 0;
    virtual void removeRow(int row) = 0;
    virtual void clear() = 0;
    virtual bool checked(int row) const = 0;
    virtual void setChecked(int row, bool checked) = 0;
    // -1 when no row is selected.
    virtual int selectedRow() const = 0;
    virtual void selectRow(int row) = 0;
    virtual void ensureVisible(int row) = 0;

    // The user ticked or cleared the box of a row.
    std::function<void(int row)> onItemCheck;
    // The user selected a row.
    std::function<void(int row)> onSelect;
};

enum class SelectMode {
    Single,
    Multi,     // a click toggles an entry
    Extended,  // Shift and Ctrl extend the selection
};

struct ListBoxArgs {
    std::string name{};
    Rect bounds{};
    SelectMode select = SelectMode::Single;
};

class ListBox : public Control {
  public:
    virtual int count() const = 0;
    virtual void addItem(const std::string& text) = 0;
    virtual void removeItem(int index) = 0;
    virtual void clear() = 0;
    // Empty for an index out of range.
    virtual std::string text(int index) const = 0;
    virtual bool selected(int index) const = 0;
    virtual void setSelected(int index, bool selected) = 0;
    // The entry with the caret (the selected one in a single-select list); -1 for none.
    virtual int listIndex() const = 0;
    virtual void setListIndex(int index) = 0;
    // Pixels the list can scroll horizontally (LB_SETHORIZONTALEXTENT).
    virtual int horizontalExtent() const = 0;
    virtual void setHorizontalExtent(int pixels) = 0;
    // The width of a text in the list's font, in pixels, as DrawTextA with DT_CALCRECT
    // measures it.
    virtual int measureTextWidth(const std::string& text) const = 0;

    // The user changed the selection.
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
};

struct TextBoxArgs {
    std::string name{};
    Rect bounds{};
    std::string text{};
    bool multiLine = false;
    bool readOnly = false;
    bool scrollBars = false;  // vertical, for multi-line boxes
};

class TextBox : public Control {
  public:
    virtual std::string text() const = 0;
    // Raises onChange when the text changes, as typing does.
    virtual void setText(const std::string& text) = 0;

    std::function<void()> onChange;
    // Enter was pressed in a one-line box.
    std::function<void()> onEnter;
};

struct ComboBoxArgs {
    std::string name{};
    Rect bounds{};
    std::vector<std::string> items{};
    bool editable = false;  // a text field the user may type into, else a drop-down list
};

class ComboBox : public Control {
  public:
    virtual int count() const = 0;
    virtual void addItem(const std::string& text) = 0;
    virtual void clear() = 0;
    virtual std::string itemText(int index) const = 0;
    // -1 when the text matches no chosen entry.
    virtual int selectedIndex() const = 0;
    virtual void setSelectedIndex(int index) = 0;
    // The text shown; setText on a drop-down list selects the entry with that text, if any.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;

    // The user chose an entry or typed.
    std::function<void()> onChange;
};

struct ProgressBarArgs {
    std::string name{};
    Rect bounds{};
};

// 0 to 100.
class ProgressBar : public Control {
  public:
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
};

struct DriveListArgs {
    std::string name{};
    Rect bounds{};
};

// The drives of the machine; the drive is its letter and a colon ("c:").
class DriveList : public Control {
  public:
    virtual std::vector<std::string> drives() const = 0;
    virtual std::string drive() const = 0;
    // Chooses the drive of a path's first letter; raises onChange when it changes. False (and
    // nothing changes) when there is no such drive.
    virtual bool setDrive(const std::string& drive) = 0;

    std::function<void()> onChange;
};

struct DirListArgs {
    std::string name{};
    Rect bounds{};
};

// A folder, its parents and its sub-folders; the user opens one with a double click.
class DirList : public Control {
  public:
    // The folder shown, without a trailing backslash except for a drive root ("C:\").
    virtual std::string path() const = 0;
    // Shows a folder; raises onChange when the path changes. False (and nothing changes) when
    // the folder cannot be read.
    virtual bool setPath(const std::string& path) = 0;
    // The sub-folders listed under the path, by name.
    virtual std::vector<std::string> folders() const = 0;

    std::function<void()> onChange;
};

}  // namespace hv::ui
