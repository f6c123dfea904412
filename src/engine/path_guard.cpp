#include "engine/path_guard.h"

#include "platform/text.h"
#include "platform/win_path.h"

namespace hv {

namespace {
std::string comparable(std::string_view path) {
    return toLower(withoutTrailingBackslash(path));
}
}  // namespace

PathGuard::PathGuard(std::vector<std::string> protectedFolders) {
    for (const auto& folder : protectedFolders)
        if (!folder.empty()) protected_.push_back(comparable(folder));
}

bool PathGuard::isErasable(std::string_view path) {
    if (!isAbsolutePath(path) || isDriveRoot(path)) return false;
    if (path.find('/') != std::string_view::npos) return false;
    if (path.rfind("\\\\?\\", 0) == 0 || path.rfind("\\\\.\\", 0) == 0) return false;
    // Windows drops trailing dots and blanks from a path part, and resolves "." and "..":
    // either would let a path name a different folder than it seems to.
    const std::string_view rest = path.substr(path[0] == '\\' ? 2 : 3);
    for (const auto& part : splitAll(rest, '\\')) {
        if (part == "." || part == "..") return false;
        if (!part.empty() && (part.back() == '.' || part.back() == ' ')) return false;
    }
    return true;
}

bool PathGuard::mayEmpty(std::string_view folder) const {
    if (!isErasable(folder)) return false;
    const std::string path = comparable(folder);
    for (const auto& p : protected_)
        if (path == p) return false;
    // X:\Program Files and X:\Program Files (x86).
    const std::string parent = parentPath(path);
    const std::string leaf = leafName(path);
    if (isDriveRoot(parent + "\\") && (leaf == "program files" || leaf == "program files (x86)"))
        return false;
    return true;
}

}  // namespace hv
