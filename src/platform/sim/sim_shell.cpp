#include "platform/sim/sim_shell.h"

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
