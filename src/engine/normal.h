#pragma once
// General procedures of the start-up module used by the erase steps.
#include <string>

#include "platform/platform.h"

namespace hv {

// A text containing "%USERPROFILE%" becomes the USERPROFILE variable followed by everything
// after the token (anything before it is dropped); other texts stay as they are.
std::string ExpandUserProfile(System& system, const std::string& path);
// Asks Windows to delete the file at the next system start; nothing is counted.
void DeleteAtReboot(FileSystem& files, const std::string& path);

}  // namespace hv
