#include "platform/sim/sim_ui_controls.h"

#include <algorithm>

#include "platform/sim/sim_ui.h"
#include "platform/text.h"

namespace hv::sim {

bool SimNode::usable() const {
    return enabled_ && (parent_ == nullptr || parent_->usable()) && form_.loaded();
}

void SimNode::requireUsable(const char* action) const {
    if (!usable())
        throw std::logic_error(std::string("cannot ") + action + " " + name_ +
                               ": it is disabled or its form is unloaded");
}

void SimNode::takeFocus() {
    form_.moveFocus(*this);
}

SimLabel::SimLabel(SimForm& form, const SimNode* parent, const ui::LabelArgs& args)
    : SimControlOf(form, parent, args.name, args.bounds), args(args) {
    setText(args.text);
}

void SimLabel::setText(const std::string& text) {
    text_ = text;
    if (!args.autoSize) return;
    const SimUi& ui = form_.ui();
    bounds_.width = ui.textWidthPx(text) * ui.twipsPerPixel;
    bounds_.height = ui.lineHeightPx * ui.twipsPerPixel;
}

void SimLabel::click() {
    requireUsable("click");
    if (onClick) onClick();
}

void SimButton::click() {
    requireUsable("click");
    takeFocus();
    if (onClick) onClick();
}

void SimCheckBox::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (onClick) onClick();
}

void SimCheckBox::click() {
    requireUsable("click");
    takeFocus();
    setChecked(!checked_);
}

void SimImage::click() {
    requireUsable("click");
    if (onClick) onClick();
}

int SimListView::addRow(const std::vector<std::string>& texts) {
    rows_.push_back({texts, false});
    return rowCount() - 1;
}

std::string SimListView::text(int row, int column) const {
    if (!valid(row) || column < 0) return {};
    const auto& texts = rows_[row].texts;
    return column < static_cast<int>(texts.size()) ? texts[column] : std::string();
}

void SimListView::setText(int row, int column, const std::string& text) {
    if (!valid(row) || column < 0 || column >= std::max<int>(1, columns.size())) return;
    auto& texts = rows_[row].texts;
    if (static_cast<int>(texts.size()) <= column) texts.resize(column + 1);
    texts[column] = text;
}

void SimListView::removeRow(int row) {
    if (!valid(row)) return;
    rows_.erase(rows_.begin() + row);
    if (selected_ == row)
        selected_ = -1;
    else if (selected_ > row)
        --selected_;
}

void SimListView::clear() {
    rows_.clear();
    selected_ = -1;
}

bool SimListView::checked(int row) const {
    return valid(row) && rows_[row].checked;
}

void SimListView::setChecked(int row, bool checked) {
    if (valid(row)) rows_[row].checked = checked;
}

void SimListView::selectRow(int row) {
    selected_ = valid(row) ? row : -1;
}

void SimListView::checkRow(int row, bool checked) {
    requireUsable("check a row of");
    if (!valid(row)) throw std::out_of_range(name_ + " has no row " + std::to_string(row));
    if (rows_[row].checked == checked) return;
    rows_[row].checked = checked;
    if (onItemCheck) onItemCheck(row);
}

void SimListView::clickRow(int row) {
    requireUsable("click a row of");
    if (!valid(row)) throw std::out_of_range(name_ + " has no row " + std::to_string(row));
    takeFocus();
    selected_ = row;
    if (onSelect) onSelect(row);
}

SimListBox::SimListBox(SimForm& form, const SimNode* parent, const ui::ListBoxArgs& args)
    : SimControlOf(form, parent, args.name, args.bounds), mode(args.select) {}

void SimListBox::addItem(const std::string& text) {
    items_.push_back({text, false});
}

void SimListBox::removeItem(int index) {
    if (!valid(index)) return;
    items_.erase(items_.begin() + index);
    if (listIndex_ >= count()) listIndex_ = count() - 1;
}

void SimListBox::clear() {
    items_.clear();
    listIndex_ = -1;
}

std::string SimListBox::text(int index) const {
    return valid(index) ? items_[index].text : std::string();
}

bool SimListBox::selected(int index) const {
    return valid(index) && items_[index].selected;
}

void SimListBox::setSelected(int index, bool selected) {
    if (!valid(index)) return;
    if (mode == ui::SelectMode::Single && selected)
        for (auto& item : items_) item.selected = false;
    items_[index].selected = selected;
    if (selected) listIndex_ = index;
}

void SimListBox::setListIndex(int index) {
    if (!valid(index)) index = -1;
    listIndex_ = index;
    if (mode == ui::SelectMode::Single) {
        for (auto& item : items_) item.selected = false;
        if (index >= 0) items_[index].selected = true;
    }
}

int SimListBox::measureTextWidth(const std::string& text) const {
    return form_.ui().textWidthPx(text);
}

void SimListBox::clickItem(int index) {
    requireUsable("click an entry of");
    if (!valid(index)) throw std::out_of_range(name_ + " has no entry " + std::to_string(index));
    takeFocus();
    if (mode == ui::SelectMode::Multi) {
        items_[index].selected = !items_[index].selected;
    } else {
        for (auto& item : items_) item.selected = false;
        items_[index].selected = true;
    }
    listIndex_ = index;
    if (onClick) onClick();
}

void SimListBox::doubleClickItem(int index) {
    clickItem(index);
    if (onDoubleClick) onDoubleClick();
}

