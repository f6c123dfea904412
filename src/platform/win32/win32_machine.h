#pragma once
// The running Windows as one Platform: one of each real implementation.
#include "platform/platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_url_history.h"
#include "platform/win32/win32_word_automation.h"

namespace hv::win32 {

// Create it on the user-interface thread: its event loop's timers belong to that thread.
class Win32Machine {
  public:
    Win32Profile profile;
    Win32Registry registry;
    Win32FileSystem files;
    Win32Process process;
    Win32System system;
    Win32EventLoop events;
    Win32Dialogs dialogs;
    Win32Shell shell;
    Win32UrlHistory urlHistory;
    Win32WordAutomation word;
    Win32SettingsStore settingsStore;

    Platform platform() {
        return Platform{profile, registry, files,      process, system,       events,
                        dialogs, shell,    urlHistory, word,    settingsStore};
    }
};

}  // namespace hv::win32
