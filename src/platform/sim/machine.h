#pragma once
// A whole simulated Windows machine: registry, drives, profile files, processes, clock and
// message boxes. Tests build one, state its files and registry in a few lines, run the code
// under test against platform(), then look at what is left.
#include <string>

#include "platform/platform.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_profile.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_settings_store.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system.h"
#include "platform/sim/sim_ui.h"
#include "platform/sim/sim_url_history.h"
#include "platform/sim/sim_word_automation.h"

namespace hv::sim {

class Machine {
  public:
    // Drive C: with C:\Windows and the application folder C:\Program Files\Halvane; the user
    // "ann" with USERPROFILE C:\Users\ann and TEMP C:\Users\ann\AppData\Local\Temp; the User
    // Shell Folders AppData, Local AppData, Personal, Cache, Cookies, History, Recent under
    // %USERPROFILE%; Windows 6.1; Internet Explorer 9.11.9600.
    Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    SimClock clock;
    SimRegistry registry;
    SimFileSystem files;
    SimProfile profile{files};
    SimProcess process;
    SimSystem system{clock};
    SimEventLoop events{clock};
    SimDialogs dialogs;
    SimShell shell{files};
    SimUrlHistory urlHistory;
    SimWordAutomation word;
    // The per-user settings store (the file finder's options).
    SimSettingsStore settingsStore;
    // The windows' controls, message boxes through `dialogs`.
    SimUi ui{dialogs, files};

    Platform platform() {
        return Platform{profile, registry, files,      process, system,       events,
                        dialogs, shell,    urlHistory, word,    settingsStore};
    }

    std::string appFolder() const { return system.appFolder; }
    std::string settingsFile() const { return system.appFolder + "\\hvset.dat"; }

    // Files and folders, one per line:
    //   C:\path\file.txt | size=1000 | attr=RHSA | modified=2026-05-01 12:30
    //   C:\path\folder\                       (a trailing backslash makes a folder)
    //   C:\path\link\ | link=C:\elsewhere     (a folder link; without the backslash a file link)
    //   C:\path\notes.txt | text=any text up to the end of the line
    // Blank lines and lines starting with # are ignored.
    void addFiles(const std::string& description);
    // Registry in .reg syntax: [HKEY_...\key] headers, then "name"="text", @="default",
    // "name"=dword:0000001f, "name"=hex(2):... is not needed and not supported.
    void addRegistry(const std::string& regText);
    // A profile value in hvset.dat.
    void setSetting(const std::string& section, const std::string& key, const std::string& value);
};

}  // namespace hv::sim
