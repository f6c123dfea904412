#pragma once
// The one check every erase primitive makes before it touches a path. Without it an unset TEMP
// variable or a failed shell-folder lookup ("Error") would turn into deleting the program's
// working folder, and a plug-in line with an empty sub-path would empty a whole profile folder.
#include <string>
#include <string_view>
#include <vector>

namespace hv {

class PathGuard {
  public:
    PathGuard() = default;
    // Folders that the primitives which remove everything in a folder never empty: the
    // Windows, profile, application-data, Documents and application folders (their sub-folders
    // stay allowed). "Program Files" folders directly on a drive are always among them.
    explicit PathGuard(std::vector<std::string> protectedFolders);

    // A full path that names something below a drive root: not empty, not relative, not a
    // drive root, with no "." or ".." parts, no forward slashes, no stream and no device
    // prefix. Doubled backslashes count as one, as Windows reads them.
    static bool isErasable(std::string_view path);
    // isErasable, and neither one of the protected folders nor a folder that holds one.
    bool mayEmpty(std::string_view folder) const;
    // The length of the longest protected folder the path is or lies in, as the path spells
    // it (0: none). Those folders may well be links (a profile moved to another drive); the
    // parts of the path below them are the program's to check.
    std::size_t trustedLength(std::string_view path) const;

  private:
    std::vector<std::string> protected_;  // lower case, without a trailing backslash
};

}  // namespace hv
