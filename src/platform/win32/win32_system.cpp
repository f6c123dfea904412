#include "platform/win32/win32_system.h"

#include <windows.h>

#include <vector>

namespace hv::win32 {

namespace {

OSVERSIONINFOA version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) info = OSVERSIONINFOA{};
    return info;
}

// The longest module path Windows accepts.
constexpr DWORD kMaxModulePath = 32768;

}  // namespace

int Win32System::windowsMajor() {
    return static_cast<int>(version().dwMajorVersion);
}

int Win32System::windowsMinor() {
    return static_cast<int>(version().dwMinorVersion);
}

std::string Win32System::windowsDirectory(std::size_t bufferChars) {
    if (bufferChars == 0) return {};
    std::vector<char> buffer(bufferChars, '\0');
    UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(bufferChars));
    // Too small a buffer gets the needed size back and no text.
    if (length == 0 || length >= bufferChars) return std::string(buffer.data());
    return std::string(buffer.data(), length);
}

std::optional<std::string> Win32System::environment(const std::string& name) {
    SetLastError(ERROR_SUCCESS);
    DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (needed == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::string();
    }
    std::vector<char> buffer(needed, '\0');
    DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), needed);
    return std::string(buffer.data(), length < needed ? length : 0);
}

std::string Win32System::applicationFolder() {
    std::vector<char> buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            std::string path(buffer.data(), length);
            std::size_t slash = path.find_last_of('\\');
            return slash == std::string::npos ? std::string() : path.substr(0, slash);
        }
        if (buffer.size() >= kMaxModulePath) return {};
        buffer.resize(buffer.size() * 2);  // the path was cut; try a larger buffer
    }
}

LocalTime Win32System::now() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return LocalTime{time.wYear,   time.wMonth,  time.wDay,      time.wHour,
                     time.wMinute, time.wSecond, time.wDayOfWeek};
}

}  // namespace hv::win32
