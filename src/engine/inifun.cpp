#include "engine/inifun.h"

#include <cstdlib>

#include "platform/text.h"

namespace hv {

namespace {
constexpr std::size_t kValueBufferChars = 128;
constexpr std::size_t kSectionBufferChars = 32767;
}  // namespace

std::string ReadIni(Profile& profile, const std::string& file, const std::string& section,
                    const std::string& key) {
    std::string text = profile.getString(file, section, key, "", kValueBufferChars);
    if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    return trimBlanks(text);
}

void WriteIni(Profile& profile, const std::string& file, const std::string& section,
              const std::string& key, const std::string& value) {
    // The value goes through a fixed 128-character buffer: longer text loses its end.
    std::string stored = value.substr(0, kValueBufferChars);
    if (const auto nul = stored.find('\0'); nul != std::string::npos) stored.resize(nul);
    profile.writeString(file, section, key, stored);
}

std::vector<std::string> ReadIniSection(Profile& profile, const std::string& section,
                                        const std::string& file) {
    const std::string buffer = profile.getSection(file, section, kSectionBufferChars);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < buffer.size()) {
        const auto nul = buffer.find('\0', start);
        const std::string piece =
            buffer.substr(start, nul == std::string::npos ? std::string::npos : nul - start);
        if (piece.empty()) break;
        lines.push_back(piece);
        if (nul == std::string::npos) break;
        start = nul + 1;
    }
    return lines;
}

std::string WindowsVersion(System& system) {
    return std::to_string(system.windowsMajor()) + "." + std::to_string(system.windowsMinor());
}

std::string SettingsFile(System& system) {
    return system.applicationFolder() + "\\hvset.dat";
}

bool IsSwitchOn(Profile& profile, const std::string& file, const std::string& section,
                const std::string& key) {
    return ReadIni(profile, file, section, key) == "1";
}

bool IsFlagOn(const std::string& text) {
    const auto number = leadingNumber(text);
    // The whole text must read as a number, as a numeric conversion of the text does.
    if (!number || *number != 1) return false;
    const std::string trimmed = trimWhite(text);
    char* end = nullptr;
    std::strtod(trimmed.c_str(), &end);
    return end && *end == '\0';
}

}  // namespace hv
