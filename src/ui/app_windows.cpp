#include "ui/app_windows.h"

#include "ui/frm_about.h"
#include "ui/frm_cookie.h"
#include "ui/frm_locate.h"
#include "ui/frm_option.h"
#include "ui/frm_url.h"

namespace hv {

AppWindows::AppWindows(ui::Ui& ui, Platform& os, frmMainCode& main)
    : settings_(ui, os, [&ui, &os](SettingsWindow& window) {
          window.openUrlOptions = [&ui, &os] { frmurl(ui, os).showModal(); };
          window.openCookieOptions = [&ui, &os] { frmcookie(ui, os).showModal(); };
      }) {
    main.openSettings = [this] { settings_.open(); };
    // The plug-ins a run cleans are the ticked rows of the settings window's list, so a run
    // started while that window is open follows its check marks, saved or not.
    main.cleanRun().tickedPlugins = [this] { return settings_.TickedPluginTexts(); };
    main.openOptions = [&ui, &os, &main] { Frmoption(ui, os, main).showModal(); };
    main.openFinder = [&ui, &os] {
        frmLocate finder(ui, os);
        finder.openAbout = [&ui, &os] { frmabout(ui, os).showModal(); };
        finder.showModal();
    };
}

}  // namespace hv
