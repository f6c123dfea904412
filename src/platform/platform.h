#pragma once
// Everything the core needs of Windows, in one bundle passed by reference.
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/url_history.h"
#include "platform/word_automation.h"

namespace hv {

struct Platform {
    Profile& profile;
    Registry& registry;
    FileSystem& files;
    Process& process;
    System& system;
    EventLoop& events;
    Dialogs& dialogs;
    Shell& shell;
    UrlHistory& urlHistory;
    WordAutomation& word;
    SettingsStore& settingsStore;
};

}  // namespace hv
