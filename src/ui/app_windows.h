#pragma once
// The windows the main window opens: the cleaning settings (with its two keep-list windows),
// the options and the file finder. Connects them to the main window's images and menus, and the
// clean run's plug-in step to the settings window's plug-in list.
#include "platform/platform.h"
#include "platform/ui/ui.h"
#include "ui/frm_main.h"
#include "ui/frm_settings.h"

namespace hv {

class AppWindows {
  public:
    // Lives as long as the main window.
    AppWindows(ui::Ui& ui, Platform& os, frmMainCode& main);

  private:
    SettingsWindowSlot settings_;
};

}  // namespace hv
