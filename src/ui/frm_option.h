#pragma once
// The options window ("Options"): the program options of section "Options" in hvset.dat, the
// schedule, the boss key, the program's Run entry and Internet Explorer's start page and
// window title. Opened modally from the main window; OK writes everything and closes, Cancel
// and the close box write nothing.
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/ui/ui.h"

namespace hv {

// What the options window changes on the main window at once when OK is pressed. The main
// window implements it.
class OptionsHost {
  public:
    virtual ~OptionsHost() = default;
    // Registers the boss hot keys (on) or releases them (off).
    virtual void setBossKey(bool on) = 0;
    // Reads the weekday flags and the schedule time afresh from hvset.dat.
    virtual void reloadSchedule() = 0;
};

// The program's entry in HKEY_LOCAL_MACHINE that starts it with Windows.
inline constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "Halvane";
// The Run value's data: the quoted path of halvane.exe in the application folder, then " min".
std::string RunEntryData(const std::string& appFolder);

class Frmoption {
  public:
    // Builds and loads the window without showing it.
    Frmoption(ui::Ui& ui, Platform& os, OptionsHost& host);
    ~Frmoption();

    void showModal();

  private:
    struct Controls;

    void Form_Load();
    void chkDaily_Click();
    void Command1_Click();
    void saveBossKey();
    void saveRunEntry();

    Platform os_;
    OptionsHost& host_;
    std::string settingsFile_;
    std::unique_ptr<ui::Form> form_;
    std::unique_ptr<Controls> controls_;
};

}  // namespace hv
