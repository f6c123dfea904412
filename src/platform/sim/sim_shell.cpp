#include "platform/sim/sim_shell.h"

#include "platform/text.h"
#include "platform/win_path.h"
#include "platform/win_types.h"

namespace hv::sim {

void SimShell::removeContent(const std::string& folder) {
    std::vector<FileInfo> entries;
    if (files_.list(folder, entries) != kSuccess) return;
    for (const auto& entry : entries) {
        const std::string path = joinPath(folder, entry.name);
        if (entry.isFolder() && !entry.isLink()) {
            removeContent(path);
            files_.removeFolder(path);
        } else {
            files_.setAttributes(path, attr::kNormal);
            entry.isFolder() ? files_.removeFolder(path) : files_.deleteFile(path);
        }
    }
}

long SimShell::emptyRecycleBin() {
    ++recycleBinEmptied;
    for (const auto& bin : recycleBins) removeContent(bin);
    return kSuccess;
}

std::string SimShell::binFolder(const std::string& path) {
    const std::string bin = path.substr(0, 2) + "\\$Recycle.Bin";
    for (const auto& known : recycleBins)
        if (equalsNoCase(known, bin)) return known;
    if (!files_.stat(bin)) {
        files_.createFolder(bin);
        files_.setAttributes(bin, attr::kDirectory | attr::kHidden | attr::kSystem);
    }
    recycleBins.push_back(bin);
    return bin;
}

// The file keeps its content in the bin under a name of its own, as the shell's "$R" names do,
// so that two files of the same name can both be recycled. Read-only files go too: the shell
// does not ask about them when told not to confirm.
long SimShell::recycleFile(const std::string& path) {
    // Only files on a drive letter have a bin here.
    const bool onDrive = isAbsolutePath(path) && path[1] == ':';
    const auto info = onDrive ? files_.stat(path) : std::nullopt;
    if (!info || info->isFolder()) return kFileNotFound;
    const std::string target =
        joinPath(binFolder(path), "$R" + std::to_string(recycled.size()) + "-" + leafName(path));
    const long moved = files_.replaceFile(path, target);
    if (moved == kSuccess) recycled.push_back(path);
    return moved;
}

long SimShell::clearRecentDocuments() {
    recentDocumentsCleared = true;
    return kSuccess;
}

bool SimShell::emptyClipboard() {
    clipboard.clear();
    return true;
}

unsigned SimShell::winExec(const std::string& commandLine, int showState) {
    winExecs.push_back(std::to_string(showState) + ":" + commandLine);
    return 33;
}

bool SimShell::startMinimized(const std::string& commandLine) {
    minimizedStarts.push_back(commandLine);
    return true;
}

}  // namespace hv::sim
