#pragma once
// The shell as a test sees it: every call is recorded; the recycle bin is a set of folders on
// the simulated drives that emptyRecycleBin clears and recycleFile moves files into (a hidden
// "$Recycle.Bin" folder on the file's drive, made on first use); the foreground window is what the
// test says.
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace hv::sim {

class SimShell : public Shell {
  public:
    explicit SimShell(FileSystem& files) : files_(files) {}

    long emptyRecycleBin() override;
    long recycleFile(const std::string& path) override;
    long clearRecentDocuments() override;
    bool emptyClipboard() override;
    unsigned winExec(const std::string& commandLine, int showState) override;
    bool startMinimized(const std::string& commandLine) override;
    std::optional<WindowIdentity> foregroundWindow() override { return foreground; }
    void sendKeys(const std::string& keys) override { sentKeys.push_back(keys); }

    // Folders whose whole content emptyRecycleBin removes (it leaves the folders themselves).
    std::vector<std::string> recycleBins;
    // Every file recycleFile moved, as the caller spelled it.
    std::vector<std::string> recycled;
    std::string clipboard;
    bool recentDocumentsCleared = false;
    int recycleBinEmptied = 0;
    std::vector<std::string> winExecs;  // "showState:commandLine"
    std::vector<std::string> minimizedStarts;
    std::optional<WindowIdentity> foreground;
    std::vector<std::string> sentKeys;

  private:
    void removeContent(const std::string& folder);
    std::string binFolder(const std::string& path);
    FileSystem& files_;
};

}  // namespace hv::sim
