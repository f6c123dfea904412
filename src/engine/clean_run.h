#pragma once
// One clean run (CleanNow): the start steps, the per-item protocol over a table of items, the
// plug-ins, the finish with its figures and announcement, and the wait for external commands.
// Owned by the main window for the life of the program.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/allerase.h"
#include "engine/clean_item.h"
#include "engine/clean_report.h"
#include "engine/environment.h"
#include "platform/platform.h"

namespace hv {

enum class FocusAfterWait { TakeBack, Leave };

class CleanRun {
  public:
    // Longest wait for one external command; a hung command is left running after it.
    static constexpr std::uint64_t kRunAndWaitLimitMs = 10 * 60 * 1000;

    CleanRun(Platform& os, CleanReport& report);

    // The items in clean-run order (catalogue, then the custom item).
    void setItems(std::span<const CleanItem> items) { items_ = items; }
    // The list texts of the ticked plug-ins, in list order, read when the run reaches them.
    std::function<std::vector<std::string>()> tickedPlugins;
    // Executes one plug-in file.
    std::function<void(CleanRun& run, const std::string& file)> processshell;
    // The option "exit" ends the windowed program after a run; the console companion has no
    // program to end and records every run.
    bool honourExitOption = true;

    // Runs to completion; a call while a run is in progress is ignored.
    void CleanNow();
    bool running() const { return running_; }

    // The status step of every item: yield, add the item's row, make it current.
    void showstatus(const std::string& statusText);
    // Starts a command hidden and waits for it to end, keeping the window alive; then gives
    // the focus back to the main window unless told to leave it.
    void RunAndWait(const std::string& commandLine,
                    FocusAfterWait focus = FocusAfterWait::TakeBack);
    // The current row's final text in place of "Done".
    void setResultText(const std::string& text) { resultText_ = text; }
    void setCurrentRowStatus(const std::string& status);

    Platform& os() { return os_; }
    CleanReport& report() { return report_; }
    // The erase primitives of the run in progress.
    Allerase& erase() { return *erase_; }
    std::string appFolder() { return os_.system.applicationFolder(); }
    std::string settingsFile();
    void addBytes(double bytes) { ReleasedBytes += bytes; }
    void addEntries(double entries) { RemovedEntries += entries; }

    // Run state, kept for the life of the program.
    double ReleasedBytes = 0;
    double RemovedEntries = 0;
    bool AutomaticRun = false;
    EnvironmentValues env;
    // What the steps of one run note for later steps (such as the detected Office version);
    // emptied when a run starts.
    std::map<std::string, std::string> runState;

  private:
    void start();
    bool isSwitchedOn(const CleanItem& item);
    void runItem(const CleanItem& item);
    void runTarget(const Target& target);
    void runPlugins();
    void finish();
    PathGuard makeGuard();

    Platform& os_;
    CleanReport& report_;
    std::span<const CleanItem> items_;
    std::unique_ptr<Allerase> erase_;
    bool running_ = false;
    CleanReport::Row currentRow_ = -1;
    std::optional<std::string> resultText_;
};

// "0.00" text of bytes in megabytes.
std::string MegabyteText(double bytes);
// The local date and time as general date-and-time text, such as 12/11/2026 9:05:00 AM.
std::string GeneralDateTime(const LocalTime& time);
// True when the list has no elements (an array never filled counts as empty).
bool IsArraryEmpty(const std::vector<std::string>& list);

}  // namespace hv
