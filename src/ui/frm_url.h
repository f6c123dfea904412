#pragma once
// The URL keep-list window ("URL Drop-List Options"): the addresses now in Internet Explorer's
// typed-address list beside the addresses kept from the clean run (keepurl.dat). Opened
// modally from the cleaning settings window; "Add >" and "< Remove" write the file at once.
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/ui/ui.h"
#include "ui/keep_list_box.h"

namespace hv {

// The typed addresses now in the registry, in the registry's order. Values that cannot be
// read as text of up to 254 characters are left out; the addresses after them are still listed.
std::vector<std::string> CurrentTypedUrls(Registry& registry);

class frmurl {
  public:
    // Builds and loads the window without showing it.
    frmurl(ui::Ui& ui, Platform& os);

    void showModal() { form_->showModal(); }

  private:
    void Form_Load();
    void cmdAdd_Click();
    void cmdRemove_Click();

    Platform os_;
    std::unique_ptr<ui::Form> form_;
    ui::ListBox* currentList_ = nullptr;  // List2
    ui::ListBox* keepList_ = nullptr;     // List1
    std::unique_ptr<KeepListBox> kept_;
};

}  // namespace hv
