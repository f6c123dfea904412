#pragma once
// Windows path texts: drive-letter and UNC paths with backslashes.
#include <string>
#include <string_view>

namespace hv {

// "C:\..." or "\\server\share...": the only paths the erase primitives accept.
bool isAbsolutePath(std::string_view path);
// "C:", "C:\" or "\\server\share" with or without a final backslash.
bool isDriveRoot(std::string_view path);
// The text after the last backslash.
std::string leafName(std::string_view path);
// The text before the last backslash; empty when there is none.
std::string parentPath(std::string_view path);
// folder + "\" + name, without doubling a backslash that folder already ends with.
std::string joinPath(std::string_view folder, std::string_view name);
// Drops one trailing backslash (but keeps "C:\").
std::string withoutTrailingBackslash(std::string_view path);
// The extension: the text after the last dot of the leaf name; empty when there is none.
std::string extensionOf(std::string_view path);
// True when `path` is `folder` itself or lies below it (case-insensitive).
bool isSameOrInside(std::string_view path, std::string_view folder);

}  // namespace hv
