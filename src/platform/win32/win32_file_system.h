#pragma once
// Files and folders through the kernel32 file calls, with ANSI paths.
#include "platform/file_system.h"

namespace hv::win32 {

class Win32FileSystem final : public FileSystem {
  public:
    long list(const std::string& folder, std::vector<FileInfo>& out) override;
    std::optional<FileInfo> stat(const std::string& path) override;
    long setAttributes(const std::string& path, std::uint32_t attributes) override;
    long deleteFile(const std::string& path) override;
    long removeFolder(const std::string& path) override;
    long createFolder(const std::string& path) override;
    long readFile(const std::string& path, std::string& out) override;
    long writeFile(const std::string& path, const std::string& content) override;
    long replaceFile(const std::string& from, const std::string& to) override;
    long deleteAtReboot(const std::string& path) override;
};

}  // namespace hv::win32
