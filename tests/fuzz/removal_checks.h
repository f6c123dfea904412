#pragma once
// What every removal on the simulated machine must satisfy, shared by the fuzz targets and the
// property tests: it lies inside a target someone named, and it happened where its path says,
// never somewhere a link led to.
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/machine.h"
#include "platform/text.h"
#include "platform/win_path.h"

namespace hv::test {

// A path as Windows reads it, for comparing: doubled backslashes collapsed (a UNC opening
// kept), no trailing backslash, lower case.
inline std::string Canonical(std::string_view path) {
    std::string out(path.substr(0, path.rfind("\\\\", 0) == 0 ? 2 : 0));
    for (std::size_t i = out.size(); i < path.size(); ++i)
        if (path[i] != '\\' || out.empty() || out.back() != '\\') out += path[i];
    while (out.size() > 3 && out.back() == '\\') out.pop_back();
    return toLower(out);
}

// True when `path` is `root` itself or lies below it, both read as Windows reads them.
inline bool IsInside(std::string_view path, std::string_view root) {
    const std::string p = Canonical(path);
    const std::string r = Canonical(root);
    if (r.empty()) return false;
    return p == r || (p.size() > r.size() && p.compare(0, r.size(), r) == 0 &&
                      (r.back() == '\\' || p[r.size()] == '\\'));
}

// A registry key or value path with empty parts dropped ("HKEY_CURRENT_USER\a\\b\" reads as
// "HKEY_CURRENT_USER\a\b"), lower case.
inline std::string CanonicalKey(std::string_view path) {
    std::string out;
    for (const auto& part : splitAll(path, '\\')) {
        if (part.empty()) continue;
        if (!out.empty()) out += '\\';
        out += part;
    }
    return toLower(out);
}

inline bool IsKeyInside(std::string_view path, std::string_view root) {
    const std::string p = CanonicalKey(path);
    const std::string r = CanonicalKey(root);
    return p == r || (p.size() > r.size() && p.compare(0, r.size(), r) == 0 && p[r.size()] == '\\');
}

// One violation per line, empty when every removal of the machine is sound:
//   - each removal happened where its path says (no link followed on the way), and
//   - it lies inside one of the allowed trees (a folder and everything below it), is a file
//     directly in one of the allowed folders, or is one of the allowed files.
struct AllowedFiles {
    std::vector<std::string> trees;    // the folder and everything below it
    std::vector<std::string> folders;  // files directly in the folder only
    std::vector<std::string> files;    // exactly that file
};

inline std::vector<std::string> FileRemovalViolations(const sim::Machine& machine,
                                                      const AllowedFiles& allowed) {
    std::vector<std::string> out;
    const auto& named = machine.files.removed;
    const auto& where = machine.files.removals;
    for (std::size_t i = 0; i < named.size() && i < where.size(); ++i) {
        if (Canonical(named[i]) != Canonical(where[i].where))
            out.push_back("removed through a link: " + named[i] + " (really " + where[i].where +
                          ")");
        bool inside = false;
        for (const auto& root : allowed.trees) inside = inside || IsInside(named[i], root);
        for (const auto& folder : allowed.folders)
            inside = inside || (!where[i].folder && !where[i].link &&
                                Canonical(parentPath(Canonical(named[i]))) == Canonical(folder));
        for (const auto& file : allowed.files)
            inside = inside || (!where[i].folder && Canonical(named[i]) == Canonical(file));
        if (!inside) out.push_back("removed outside every target: " + named[i]);
    }
    return out;
}

inline std::vector<std::string> KeyRemovalViolations(const sim::Machine& machine,
                                                     const std::vector<std::string>& allowed) {
    std::vector<std::string> out;
    for (const auto& key : machine.registry.removed) {
        // A root itself never goes, whatever a line names.
        if (CanonicalKey(key).find('\\') == std::string::npos) {
            out.push_back("removed a whole root: " + key);
            continue;
        }
        bool inside = false;
        for (const auto& root : allowed) inside = inside || IsKeyInside(key, root);
        if (!inside) out.push_back("removed outside every target: " + key);
    }
    return out;
}

// The folders of the user and the system that no clean removes, whatever it is told.
inline std::vector<std::string> KeyFolders(const sim::Machine& machine) {
    return {"C:\\Windows",
            "C:\\Users\\ann",
            "C:\\Users\\ann\\AppData\\Roaming",
            "C:\\Users\\ann\\AppData\\Local",
            "C:\\Users\\ann\\Documents",
            machine.system.appFolder,
            "C:\\Program Files"};
}

}  // namespace hv::test
