#pragma once
// The keep list of a keep-list window: the list box that shows a keep file, and the work of the
// window's "Add >" and "< Remove" buttons. Every change goes to the file at once, through a
// temporary file renamed over the old one; a change that cannot be saved is not made in the
// list either, and the window says "Could not save ..." so the user knows the list is as before.
#include <string>

#include "platform/file_system.h"
#include "platform/ui/controls.h"
#include "platform/ui/ui.h"

namespace hv {

class KeepListBox {
  public:
    KeepListBox(ui::Ui& ui, ui::Form& form, ui::ListBox& list, FileSystem& files, std::string file);

    // Fills the list with the file's entries, right-trimmed; a missing file is an empty list.
    void load();
    // "Add >": appends the right-trimmed text as one line to the file (created when missing)
    // and as an entry to the list. No duplicate check: the same text may be kept twice.
    void add(const std::string& text);
    // "< Remove": drops every selected entry and rewrites the file with the others in list
    // order. With nothing selected nothing is removed and the file is left alone.
    void removeSelected();

    const std::string& file() const { return file_; }

  private:
    void showEntries(const std::vector<std::string>& entries);
    void reportSaveFailure();

    ui::Ui& ui_;
    ui::Form& form_;
    ui::ListBox& list_;
    FileSystem& files_;
    std::string file_;
};

}  // namespace hv
