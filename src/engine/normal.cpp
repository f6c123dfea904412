#include "engine/normal.h"

#include "engine/path_guard.h"

namespace hv {

std::string ExpandUserProfile(System& system, const std::string& path) {
    static const std::string token = "%USERPROFILE%";
    const auto at = path.find(token);
    if (at == std::string::npos) return path;
    return system.environment("USERPROFILE").value_or("") + path.substr(at + token.size());
}

void DeleteAtReboot(FileSystem& files, const std::string& path) {
    if (PathGuard::isErasable(path)) files.deleteAtReboot(path);
}

}  // namespace hv