void SimTextBox::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (onChange) onChange();
}

void SimTextBox::type(const std::string& text) {
    requireUsable("type into");
    if (args.readOnly) throw std::logic_error("cannot type into read-only " + name_);
    takeFocus();
    setText(text);
}

void SimTextBox::pressEnter() {
    requireUsable("press Enter in");
    takeFocus();
    if (onEnter && !args.multiLine) onEnter();
}

void SimComboBox::clear() {
    items_.clear();
    selected_ = -1;
    if (!editable) text_.clear();
}

std::string SimComboBox::itemText(int index) const {
    return index >= 0 && index < count() ? items_[index] : std::string();
}

void SimComboBox::setSelectedIndex(int index) {
    if (index < 0 || index >= count()) {
        selected_ = -1;
        if (!editable) text_.clear();
        return;
    }
    selected_ = index;
    text_ = items_[index];
}

void SimComboBox::setText(const std::string& text) {
    const auto found = std::find(items_.begin(), items_.end(), text);
    if (found != items_.end()) {
        selected_ = static_cast<int>(found - items_.begin());
        text_ = text;
    } else if (editable) {
        selected_ = -1;
        text_ = text;
    }
}

void SimComboBox::choose(int index) {
    requireUsable("choose in");
    if (index < 0 || index >= count())
        throw std::out_of_range(name_ + " has no entry " + std::to_string(index));
    takeFocus();
    setSelectedIndex(index);
    if (onChange) onChange();
}

void SimComboBox::type(const std::string& text) {
    requireUsable("type into");
    if (!editable) throw std::logic_error("cannot type into drop-down list " + name_);
    takeFocus();
    setText(text);
    if (onChange) onChange();
}

void SimProgressBar::setValue(int value) {
    value_ = std::clamp(value, 0, 100);
}

namespace {

// "C" or "c:\dir" gives "c:".
std::string driveOf(const std::string& path) {
    if (path.empty()) return {};
    return toLower(path.substr(0, 1)) + ":";
}

// Paths as a folder list shows them: "C:\" for a root, no trailing backslash otherwise.
std::string folderPath(std::string path) {
    if (path.size() == 2 && path[1] == ':') return path + "\\";
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

SimDriveList::SimDriveList(SimForm& form, const SimNode* parent, const ui::DriveListArgs& args)
    : SimControlOf(form, parent, args.name, args.bounds) {
    const auto all = drives();
    if (!all.empty()) drive_ = all.front();
}

std::vector<std::string> SimDriveList::drives() const {
    return form_.ui().drives;
}

bool SimDriveList::setDrive(const std::string& drive) {
    const std::string wanted = driveOf(drive);
    const auto all = drives();
    if (std::find(all.begin(), all.end(), wanted) == all.end()) return false;
    if (wanted == drive_) return true;
    drive_ = wanted;
    if (onChange) onChange();
    return true;
}

bool SimDriveList::choose(const std::string& drive) {
    requireUsable("choose in");
    takeFocus();
    return setDrive(drive);
}

SimDirList::SimDirList(SimForm& form, const SimNode* parent, const ui::DirListArgs& args)
    : SimControlOf(form, parent, args.name, args.bounds), path_(folderPath(form.ui().currentDir)) {}

bool SimDirList::setPath(const std::string& path) {
    const std::string wanted = folderPath(path);
    std::vector<FileInfo> entries;
    if (wanted.empty() || form_.ui().files().list(wanted, entries) != kSuccess) return false;
    if (equalsNoCase(wanted, path_)) return true;
    path_ = wanted;
    if (onChange) onChange();
    return true;
}

std::vector<std::string> SimDirList::folders() const {
    std::vector<FileInfo> entries;
    std::vector<std::string> out;
    if (form_.ui().files().list(path_, entries) != kSuccess) return out;
    for (const auto& entry : entries)
        if (entry.isFolder()) out.push_back(entry.name);
    return out;
}

bool SimDirList::open(const std::string& path) {
    requireUsable("open a folder in");
    takeFocus();
    return setPath(path);
}

SimFrame::SimFrame(SimForm& form, const SimNode* parent, const ui::FrameArgs& args)
    : SimContainerOf(form, parent, args.name, args.bounds),
      caption_(args.caption),
      border_(args.border) {}

void SimFrame::click() {
    requireUsable("click");
    if (onClick) onClick();
}

SimTabStrip::SimTabStrip(SimForm& form, const SimNode* parent, const ui::TabStripArgs& args)
    : SimControlOf(form, parent, args.name, args.bounds), tabs(args.tabs) {
    for (std::size_t i = 0; i < tabs.size(); ++i)
        pages_.push_back(std::make_unique<SimTabPage>(form, this));
}

ui::TabPage* SimTabStrip::page(int index) {
    return index >= 0 && index < tabCount() ? pages_[index].get() : nullptr;
}

void SimTabStrip::setSelectedIndex(int index) {
    if (index < 0 || index >= tabCount() || index == selected_) return;
    selected_ = index;
    if (onChange) onChange();
}

void SimTabStrip::clickTab(int index) {
    requireUsable("click a tab of");
    if (index < 0 || index >= tabCount())
        throw std::out_of_range(name_ + " has no tab " + std::to_string(index));
    setSelectedIndex(index);
}

}  // namespace hv::sim
