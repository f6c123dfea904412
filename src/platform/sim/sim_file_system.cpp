#include "platform/sim/sim_file_system.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"
#include "platform/win_path.h"

namespace hv::sim {

namespace {
constexpr long kDirNotEmpty = 145;
constexpr long kNotADirectory = 267;
constexpr int kMaxLinkHops = 32;
// 2026-01-01 00:00 UTC as FILETIME ticks: the date of every file a test does not date.
constexpr std::int64_t kDefaultModified = (1767225600LL + 11644473600LL) * 10000000LL;
constexpr std::uint32_t kUserBits =
    attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    for (auto& piece : splitAll(path.substr(2), '\\'))
        if (!piece.empty()) parts.push_back(piece);
    return parts;
}

bool isDrivePath(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && (path.size() == 2 || path[2] == '\\');
}
}  // namespace

struct SimFileSystem::Node {
    std::string name;
    bool folder = false;
    std::uint32_t attributes = 0;  // user bits only
    std::uint64_t size = 0;
    std::int64_t modified = kDefaultModified;
    std::string content;
    std::string linkTarget;  // set for links
    bool unreadable = false;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    Node* child(const std::string& childName) {
        for (auto& c : children)
            if (equalsNoCase(c->name, childName)) return c.get();
        return nullptr;
    }

    FileInfo info() const {
        FileInfo out;
        out.name = name;
        out.attributes = attributes | (folder ? attr::kDirectory : 0) |
                         (linkTarget.empty() ? 0 : attr::kReparsePoint);
        out.size = folder ? 0 : size;
        out.modified = modified;
        return out;
    }
};

SimFileSystem::SimFileSystem() = default;
SimFileSystem::~SimFileSystem() = default;

long SimFileSystem::fault(std::string_view op, const std::string& path) {
    return faults ? faults(op, path) : kSuccess;
}

SimFileSystem::Node* SimFileSystem::find(const std::string& path, bool followLastLink) {
    if (!isDrivePath(path)) return nullptr;
    auto drive = drives_.find(static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))));
    if (drive == drives_.end()) return nullptr;
    Node* node = drive->second.get();
    const auto parts = components(path);
    int hops = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!node->folder) return nullptr;
        Node* next = node->child(parts[i]);
        if (!next) return nullptr;
        const bool last = i + 1 == parts.size();
        while (next && !next->linkTarget.empty() && (!last || followLastLink)) {
            if (++hops > kMaxLinkHops) return nullptr;
            next = find(next->linkTarget, false);
        }
        if (!next) return nullptr;
        node = next;
    }
    return node;
}

SimFileSystem::Node* SimFileSystem::makeFolders(const std::string& path) {
    if (!isDrivePath(path)) return nullptr;
    auto& drive = drives_[static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])))];
    if (!drive) {
        drive = std::make_unique<Node>();
        drive->name = path.substr(0, 2);
        drive->folder = true;
    }
    Node* node = drive.get();
    for (const auto& part : components(path)) {
        Node* next = node->child(part);
        if (next && !next->linkTarget.empty()) next = find(next->linkTarget, true);
        if (!next) {
            auto made = std::make_unique<Node>();
            made->name = part;
            made->folder = true;
            made->parent = node;
            next = made.get();
            node->children.push_back(std::move(made));
        }
        if (!next->folder) return nullptr;
        node = next;
    }
    return node;
}

std::unique_ptr<SimFileSystem::Node> SimFileSystem::detach(Node* node) {
    auto& siblings = node->parent->children;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [node](const auto& c) { return c.get() == node; });
    auto owned = std::move(*it);
    siblings.erase(it);
    return owned;
}

void SimFileSystem::recordRemoval(const std::string& path, const Node& node) {
    std::string where = node.name;
    for (const Node* up = node.parent; up; up = up->parent) where = up->name + "\\" + where;
    removed.push_back(path);
    removals.push_back({where, node.folder, !node.linkTarget.empty()});
}

long SimFileSystem::list(const std::string& folder, std::vector<FileInfo>& out) {
    out.clear();
    if (long f = fault("list", folder)) return f;
    Node* node = find(folder, true);
    if (!node) return kPathNotFound;
    if (!node->folder) return kNotADirectory;
    if (node->unreadable) return kAccessDenied;
    out.reserve(node->children.size());
    for (const auto& c : node->children) out.push_back(c->info());
    return kSuccess;
}

std::optional<FileInfo> SimFileSystem::stat(const std::string& path) {
    if (fault("stat", path)) return std::nullopt;
    Node* node = find(path, false);
    if (!node || !node->parent) return std::nullopt;
    return node->info();
}

long SimFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    if (long f = fault("setAttributes", path)) return f;
    Node* node = find(path, false);
    if (!node || !node->parent) return kFileNotFound;
    node->attributes = attributes & kUserBits;
    return kSuccess;
}

long SimFileSystem::deleteFile(const std::string& path) {
    if (long f = fault("deleteFile", path)) return f;
    Node* node = find(path, false);
    if (!node || !node->parent) return kFileNotFound;
    if (node->folder || (node->attributes & attr::kReadOnly)) return kAccessDenied;
    recordRemoval(path, *node);
    detach(node);
    return kSuccess;
}

