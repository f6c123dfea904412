#pragma once
// The two keep lists: typed addresses (keepurl.dat) and cookie files (keepcook.dat) that the
// clean run leaves in place. Both files live in the application folder and hold one entry per
// line; a missing file is an empty list. The keep-list windows and the clean run read them
// through the same loader.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace hv {

class CleanRun;

inline constexpr const char* kTypedUrlsKey = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr const char* kTypedUrlsPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";

// The application folder + "\keepurl.dat" and + "\keepcook.dat".
std::string KeepUrlFile(System& system);
std::string KeepCookieFile(System& system);

// The lines of a keep file exactly as they stand; empty when the file is missing.
std::vector<std::string> ReadKeepFile(FileSystem& files, const std::string& path);
// The entries as the windows show them: every line with its trailing blanks removed.
std::vector<std::string> LoadKeepList(FileSystem& files, const std::string& path);
// Rewrites a keep file with the entries in list order (through a temporary file).
long SaveKeepList(FileSystem& files, const std::string& path,
                  const std::vector<std::string>& entries);

// Clean-run step: deletes the typed-address key (counting 3 entries) and writes it again with
// the kept addresses as url1, url2, ... in list order. The key exists afterwards even when no
// address is kept.
void RestoreKeptUrls(CleanRun& run);
// Clean-run step: deletes every file directly in the cookie folder whose path is not a line of
// keepcook.dat (exact, case-sensitive, untrimmed), adding each size to the released bytes.
// Hidden files are unhidden first, kept ones too. Links, sub-folders and folders the erase
// guard refuses are left alone.
void DeleteCookiesExceptKept(CleanRun& run, const std::string& cookieFolder);
// DeleteCookiesExceptKept on Internet Explorer's cookie folder, looked up as the step runs.
void DeleteIeCookiesExceptKept(CleanRun& run);

}  // namespace hv
