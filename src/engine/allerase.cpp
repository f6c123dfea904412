#include "engine/allerase.h"

#include "engine/outside_paths.h"
#include "platform/text.h"
#include "platform/win_path.h"

namespace hv {

namespace {
constexpr double kRecursiveCallBytes = 10000;
constexpr double kRegKeyEntries = 3;
constexpr double kRegTreeEntries = 5;
constexpr double kRegValueEntries = 1;

}  // namespace

bool Allerase::matches(const FileInfo& file, Match match, const std::string& what) {
    switch (match) {
        case Match::Named:
            return file.name == what;
        case Match::All:
            return true;
        case Match::ByExt:
            return toLower(extensionOf(file.name)) == what;
    }
    return false;
}

Allerase::Allerase(FileSystem& files, Registry& registry, EventLoop& events, PathGuard guard)
    : registry_(registry), pacer_(events), model_(files, pacer_), guard_(std::move(guard)) {}

bool Allerase::walkable(const std::string& folder) {
    if (!PathGuard::isErasable(folder)) return false;
    // Not the folder, nor any folder between it and the user's or the system's own folder it
    // lies in: a link anywhere there would take the walk to another folder than it names.
    return !ReachesThroughLink(model_.files(), folder, guard_.trustedLength(folder));
}

// Step 2 of every file primitive: visit each file directly in the folder, unhide it, and
// delete it when it matches, counting its size before the delete is tried.
double Allerase::deleteFilesIn(const std::string& folder, const std::vector<FileInfo>& entries,
                               Match match, const std::string& what, Delete kind,
                               bool yieldEachFile) {
    double total = 0;
    for (auto file : entries) {
        if (file.isFolder() || file.isLink()) continue;
        const std::string path = joinPath(folder, file.name);
        model_.unhide(path, file);
        if (matches(file, match, what)) {
            total += static_cast<double>(file.size);
            if (kind == Delete::Plain)
                model_.plainDelete(path, file);
            else
                model_.deleteFile(path, file, false);
        }
        if (yieldEachFile)
            pacer_.yieldNow();
        else
            pacer_.yieldPaced();
    }
    return total;
}

double Allerase::deleteFilesBelow(const std::string& folder, Match match, const std::string& what,
                                  bool yieldEachFile) {
    // One listing serves both steps: the files first, then the sub-folders.
    const auto entries = model_.list(folder);
    if (!entries) return 0;
    const double total = deleteFilesIn(folder, *entries, match, what, Delete::Plain, yieldEachFile);
    // What deeper calls release is removed but not counted: each call's result is dropped.
    for (const auto& sub : *entries)
        if (sub.isFolder() && !sub.isLink())
            deleteFilesBelow(joinPath(folder, sub.name), match, what, yieldEachFile);
    return total;
}

double Allerase::filesDirectlyIn(const std::string& folder, Match match, const std::string& what,
                                 Delete kind) {
    const auto entries = model_.list(folder);
    if (!entries) return 0;
    // The named and by-extension walks yield after every file; the plain one when it is due.
    return deleteFilesIn(folder, *entries, match, what, kind, match != Match::All);
}

double Allerase::DeleteFilesNamed(const std::string& folder, const std::string& name) {
    if (!walkable(folder)) return kRecursiveCallBytes;
    return deleteFilesBelow(folder, Match::Named, name, true) + kRecursiveCallBytes;
}

double Allerase::DeleteAllFiles(const std::string& folder) {
    if (!guard_.mayEmpty(folder) || !walkable(folder)) return kRecursiveCallBytes;
    return deleteFilesBelow(folder, Match::All, "", false) + kRecursiveCallBytes;
}

double Allerase::DeleteFilesByExt(const std::string& folder, const std::string& extension) {
    if (!walkable(folder)) return kRecursiveCallBytes;
    return deleteFilesBelow(folder, Match::ByExt, extension, false) + kRecursiveCallBytes;
}

void Allerase::foldersNamedBelow(const std::string& folder, const std::string& name, double& total,
                                 bool countHere) {
    auto entries = model_.list(folder);
    if (!entries) return;
    std::vector<std::string> remaining;
    for (auto& sub : *entries) {
        if (!sub.isFolder() || sub.isLink()) continue;
        const std::string path = joinPath(folder, sub.name);
        model_.unhide(path, sub);
        if (toLower(sub.name) == name) {
            if (const auto size = model_.folderSize(path); size && countHere) total += *size;
            if (model_.deleteFolder(path, false)) continue;
        }
        remaining.push_back(path);
        pacer_.yieldPaced();
    }
    // Deeper calls remove what they find; their counts are dropped.
    double ignored = 0;
    for (const auto& path : remaining) foldersNamedBelow(path, name, ignored, false);
}

double Allerase::DeleteFoldersNamed(const std::string& folder, const std::string& name) {
    if (!walkable(folder)) return kRecursiveCallBytes;
    double total = 0;
    foldersNamedBelow(folder, name, total, true);
    return total + kRecursiveCallBytes;
}

double Allerase::EmptyFolder(const std::string& folder) {
    // A refused folder is left as a missing one would be, but is never created.
    if (!guard_.mayEmpty(folder) || !walkable(folder)) return 0;
    double size = 0;
    if (auto self = model_.files().stat(folder); self && self->isFolder()) {
        model_.unhide(folder, *self);
        size = model_.folderSize(folder).value_or(0);
        model_.deleteFolder(folder, true);
    }
    model_.files().createFolder(folder);
    return size;
}

double Allerase::DeleteFolderFiles(const std::string& folder) {
    if (!guard_.mayEmpty(folder) || !walkable(folder)) return 0;
    return filesDirectlyIn(folder, Match::All, "", Delete::ObjectUnforced);
}

double Allerase::DeleteFolderFilesNamed(const std::string& folder, const std::string& name) {
    if (!walkable(folder)) return 0;
    return filesDirectlyIn(folder, Match::Named, name, Delete::Plain);
}

double Allerase::DeleteFolderFilesByExt(const std::string& folder, const std::string& extension) {
    if (!walkable(folder)) return 0;
    return filesDirectlyIn(folder, Match::ByExt, extension, Delete::Plain);
}

double Allerase::DeleteRegKey(RootKey root, const std::string& subKey) {
    registry_.deleteKey(root, subKey);
    return kRegKeyEntries;
}

double Allerase::DeleteRegTree(RootKey root, const std::string& subKey) {
    // An empty sub-key would name the whole root: never delete that.
    if (!subKey.empty() && subKey.find_first_not_of('\\') != std::string::npos)
        registry_.deleteTree(root, subKey);
    return kRegTreeEntries;
}

double Allerase::DeleteRegValue(RootKey root, const std::string& subKey,
                                const std::string& valueName) {
    registry_.deleteValue(root, subKey, valueName);
    return kRegValueEntries;
}

}  // namespace hv
