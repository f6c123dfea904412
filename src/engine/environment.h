#pragma once
// The values that describe the machine and the user's folders, computed once when the main
// window loads, and the shell-folder lookup that items repeat whenever they run.
#include <string>

#include "platform/platform.h"

namespace hv {

inline constexpr const char* kUserShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

struct EnvironmentValues {
    std::string windowsVersion;  // "6.1"
    int IeMajorVersion = 0;
    std::string AppDataFolder;
    std::string LocalAppDataFolder;
    std::string WindowsFolder;
};

// The folder stored in a registry value, blanks trimmed, %USERPROFILE% expanded; "Error" when
// the value cannot be read.
std::string ShellFolderPath(Platform& os, const std::string& keyPath, const std::string& valueName);
// The same under the User Shell Folders key.
std::string ShellFolderPath(Platform& os, const std::string& valueName);
// The user's Documents folder, looked up afresh on every call.
std::string DocumentsFolder(Platform& os);
// Internet Explorer's major version: the first character of its "Version" value read as a
// digit; 0 when it is missing or not a digit (so 11.0.9600 gives 1).
int ReadIeMajorVersion(Platform& os);

// Every value, in the order the main window computes them.
EnvironmentValues ComputeEnvironment(Platform& os);

}  // namespace hv
