#include "engine/file_model.h"

#include "platform/win_path.h"

namespace hv {

void FileModel::unhide(const std::string& path, FileInfo& info) {
    if (!(info.attributes & attr::kHidden)) return;
    if (files_.setAttributes(path, attr::kNormal) == kSuccess)
        info.attributes &= attr::kDirectory | attr::kReparsePoint;
}

bool FileModel::plainDelete(const std::string& path, const FileInfo& info) {
    if (info.attributes & (attr::kReadOnly | attr::kHidden | attr::kSystem)) return false;
    return files_.deleteFile(path) == kSuccess;
}

bool FileModel::deleteFile(const std::string& path, const FileInfo& info, bool force) {
    if (info.attributes & attr::kReadOnly) {
        if (!force) return false;
        files_.setAttributes(path, info.attributes & ~attr::kReadOnly & ~attr::kDirectory);
    }
    return files_.deleteFile(path) == kSuccess;
}

std::optional<std::vector<FileInfo>> FileModel::list(const std::string& folder) {
    std::vector<FileInfo> entries;
    if (files_.list(folder, entries) != kSuccess) return std::nullopt;
    return entries;
}

bool FileModel::isLink(const std::string& path) {
    const auto self = files_.stat(path);
    return self && self->isLink();
}

bool FileModel::deleteFolder(const std::string& path, bool force) {
    return !isLink(path) && removeTree(path, force);
}

std::optional<double> FileModel::folderSize(const std::string& path) {
    if (isLink(path)) return 0.0;
    return treeSize(path);
}

bool FileModel::removeTree(const std::string& path, bool force) {
    const auto entries = list(path);
    if (entries) {
        for (const auto& entry : *entries) {
            if (entry.isLink()) continue;
            const std::string child = joinPath(path, entry.name);
            if (entry.isFolder())
                removeTree(child, force);
            else
                deleteFile(child, entry, force);
            pacer_.yieldPaced();
        }
    }
    if (force) {
        if (auto self = files_.stat(path); self && (self->attributes & attr::kReadOnly))
            files_.setAttributes(path, self->attributes & ~attr::kReadOnly & ~attr::kDirectory);
    }
    return files_.removeFolder(path) == kSuccess;
}

std::optional<double> FileModel::treeSize(const std::string& path) {
    const auto entries = list(path);
    if (!entries) return std::nullopt;
    double total = 0;
    for (const auto& entry : *entries) {
        if (entry.isLink()) continue;
        if (entry.isFolder()) {
            const auto inner = treeSize(joinPath(path, entry.name));
            if (!inner) return std::nullopt;
            total += *inner;
        } else {
            total += static_cast<double>(entry.size);
        }
        pacer_.yieldPaced();
    }
    return total;
}

}  // namespace hv
