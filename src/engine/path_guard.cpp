#include "engine/path_guard.h"

#include "platform/text.h"
#include "platform/win_path.h"

namespace hv {

namespace {
// Windows reads "a\\b" as "a\b": the guard judges the folder that will really be touched.
std::string collapseBackslashes(std::string_view path) {
    std::string out(path.substr(0, path.rfind("\\\\", 0) == 0 ? 2 : 0));
    for (std::size_t i = out.size(); i < path.size(); ++i)
        if (path[i] != '\\' || out.empty() || out.back() != '\\') out += path[i];
    return out;
}

std::string comparable(std::string_view path) {
    return toLower(withoutTrailingBackslash(collapseBackslashes(path)));
}
}  // namespace

PathGuard::PathGuard(std::vector<std::string> protectedFolders) {
    for (const auto& folder : protectedFolders)
        if (isAbsolutePath(folder)) protected_.push_back(comparable(folder));
}

bool PathGuard::isErasable(std::string_view rawPath) {
    const std::string collapsed = collapseBackslashes(rawPath);
    const std::string_view path = collapsed;
    if (!isAbsolutePath(path) || isDriveRoot(path)) return false;
    // A colon past the drive names a stream ("::$INDEX_ALLOCATION" is the folder itself).
    if (path.find(':', 2) != std::string_view::npos) return false;
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
    // Neither the protected folders themselves nor any folder that holds one of them.
    for (const auto& p : protected_)
        if (isSameOrInside(p, path)) return false;
    // X:\Program Files and X:\Program Files (x86).
    const std::string parent = parentPath(path);
    const std::string leaf = leafName(path);
    if (isDriveRoot(parent + "\\") && (leaf == "program files" || leaf == "program files (x86)"))
        return false;
    return true;
}

std::size_t PathGuard::trustedLength(std::string_view path) const {
    std::size_t longest = 0;
    for (const auto& p : protected_)
        if (p.size() > longest && isSameOrInside(path, p)) longest = p.size();
    return longest;
}

}  // namespace hv
