#pragma once
// Reading and writing the registry by full path ("HKEY_CURRENT_USER\Software\...").
#include <string>

#include "platform/platform.h"

namespace hv {

// The value's text, blanks trimmed; "Error" when the key or value cannot be read (a value of
// 255 bytes or more does not fit); "" for an unrecognised root name.
std::string RegReadString(Platform& os, const std::string& fullPath, const std::string& valueName);
// Writes a REG_SZ value into an existing key; failure is silent.
void RegWriteString(Platform& os, const std::string& fullPath, const std::string& valueName,
                    const std::string& text);
// Creates the key and every missing key above it; failure is silent.
void RegCreatePath(Platform& os, const std::string& fullPath);
// The value's text up to its first NUL, with its type; "error" when it cannot be read.
std::string RegQueryString(Registry& registry, RootKey root, const std::string& subKey,
                           const std::string& valueName, RegType& type);
// Replaces the full path by its sub-key path and sets root. A path that does not begin with
// "HKEY_" or ends with a backslash shows "Incorrect Format:" and leaves root unchanged.
void SplitRegPath(Dialogs& dialogs, std::string& path, RootKey& root);
// The predefined root of an upper-case root name; kNoRoot for any other text.
RootKey RootKeyFromName(const std::string& name);
// The text up to its first NUL.
std::string StripNulls(const std::string& text);

}  // namespace hv
