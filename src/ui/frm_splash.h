#pragma once
// The splash window: shown at start-up while the main window loads hidden behind it; after
// 2000 ms it shows the main window and unloads itself. It keeps the main window for the life
// of the program.
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/ui/timer.h"
#include "platform/ui/ui.h"
#include "ui/frm_main.h"

namespace hv {

class frmSplash {
  public:
    static constexpr std::uint32_t kShowMainAfterMs = 2000;

    // Shows the splash, loads the main window (hidden) and starts the timer.
    frmSplash(ui::Ui& ui, Platform& os, std::string commandLine);

    frmMainCode& mainWindow() { return *main_; }
    bool loaded() const { return form_ != nullptr && form_->loaded(); }

  private:
    void showMainWindow();
    void unload();

    std::unique_ptr<ui::Form> form_;
    ui::Timer timer_;
    std::unique_ptr<frmMainCode> main_;
};

}  // namespace hv
