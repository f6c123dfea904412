#pragma once
// frmabout: the program's name, version and what it does, closed with OK.
#include <memory>

#include "platform/platform.h"
#include "platform/ui/ui.h"

namespace hv {

class frmabout {
  public:
    static constexpr const char* kCaption = "About Halvane";

    frmabout(ui::Ui& ui, Platform& os);
    // Returns when the user pressed OK or closed the window.
    void showModal();

  private:
    std::unique_ptr<ui::Form> form_;
};

}  // namespace hv
