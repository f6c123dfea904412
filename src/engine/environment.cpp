#include "engine/environment.h"

#include <cctype>

#include "engine/inifun.h"
#include "engine/normal.h"
#include "engine/regfun.h"
#include "platform/text.h"

namespace hv {

namespace {
constexpr std::size_t kWindowsFolderBufferChars = 255;
}  // namespace

std::string ShellFolderPath(Platform& os, const std::string& keyPath,
                            const std::string& valueName) {
    return ExpandUserProfile(os.system, trimBlanks(RegReadString(os, keyPath, valueName)));
}

std::string ShellFolderPath(Platform& os, const std::string& valueName) {
    return ShellFolderPath(os, kUserShellFolders, valueName);
}

std::string DocumentsFolder(Platform& os) {
    return ShellFolderPath(os, "Personal");
}

int ReadIeMajorVersion(Platform& os) {
    const std::string version = trimBlanks(
        RegReadString(os, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer", "Version"));
    if (version.empty() || !std::isdigit(static_cast<unsigned char>(version[0]))) return 0;
    return version[0] - '0';
}

EnvironmentValues ComputeEnvironment(Platform& os) {
    EnvironmentValues values;
    values.windowsVersion = WindowsVersion(os.system);
    values.AppDataFolder = ShellFolderPath(os, "AppData");
    values.LocalAppDataFolder = ShellFolderPath(os, "Local AppData");
    values.WindowsFolder = trimBlanks(os.system.windowsDirectory(kWindowsFolderBufferChars));
    values.IeMajorVersion = ReadIeMajorVersion(os);
    return values;
}

}  // namespace hv
