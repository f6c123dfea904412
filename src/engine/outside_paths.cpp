#include "engine/outside_paths.h"

#include <vector>

#include "engine/clean_run.h"
#include "engine/environment.h"
#include "engine/path_guard.h"
#include "platform/win_path.h"

namespace hv {

bool IsPlainPath(std::string_view path) {
    if (!PathGuard::isErasable(path)) return false;
    // After "C:" or the two backslashes that open a UNC path.
    const std::string_view rest = path.substr(2);
    return rest.find("\\\\") == std::string_view::npos && rest.find(':') == std::string_view::npos;
}

bool HoldsKeyFolder(CleanRun& run, std::string_view folder) {
    Platform& os = run.os();
    std::vector<std::string> keyFolders{run.env.WindowsFolder, run.env.AppDataFolder,
                                        run.env.LocalAppDataFolder, DocumentsFolder(os),
                                        run.appFolder()};
    for (const char* name :
         {"USERPROFILE", "ALLUSERSPROFILE", "ProgramData", "PUBLIC", "SystemRoot", "windir",
          "ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"})
        keyFolders.push_back(os.system.environment(name).value_or(""));
    for (const auto& key : keyFolders)
        if (isAbsolutePath(key) && isSameOrInside(key, folder)) return true;
    return false;
}

namespace {
// A part whose attributes cannot be read counts as a link unless it cannot be listed either.
bool mayBeLink(FileSystem& files, const std::string& path) {
    if (const auto info = files.stat(path)) return info->isLink();
    std::vector<FileInfo> entries;
    return files.list(path, entries) == kSuccess;
}
}  // namespace

bool ReachesThroughLink(FileSystem& files, const std::string& path, std::size_t trustedLength) {
    // The folders up to the trusted part are taken as they are (a redirected profile folder
    // may well be a link); every part below it is checked.
    const std::size_t from = trustedLength == 0 ? 0 : trustedLength + 1;
    for (std::size_t at = path.find('\\', from); at != std::string::npos;
         at = path.find('\\', at + 1)) {
        if (at == 0 || path[at - 1] == '\\' || path[at - 1] == ':') continue;
        if (mayBeLink(files, path.substr(0, at))) return true;
    }
    return mayBeLink(files, path);
}

}  // namespace hv
