#include "platform/win32/win32_profile.h"

#include <windows.h>

#include <vector>

namespace hv::win32 {

namespace {

// The API takes a DWORD size; a larger request than it can express is clamped.
DWORD apiSize(std::size_t chars) {
    return chars > MAXDWORD ? MAXDWORD : static_cast<DWORD>(chars);
}

}  // namespace

std::string Win32Profile::getString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& fallback,
                                    std::size_t bufferChars) {
    if (bufferChars == 0) return {};
    std::vector<char> buffer(bufferChars, '\0');
    DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                            buffer.data(), apiSize(bufferChars), file.c_str());
    return std::string(buffer.data(), copied);
}

bool Win32Profile::writeString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           FALSE;
}

std::string Win32Profile::getSection(const std::string& file, const std::string& section,
                                     std::size_t bufferChars) {
    if (bufferChars < 2) return {};
    std::vector<char> buffer(bufferChars, '\0');
    DWORD copied = GetPrivateProfileSectionA(section.c_str(), buffer.data(), apiSize(bufferChars),
                                             file.c_str());
    if (copied == 0) return {};
    // The count leaves out the NUL that closes the list; keep it so that callers see the
    // buffer exactly as the call filled it.
    return std::string(buffer.data(), copied + 1);
}

}  // namespace hv::win32
