#pragma once
// The cookie keep-list window ("Cookies Options"): the cookie files now in Internet Explorer's
// cookie folder beside the files kept from the clean run (keepcook.dat), and the content of
// the cookie file last clicked. Opened modally from the cleaning settings window; "Add >" and
// "< Remove" write the file at once.
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/ui/ui.h"
#include "ui/keep_list_box.h"

namespace hv {

// The full paths of the files directly in the folder whose name holds ".txt" anywhere (exact
// case), in listing order; empty when the folder is missing or cannot be read.
std::vector<std::string> CookieCandidates(FileSystem& files, const std::string& cookieFolder);

class frmcookie {
  public:
    // Builds and loads the window without showing it.
    frmcookie(ui::Ui& ui, Platform& os);

    void showModal() { form_->showModal(); }

  private:
    void Form_Load();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void showCookie(const ui::ListBox& list);

    Platform os_;
    std::unique_ptr<ui::Form> form_;
    ui::ListBox* currentList_ = nullptr;  // lstCookieList
    ui::ListBox* keepList_ = nullptr;     // List1
    ui::TextBox* content_ = nullptr;      // Text1
    std::unique_ptr<KeepListBox> kept_;
    // The cookie files found when the window loaded.
    std::vector<std::string> candidates_;
};

}  // namespace hv