long SimFileSystem::removeFolder(const std::string& path) {
    if (long f = fault("removeFolder", path)) return f;
    Node* node = find(path, false);
    if (!node || !node->parent) return kFileNotFound;
    if (!node->folder) return kNotADirectory;
    // Removing a folder link removes the link, never what it leads to.
    if (node->linkTarget.empty()) {
        if (!node->children.empty()) return kDirNotEmpty;
        if (node->attributes & attr::kReadOnly) return kAccessDenied;
    }
    recordRemoval(path, *node);
    detach(node);
    return kSuccess;
}

long SimFileSystem::createFolder(const std::string& path) {
    if (long f = fault("createFolder", path)) return f;
    if (!isDrivePath(path) || isDriveRoot(path)) return kAlreadyExists;
    if (find(path, false)) return kAlreadyExists;
    Node* parent = find(parentPath(withoutTrailingBackslash(path)), true);
    if (!parent || !parent->folder) return kPathNotFound;
    auto made = std::make_unique<Node>();
    made->name = leafName(withoutTrailingBackslash(path));
    made->folder = true;
    made->parent = parent;
    parent->children.push_back(std::move(made));
    return kSuccess;
}

long SimFileSystem::readFile(const std::string& path, std::string& out) {
    out.clear();
    if (long f = fault("readFile", path)) return f;
    Node* node = find(path, true);
    if (!node || !node->parent) return kFileNotFound;
    if (node->folder) return kAccessDenied;
    out = node->content;
    return kSuccess;
}

long SimFileSystem::writeFile(const std::string& path, const std::string& content) {
    if (long f = fault("writeFile", path)) return f;
    Node* node = find(path, true);
    if (node) {
        if (node->folder || (node->attributes & attr::kReadOnly)) return kAccessDenied;
    } else {
        Node* parent = find(parentPath(path), true);
        if (!parent || !parent->folder) return kPathNotFound;
        auto made = std::make_unique<Node>();
        made->name = leafName(path);
        made->parent = parent;
        node = made.get();
        parent->children.push_back(std::move(made));
    }
    node->content = content;
    node->size = content.size();
    node->attributes |= attr::kArchive;
    return kSuccess;
}

long SimFileSystem::replaceFile(const std::string& from, const std::string& to) {
    if (long f = fault("replaceFile", to)) return f;
    Node* source = find(from, false);
    if (!source || !source->parent || source->folder) return kFileNotFound;
    Node* parent = find(parentPath(to), true);
    if (!parent || !parent->folder) return kPathNotFound;
    Node* target = parent->child(leafName(to));
    if (target == source) return kSuccess;
    if (target && (target->folder || (target->attributes & attr::kReadOnly))) return kAccessDenied;
    auto moved = detach(source);
    moved->name = leafName(to);
    moved->parent = parent;
    if (target) {
        auto it = std::find_if(parent->children.begin(), parent->children.end(),
                               [target](const auto& c) { return c.get() == target; });
        *it = std::move(moved);
    } else {
        parent->children.push_back(std::move(moved));
    }
    return kSuccess;
}

long SimFileSystem::deleteAtReboot(const std::string& path) {
    if (long f = fault("deleteAtReboot", path)) return f;
    rebootDeletes.push_back(path);
    return kSuccess;
}

void SimFileSystem::addFile(const std::string& path, std::uint64_t size, std::uint32_t attributes,
                            std::int64_t modified) {
    Node* parent = makeFolders(parentPath(path));
    if (!parent) return;
    Node* node = parent->child(leafName(path));
    if (!node) {
        auto made = std::make_unique<Node>();
        made->name = leafName(path);
        made->parent = parent;
        node = made.get();
        parent->children.push_back(std::move(made));
    }
    node->size = size;
    node->attributes = attributes & kUserBits;
    if (modified) node->modified = modified;
}

void SimFileSystem::addTextFile(const std::string& path, const std::string& text) {
    addFile(path, text.size());
    if (Node* node = find(path, true)) node->content = text;
}

void SimFileSystem::addFolder(const std::string& path, std::uint32_t attributes) {
    if (Node* node = makeFolders(path)) node->attributes = attributes & kUserBits;
}

void SimFileSystem::addFolderLink(const std::string& path, const std::string& target) {
    Node* parent = makeFolders(parentPath(path));
    if (!parent || parent->child(leafName(path))) return;
    auto made = std::make_unique<Node>();
    made->name = leafName(path);
    made->folder = true;
    made->linkTarget = target;
    made->parent = parent;
    parent->children.push_back(std::move(made));
}

void SimFileSystem::addFileLink(const std::string& path, const std::string& target) {
    Node* parent = makeFolders(parentPath(path));
    if (!parent || parent->child(leafName(path))) return;
    auto made = std::make_unique<Node>();
    made->name = leafName(path);
    made->linkTarget = target;
    made->parent = parent;
    parent->children.push_back(std::move(made));
}

void SimFileSystem::setUnreadable(const std::string& path, bool unreadable) {
    if (Node* node = find(path, true)) node->unreadable = unreadable;
}

bool SimFileSystem::exists(const std::string& path) {
    return find(path, false) != nullptr;
}

std::string SimFileSystem::text(const std::string& path) {
    Node* node = find(path, true);
    return node ? node->content : std::string();
}

}  // namespace hv::sim
