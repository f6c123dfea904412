#include "engine/custom_items.h"

#include <cmath>

#include "engine/clean_run.h"
#include "engine/file_model.h"
#include "engine/outside_paths.h"
#include "engine/pacer.h"
#include "engine/text_file.h"
#include "platform/file_time.h"
#include "platform/text.h"
#include "platform/win_path.h"

namespace hv {

namespace {

constexpr int kProgressAfterCustomItems = 80;
const char* const kFile = "File";
const char* const kFolder = "Folder";

struct Entry {
    std::string path;
    std::string type;
};

// The lines of cusd.dat, each split at its first tab; nothing when the file cannot be read.
std::optional<std::vector<Entry>> ReadEntries(FileSystem& files, const std::string& file) {
    std::vector<std::string> lines;
    if (!ReadTextLines(files, file, lines)) return std::nullopt;
    std::vector<Entry> entries;
    for (const auto& line : lines) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            entries.push_back({line, ""});
        else
            entries.push_back({line.substr(0, tab), splitAll(line.substr(tab + 1), '\t')[0]});
    }
    return entries;
}

// The entry as the object model finds it: hidden and system entries are not found, and
// neither is a link nor anything reached through one.
std::optional<FileInfo> FindEntry(FileSystem& files, const std::string& path) {
    if (!isAbsolutePath(path)) return std::nullopt;
    const auto info = files.stat(path);
    if (!info || (info->attributes & (attr::kHidden | attr::kSystem))) return std::nullopt;
    if (ReachesThroughLink(files, path)) return std::nullopt;
    return info;
}

std::optional<double> FolderSize(Platform& os, const std::string& path) {
    Pacer pacer(os.events);
    return FileModel(os.files, pacer).folderSize(path);
}

// The run's step of "Custom Item".
void RunCustomItems(CleanRun& run) {
    Platform& os = run.os();
    const std::string file = CustomItemsFile(os.system);
    if (const auto self = os.files.stat(file); !self || self->isFolder()) {
        run.setResultText("Fail, Can't find file!");
        return;
    }
    FileModel& model = run.erase().model();
    for (const auto& entry : ReadEntries(os.files, file).value_or(std::vector<Entry>{})) {
        const auto info = FindEntry(os.files, entry.path);
        if (!info || !IsPlainPath(entry.path)) continue;
        if (entry.type == kFile && !info->isFolder()) {
            run.addBytes(static_cast<double>(info->size));
            model.deleteFile(entry.path, *info, false);
        } else if (entry.type == kFolder && info->isFolder()) {
            // The user's own folders (profile, Documents, Windows...) never go, nor any
            // folder that holds one of them.
            if (!run.erase().guard().mayEmpty(entry.path) || HoldsKeyFolder(run, entry.path))
                continue;
            if (const auto size = model.folderSize(entry.path)) run.addBytes(*size);
            model.deleteFolder(entry.path, false);
        }
    }
}

}  // namespace

std::string CustomItemsFile(System& system) {
    return system.applicationFolder() + "\\cusd.dat";
}

std::string SizeText(double bytes, SizePattern pattern) {
    const long long hundredths = std::llround(bytes / 1048576.0 * 100);
    const long long whole = hundredths / 100;
    const int fraction = static_cast<int>(hundredths % 100);
    std::string text;
    if (pattern == SizePattern::Fixed) {
        text = (whole < 10 ? "0" : "") + std::to_string(whole) + ".";
        text += static_cast<char>('0' + fraction / 10);
        text += static_cast<char>('0' + fraction % 10);
    } else {
        if (whole != 0) text = std::to_string(whole);
        text += '.';
        if (fraction != 0) {
            text += static_cast<char>('0' + fraction / 10);
            if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
        }
    }
    return text + "MB";
}

CustomRow DescribeCustomItem(Platform& os, const std::string& path, const std::string& type,
                             SizePattern pattern) {
    CustomRow row;
    row.name = path;
    if (type != kFile && type != kFolder) return row;
    row.type = type;
    const auto info = isAbsolutePath(path) ? os.files.stat(path) : std::nullopt;
    if (!info || info->isFolder() != (type == kFolder)) return row;
    const auto size = info->isFolder() ? FolderSize(os, path) : std::optional<double>(info->size);
    if (size) row.size = SizeText(*size, pattern);
    row.modified = GeneralDateTime(CalendarTimeOf(info->modified));
    return row;
}

std::vector<CustomRow> LoadCustomItems(Platform& os) {
    std::vector<CustomRow> rows;
    const auto entries = ReadEntries(os.files, CustomItemsFile(os.system));
    if (!entries) return rows;
    for (const auto& entry : *entries)
        if (FindEntry(os.files, entry.path))
            rows.push_back(DescribeCustomItem(os, entry.path, entry.type, SizePattern::Fixed));
    return rows;
}

bool SaveCustomItems(Platform& os, std::span<const CustomRow> rows) {
    std::vector<std::string> lines;
    for (const auto& row : rows) lines.push_back(row.name + "\t" + row.type);
    return WriteTextLines(os.files, CustomItemsFile(os.system), lines) == kSuccess;
}

DlgSelectFileInfo GetDlgSelectFileInfo(const std::string& currentDirectory,
                                       const std::string& dialogResult) {
    DlgSelectFileInfo info;
    const std::string part =
        dialogResult.substr(std::min(currentDirectory.size(), dialogResult.size()));
    if (part.empty() || part[0] != '\0') {
        info.names.push_back(part.starts_with('\\') ? part.substr(1) : part);
    } else {
        // The folder, then each name after a NUL. A closing NUL starts no name.
        for (const auto& name : splitAll(std::string_view(part).substr(1), '\0'))
            if (!name.empty()) info.names.push_back(name);
    }
    info.count = static_cast<std::int16_t>(info.names.size());
    info.folder = currentDirectory;
    if (info.folder.empty() || info.folder.back() != '\\') info.folder += '\\';
    return info;
}

const CleanItem& CustomItem() {
    static const CleanItem item{"Custom",
                                "Custom",
                                "Custom Clean Items",
                                "Custom Item",
                                {targets::Step(RunCustomItems)},
                                kProgressAfterCustomItems};
    return item;
}

}  // namespace hv
