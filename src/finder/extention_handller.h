#pragma once
// The junk extension list Ext.txt in the application folder: one pattern a line, such as
// "*.tmp". Lines that are not legal entries stay in the file but are neither listed nor
// searched for. Also the recycle-bin delete the file finder uses.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace hv {

// "<application folder>\Ext.txt".
std::string ExtListFile(Platform& os);
// True when the text is longer than two characters, starts with "*" and has "." second.
bool IsLegalExt(std::string_view text);
// The legal entries in file order, duplicates kept; nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadLegalExts(Platform& os);
// The legal entries joined by ";" ("*.tmp;*.gid"); "" when there is none; nothing when the
// file cannot be read (callers then leave their pattern box as it was).
std::optional<std::string> GetExtList(Platform& os);
// Rewrites the file as the four default lines "*.tmp", "*.gid", "*.swp", "*.chk".
long WriteDefaultExtList(Platform& os);
// Adds the entry, unchecked, as a new last line; creates the file when it is missing.
long AppendExt(Platform& os, const std::string& entry);
// Takes out every line equal to the entry (exact, case-sensitive); other lines, legal or not,
// stay in order. The new content goes to the file "temp" beside it first and replaces Ext.txt
// only when written whole: on any failure Ext.txt stays as it was. A missing Ext.txt changes
// nothing.
long RemoveExt(Platform& os, const std::string& entry);
// Moves one file to the recycle bin, without questions or progress window.
long RecycleFile(Platform& os, const std::string& path);

}  // namespace hv
