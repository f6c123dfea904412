#pragma once
// The erase primitives of a clean run. File and folder primitives return the bytes they count
// as released; registry primitives return fixed entry counts. Every primitive skips what fails
// and carries on; none shows a message. A path the guard refuses behaves as a missing folder,
// and no primitive enters, empties or removes a link.
#include <string>

#include "engine/file_model.h"
#include "engine/pacer.h"
#include "engine/path_guard.h"
#include "platform/platform.h"

namespace hv {

class Allerase {
  public:
    Allerase(FileSystem& files, Registry& registry, EventLoop& events, PathGuard guard);

    // Recursive: files named exactly `name` (case-sensitive) in the folder and below.
    // Returns the sizes of the matches directly in the folder + 10000, even when it is missing.
    double DeleteFilesNamed(const std::string& folder, const std::string& name);
    // Recursive: every file. Same result rule.
    double DeleteAllFiles(const std::string& folder);
    // Recursive: files whose lower-cased extension equals `extension`. Same result rule.
    double DeleteFilesByExt(const std::string& folder, const std::string& extension);
    // Recursive: sub-folders (never the folder itself) whose lower-cased name equals `name`,
    // with their content, read-only files and their folders excepted. Sizes of the matches
    // directly in the folder + 10000.
    double DeleteFoldersNamed(const std::string& folder, const std::string& name);
    // The folder's whole content goes (read-only too) and the folder is created again, empty,
    // also when it was missing (if its parent exists). Returns the folder's size before.
    double EmptyFolder(const std::string& folder);
    // Files directly in the folder; read-only files stay. Returns their sizes.
    double DeleteFolderFiles(const std::string& folder);
    // Files directly in the folder named exactly `name`. Returns their sizes.
    double DeleteFolderFilesNamed(const std::string& folder, const std::string& name);
    // Files directly in the folder with that lower-cased extension. Returns their sizes.
    double DeleteFolderFilesByExt(const std::string& folder, const std::string& extension);

    // RegDeleteKeyA: only a key without sub-keys goes. Always 3.
    double DeleteRegKey(RootKey root, const std::string& subKey);
    // SHDeleteKeyA: the key with everything below it. Always 5.
    double DeleteRegTree(RootKey root, const std::string& subKey);
    // One value of a key. Always 1.
    double DeleteRegValue(RootKey root, const std::string& subKey, const std::string& valueName);

    // The folder can be walked: the guard allows it, and neither it nor a folder on the way to
    // it from the protected folder it lies in is a link.
    bool walkable(const std::string& folder);

    FileModel& model() { return model_; }
    Pacer& pacer() { return pacer_; }
    const PathGuard& guard() const { return guard_; }

  private:
    enum class Match { Named, All, ByExt };
    enum class Delete { Plain, ObjectUnforced };
    static bool matches(const FileInfo& file, Match match, const std::string& what);
    double deleteFilesIn(const std::string& folder, const std::vector<FileInfo>& entries,
                         Match match, const std::string& what, Delete kind, bool yieldEachFile);
    double filesDirectlyIn(const std::string& folder, Match match, const std::string& what,
                           Delete kind);
    double deleteFilesBelow(const std::string& folder, Match match, const std::string& what,
                            bool yieldEachFile);
    void foldersNamedBelow(const std::string& folder, const std::string& name, double& total,
                           bool countHere);

    Registry& registry_;
    Pacer pacer_;
    FileModel model_;
    PathGuard guard_;
};

}  // namespace hv
