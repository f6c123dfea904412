#pragma once
// Facts about the machine and the clock. Implemented by SimSystem and Win32System.
#include <cstdint>
#include <optional>
#include <string>

namespace hv {

struct LocalTime {
    int year = 0, month = 0, day = 0;  // month 1-12
    int hour = 0, minute = 0, second = 0;
    int weekday = 0;  // 0 = Sunday
};

class System {
  public:
    virtual ~System() = default;

    // GetVersionExA: major and minor version.
    virtual int windowsMajor() = 0;
    virtual int windowsMinor() = 0;
    // GetWindowsDirectoryA into a buffer of bufferChars; the text as the call leaves it.
    virtual std::string windowsDirectory(std::size_t bufferChars) = 0;
    virtual std::optional<std::string> environment(const std::string& name) = 0;
    // The folder of the running program, without a trailing backslash.
    virtual std::string applicationFolder() = 0;
    virtual LocalTime now() = 0;
};

}  // namespace hv
