#include "ui/keep_list_box.h"

#include <vector>

#include "catalogue/keep_lists.h"
#include "engine/text_file.h"
#include "platform/dialogs.h"
#include "ui/list_text_width.h"

namespace hv {

namespace {

const char* const kApplicationTitle = "Halvane";

std::string rightTrimmed(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

KeepListBox::KeepListBox(ui::Ui& ui, ui::Form& form, ui::ListBox& list, FileSystem& files,
                         std::string file)
    : ui_(ui), form_(form), list_(list), files_(files), file_(std::move(file)) {}

void KeepListBox::load() {
    showEntries(LoadKeepList(files_, file_));
}

void KeepListBox::add(const std::string& text) {
    const std::string entry = rightTrimmed(text);
    // The file's own lines, not the list's trimmed ones, so that appending changes nothing else.
    std::vector<std::string> lines;
    if (!ReadTextLines(files_, file_, lines) && files_.stat(file_)) {
        // A file that is there but cannot be read would be replaced by the new line alone.
        reportSaveFailure();
        return;
    }
    lines.push_back(entry);
    if (WriteTextLines(files_, file_, lines) != kSuccess) {
        reportSaveFailure();
        return;
    }
    list_.addItem(entry);
    FitHorizontalExtent(list_);
}

void KeepListBox::removeSelected() {
    std::vector<std::string> remaining;
    bool removed = false;
    for (int i = 0; i < list_.count(); ++i) {
        if (list_.selected(i))
            removed = true;
        else
            remaining.push_back(list_.text(i));
    }
    if (!removed) return;
    if (SaveKeepList(files_, file_, remaining) != kSuccess) {
        reportSaveFailure();
        return;
    }
    showEntries(remaining);
}

void KeepListBox::showEntries(const std::vector<std::string>& entries) {
    list_.clear();
    for (const auto& entry : entries) list_.addItem(entry);
    FitHorizontalExtent(list_);
}

void KeepListBox::reportSaveFailure() {
    ui_.messageBox(&form_, "Could not save " + file_ + ".", kApplicationTitle,
                   mb::kOk | mb::kIconExclamation);
}

}  // namespace hv
