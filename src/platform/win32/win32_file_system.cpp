#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace hv::win32 {

namespace {

long lastError() {
    return static_cast<long>(GetLastError());
}

std::int64_t ticks(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
}

std::uint64_t fileSize(DWORD attributes, DWORD high, DWORD low) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return 0;
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

std::string lastComponent(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/')) {
        trimmed.pop_back();
    }
    std::size_t slash = trimmed.find_last_of("\\/");
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

// Closes a file handle on every way out of a read or write.
class OpenFile {
  public:
    explicit OpenFile(HANDLE handle) : handle_(handle) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (isOpen()) CloseHandle(handle_);
    }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

// One read or write moves at most this much, so that a DWORD always holds the count.
constexpr std::size_t kChunk = 1u << 30;

}  // namespace

long Win32FileSystem::list(const std::string& folder, std::vector<FileInfo>& out) {
    out.clear();
    std::string pattern = folder;
    if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        long error = lastError();
        // A drive root has no "." entry, so an empty one reports "no file" rather than nothing.
        if (error == ERROR_FILE_NOT_FOUND) {
            DWORD attributes = GetFileAttributesA(folder.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
                return ERROR_SUCCESS;
        }
        return error;
    }
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        out.push_back({name, found.dwFileAttributes,
                       fileSize(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow),
                       ticks(found.ftLastWriteTime)});
    } while (FindNextFileA(search, &found));
    long error = lastError();
    FindClose(search);
    return error == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : error;
}

std::optional<FileInfo> Win32FileSystem::stat(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return FileInfo{lastComponent(path), data.dwFileAttributes,
                    fileSize(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow),
                    ticks(data.ftLastWriteTime)};
}

long Win32FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    // Normal is a bit of its own to the API, meaning "no other bit".
    DWORD value = attributes == attr::kNormal ? FILE_ATTRIBUTE_NORMAL : attributes;
    return SetFileAttributesA(path.c_str(), value) ? ERROR_SUCCESS : lastError();
}

long Win32FileSystem::deleteFile(const std::string& path) {
    return DeleteFileA(path.c_str()) ? ERROR_SUCCESS : lastError();
}

long Win32FileSystem::removeFolder(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) ? ERROR_SUCCESS : lastError();
}

long Win32FileSystem::createFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) ? ERROR_SUCCESS : lastError();
}

long Win32FileSystem::readFile(const std::string& path, std::string& out) {
    out.clear();
    OpenFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen()) return lastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return lastError();
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD want = static_cast<DWORD>(std::min(content.size() - done, kChunk));
        DWORD got = 0;
        if (!ReadFile(file.get(), content.data() + done, want, &got, nullptr)) return lastError();
        if (got == 0) break;  // the file shrank while we read it
        done += got;
    }
    content.resize(done);
    out = std::move(content);
    return ERROR_SUCCESS;
}

long Win32FileSystem::writeFile(const std::string& path, const std::string& content) {
    OpenFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen()) return lastError();
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD want = static_cast<DWORD>(std::min(content.size() - done, kChunk));
        DWORD wrote = 0;
        if (!WriteFile(file.get(), content.data() + done, want, &wrote, nullptr))
            return lastError();
        done += wrote;
    }
    return ERROR_SUCCESS;
}

long Win32FileSystem::replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) ? ERROR_SUCCESS
                                                                            : lastError();
}

long Win32FileSystem::deleteAtReboot(const std::string& path) {
    return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? ERROR_SUCCESS
                                                                           : lastError();
}

}  // namespace hv::win32
