#pragma once
// Profile-file access for hvset.dat and the plug-in files: every reader opens the file afresh.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace hv {

// The value of section/key: at most 127 characters, cut at the first NUL, blanks trimmed;
// "" when the file, section or key is missing.
std::string ReadIni(Profile& profile, const std::string& file, const std::string& section,
                    const std::string& key);
// Stores at most 128 characters of the value; a failing write is ignored.
void WriteIni(Profile& profile, const std::string& file, const std::string& section,
              const std::string& key, const std::string& value);
// The section's "key=value" lines in file order; empty when the section is missing or empty.
std::vector<std::string> ReadIniSection(Profile& profile, const std::string& section,
                                        const std::string& file);
// "major.minor" of the running Windows, such as 5.1 or 6.0.
std::string WindowsVersion(System& system);

// hvset.dat in the application folder.
std::string SettingsFile(System& system);
// A switch is on only when its text is exactly "1".
bool IsSwitchOn(Profile& profile, const std::string& file, const std::string& section,
                const std::string& key);
// A flag read as a number: on when the text reads as the number 1.
bool IsFlagOn(const std::string& text);

}  // namespace hv
