#pragma once
// Paths that come from outside the program (plug-in lines, the user's custom items) get a
// stricter check than the catalogue's own paths before anything is removed: the erase
// primitives' guard refuses the obvious cases; these checks add the ones that would let such
// a path reach a different folder than it names.
#include <string>
#include <string_view>

namespace hv {

class CleanRun;
class FileSystem;

// A plain full path: no doubled backslash inside (Windows would collapse it and so read a
// different folder than the text shows), no ':' after the drive letter (streams such as
// "::$INDEX_ALLOCATION" name the folder itself), and erasable by the primitives' guard.
bool IsPlainPath(std::string_view path);
// True when the folder is one of the user's or the system's own folders (profile,
// application data, Documents, Windows, program folders) or holds one of them: emptying or
// deleting it would take one of those along.
bool HoldsKeyFolder(CleanRun& run, std::string_view folder);
// True when a part of the path after its first `trustedLength` characters is a link
// (junction, symbolic link), the last part included.
bool ReachesThroughLink(FileSystem& files, const std::string& path, std::size_t trustedLength = 0);

}  // namespace hv
