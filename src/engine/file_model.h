#pragma once
// Files and folders as the program's file-system object model sees them, built on the raw
// platform calls: the plain delete, the object model's forced and unforced deletes, folder
// sizes. No walk here ever enters or removes a link (a folder or file that is a reparse point):
// a link is left exactly as it is, and so is everything it leads to.
#include <optional>
#include <string>

#include "engine/pacer.h"
#include "platform/file_system.h"

namespace hv {

class FileModel {
  public:
    FileModel(FileSystem& files, Pacer& pacer) : files_(files), pacer_(pacer) {}

    FileSystem& files() { return files_; }

    // Unhiding: an object with the Hidden bit gets Normal attributes (read-only, system and
    // archive go too); others keep theirs. Updates info.attributes to match.
    void unhide(const std::string& path, FileInfo& info);
    // The plain delete: refuses read-only, hidden and system files.
    bool plainDelete(const std::string& path, const FileInfo& info);
    // The object model's DeleteFile: without force a read-only file stays.
    bool deleteFile(const std::string& path, const FileInfo& info, bool force);
    // The object model's DeleteFolder: the folder with everything in it. Without force
    // read-only files stay, and so do the folders that hold them. Links inside stay untouched,
    // and so do the folders that hold them. True when the folder is gone.
    bool deleteFolder(const std::string& path, bool force);
    // The total size of everything below the folder; nothing when a folder below cannot be
    // read. Links count nothing.
    std::optional<double> folderSize(const std::string& path);
    // The folder's listing, or nothing when it cannot be read.
    std::optional<std::vector<FileInfo>> list(const std::string& folder);

  private:
    bool isLink(const std::string& path);
    bool removeTree(const std::string& path, bool force);
    std::optional<double> treeSize(const std::string& path);

    FileSystem& files_;
    Pacer& pacer_;
};

}  // namespace hv
