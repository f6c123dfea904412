#pragma once
// Drives, folders and files with Windows paths ("C:\dir\file.txt"). The platform gives the raw
// operations; the rules of the erase primitives (what is unhidden, forced, counted, refused)
// live above it in the engine. Implemented by SimFileSystem and Win32FileSystem.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace hv {

struct FileInfo {
    std::string name;  // the last path component
    std::uint32_t attributes = attr::kNormal;
    std::uint64_t size = 0;     // files only
    std::int64_t modified = 0;  // FILETIME ticks: 100 ns since 1601-01-01 UTC

    bool isFolder() const { return (attributes & attr::kDirectory) != 0; }
    bool isLink() const { return (attributes & attr::kReparsePoint) != 0; }
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // One listing of a folder: its files and immediate sub-folders together, in the platform's
    // order, without "." and "..". kSuccess, or the error that kept the folder from being read.
    virtual long list(const std::string& folder, std::vector<FileInfo>& out) = 0;
    // What a listing would say of one file or folder; nothing when it does not exist.
    virtual std::optional<FileInfo> stat(const std::string& path) = 0;
    virtual long setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // DeleteFileA: refuses a read-only file (kAccessDenied), removes hidden and system files.
    virtual long deleteFile(const std::string& path) = 0;
    // RemoveDirectoryA: removes an empty folder only.
    virtual long removeFolder(const std::string& path) = 0;
    // CreateDirectoryA: the parent must exist.
    virtual long createFolder(const std::string& path) = 0;
    // Whole-file reads and writes of the program's own text files. writeFile creates or
    // truncates the file.
    virtual long readFile(const std::string& path, std::string& out) = 0;
    virtual long writeFile(const std::string& path, const std::string& content) = 0;
    // MoveFileExA with MOVEFILE_REPLACE_EXISTING: renames, replacing an existing target.
    virtual long replaceFile(const std::string& from, const std::string& to) = 0;
    // MoveFileExA(path, NULL, MOVEFILE_DELAY_UNTIL_REBOOT).
    virtual long deleteAtReboot(const std::string& path) = 0;
};

}  // namespace hv
