#pragma once
// The user's own files and folders that every clean run removes. The list lives in cusd.dat
// in the application folder, one entry per line: the full path, a tab, and "File" or
// "Folder"; lines end with CR LF. The settings window edits it; the clean run's item
// "Custom Item" executes it after the catalogue.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/clean_item.h"
#include "platform/platform.h"

namespace hv {

// A row of the custom-item list: the path and type as stored, size and date as shown.
struct CustomRow {
    std::string name;      // the full path
    std::string type;      // "File", "Folder", or empty for an entry of any other type
    std::string size;      // megabytes and "MB"; empty when the size cannot be read
    std::string modified;  // general date-and-time text
};

// The two ways the list writes a size in megabytes: rows added by the user show "##.##"
// (0.003 MB is a lone "."), rows loaded from cusd.dat "00.00".
enum class SizePattern { Optional, Fixed };

// The files chosen in one open-file dialog, split from its result.
struct DlgSelectFileInfo {
    std::int16_t count = 0;
    std::string folder;              // ends with a backslash
    std::vector<std::string> names;  // file names only, in dialog order
};

// application folder + "\cusd.dat".
std::string CustomItemsFile(System& system);

// bytes / 1048576 in the pattern, followed by "MB".
std::string SizeText(double bytes, SizePattern pattern);
// A row for a path of the given type, with its size and date read now. A type other than
// "File" and "Folder", or a path that is not of that type, gives the path alone.
CustomRow DescribeCustomItem(Platform& os, const std::string& path, const std::string& type,
                             SizePattern pattern);

// The rows of cusd.dat for the settings window: entries whose path is found neither as a
// file nor as a folder (hidden and system ones count as not found) are left out. A missing
// file gives an empty list.
std::vector<CustomRow> LoadCustomItems(Platform& os);
// Rewrites cusd.dat from the rows, one "name TAB type" line each. The new list is written
// beside the old one and renamed over it, so a failed write keeps the old list; false then.
bool SaveCustomItems(Platform& os, std::span<const CustomRow> rows);

// Splits an open-file dialog's result, given the current directory the dialog has just set
// to the folder of the selection: one path, or the folder followed by NUL-separated names.
DlgSelectFileInfo GetDlgSelectFileInfo(const std::string& currentDirectory,
                                       const std::string& dialogResult);

// The clean run's item "Custom Item" (switch "Custom"/"Custom", progress 80 after it).
const CleanItem& CustomItem();

}  // namespace hv
