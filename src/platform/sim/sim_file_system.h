#pragma once
// Drives held in memory. Names match without regard to case and list in creation order;
// folder links (reparse points) lead to another folder, as junctions do on Windows.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/sim/sim_faults.h"

namespace hv::sim {

class SimFileSystem : public FileSystem {
  public:
    SimFileSystem();
    ~SimFileSystem() override;

    long list(const std::string& folder, std::vector<FileInfo>& out) override;
    std::optional<FileInfo> stat(const std::string& path) override;
    long setAttributes(const std::string& path, std::uint32_t attributes) override;
    long deleteFile(const std::string& path) override;
    long removeFolder(const std::string& path) override;
    long createFolder(const std::string& path) override;
    long readFile(const std::string& path, std::string& out) override;
    long writeFile(const std::string& path, const std::string& content) override;
    long replaceFile(const std::string& from, const std::string& to) override;
    long deleteAtReboot(const std::string& path) override;

    // Test set-up: create a file (and every missing folder above it) of the given size, or
    // with the given text as its content.
    void addFile(const std::string& path, std::uint64_t size, std::uint32_t attributes = 0,
                 std::int64_t modified = 0);
    void addTextFile(const std::string& path, const std::string& text);
    void addFolder(const std::string& path, std::uint32_t attributes = 0);
    // A folder link at `path` leading to the folder `target` (a junction or directory symlink).
    void addFolderLink(const std::string& path, const std::string& target);
    // A file link at `path` leading to the file `target`.
    void addFileLink(const std::string& path, const std::string& target);
    // A folder whose listing is refused (kAccessDenied).
    void setUnreadable(const std::string& path, bool unreadable = true);
    // Whether a file or folder exists (links are not followed for the last component).
    bool exists(const std::string& path);
    std::string text(const std::string& path);

    // What was removed, in order: every deleted file and removed folder (full paths as the
    // caller spelled them), and every path handed to deleteAtReboot.
    std::vector<std::string> removed;
    std::vector<std::string> rebootDeletes;
    // The same removals by where they really happened: the removed file, folder or link by
    // its own place on the drive, every link on the way there resolved, names as stored.
    struct Removal {
        std::string where;
        bool folder = false;
        bool link = false;
    };
    std::vector<Removal> removals;
    FaultRule faults;

  private:
    struct Node;
    Node* find(const std::string& path, bool followLastLink);
    Node* makeFolders(const std::string& path);
    long fault(std::string_view op, const std::string& path);
    std::unique_ptr<Node> detach(Node* node);
    void recordRemoval(const std::string& path, const Node& node);

    std::map<char, std::unique_ptr<Node>> drives_;
};

}  // namespace hv::sim
