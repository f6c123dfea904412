#pragma once
// The Windows shell and desktop operations some catalogue items use. Implemented by SimShell
// and Win32Shell.
#include <optional>
#include <string>

namespace hv {

struct WindowIdentity {
    std::string className;
    std::string caption;
};

class Shell {
  public:
    virtual ~Shell() = default;

    // SHEmptyRecycleBinA(owner, "", SHERB_NOCONFIRMATION): every drive's recycle bin.
    virtual long emptyRecycleBin() = 0;
    // SHFileOperationA(FO_DELETE, FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT) of one file:
    // moves it to the recycle bin without asking and without a progress window; the call's
    // result (0 on success).
    virtual long recycleFile(const std::string& path) = 0;
    // SHAddToRecentDocs(SHARD_PATHA, NULL); the system error code it leaves.
    virtual long clearRecentDocuments() = 0;
    // Empties the system clipboard (all formats).
    virtual bool emptyClipboard() = 0;
    // WinExec(commandLine, showState); the call's result (above 31 on success).
    virtual unsigned winExec(const std::string& commandLine, int showState) = 0;
    // Starts a command with window style 2 (minimised, with the focus), without waiting.
    virtual bool startMinimized(const std::string& commandLine) = 0;
    // The window that has the keyboard focus now, if any.
    virtual std::optional<WindowIdentity> foregroundWindow() = 0;
    // Types keys into the foreground window ("{U}", "{ENTER}", "{ESC}"...) and waits until
    // they are processed.
    virtual void sendKeys(const std::string& keys) = 0;
};

}  // namespace hv
