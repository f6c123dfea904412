#pragma once
// The file finder's options in the per-user settings store, under the application name
// "Tundale": section "StartUp" (AppPath, Recycele, SubFolders, Log) and section "General"
// (Prompt, TipNumber, Tips, DeleteDirs, MaxLogSize, Uses). Values are text.
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace hv {

inline constexpr const char* kFinderApplication = "Tundale";
inline constexpr const char* kStartUp = "StartUp";
inline constexpr const char* kGeneral = "General";

std::string GetFinderSetting(Platform& os, const std::string& section, const std::string& key,
                             const std::string& defaultValue);
void SaveFinderSetting(Platform& os, const std::string& section, const std::string& key,
                       const std::string& value);
// How a stored switch reads as a condition: false for the word False (any case) and for a
// number equal to 0; true for anything else.
bool ReadsAsFalse(std::string_view value);

}  // namespace hv
