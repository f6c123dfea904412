#include "engine/clean_run.h"

#include <cstdio>

#include "engine/inifun.h"
#include "engine/normal.h"
#include "platform/text.h"

namespace hv {

namespace {
const char* const kApplicationTitle = "Halvane";
const char* const kTaskComplete = "Task complete Successfully!";
constexpr int kProgressAfterPlugins = 97;
constexpr double kPluginEntries = 1;
constexpr double kPluginBytes = 50000;
constexpr std::uint32_t kPollIdleMs = 10;
}  // namespace

std::string MegabyteText(double bytes) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", bytes / 1048576.0);
    return text;
}

std::string GeneralDateTime(const LocalTime& t) {
    char text[64];
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d:%02d %s", t.month, t.day, t.year, hour12,
                  t.minute, t.second, t.hour < 12 ? "AM" : "PM");
    return text;
}

bool IsArraryEmpty(const std::vector<std::string>& list) {
    return list.empty();
}

CleanRun::CleanRun(Platform& os, CleanReport& report) : os_(os), report_(report) {}

std::string CleanRun::settingsFile() {
    return SettingsFile(os_.system);
}

PathGuard CleanRun::makeGuard() {
    std::vector<std::string> folders{env.WindowsFolder,
                                     env.AppDataFolder,
                                     env.LocalAppDataFolder,
                                     DocumentsFolder(os_),
                                     os_.system.environment("USERPROFILE").value_or(""),
                                     appFolder()};
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"})
        folders.push_back(os_.system.environment(name).value_or(""));
    return PathGuard(std::move(folders));
}

void CleanRun::CleanNow() {
    if (running_) return;
    running_ = true;
    erase_ = std::make_unique<Allerase>(os_.files, os_.registry, os_.events, makeGuard());
    start();
    for (const auto& item : items_) runItem(item);
    runPlugins();
    finish();
    erase_.reset();
    running_ = false;
}

void CleanRun::start() {
    report_.showCleaningView();
    report_.setBusyPointer(true);
    ReleasedBytes = 0;
    RemovedEntries = 0;
    runState.clear();
    report_.setStartEnabled(false);
    report_.clearRows();
    report_.setProgress(1);
    report_.setStatusLine("");
}

void CleanRun::showstatus(const std::string& statusText) {
    os_.events.doEvents();
    const std::string status = "Cleaning " + statusText + " ......";
    currentRow_ = report_.addRow(statusText, status);
    report_.scrollToLastRow();
    report_.setStatusLine(status);
}

void CleanRun::setCurrentRowStatus(const std::string& status) {
    report_.setRowStatus(currentRow_, status);
}

bool CleanRun::isSwitchedOn(const CleanItem& item) {
    const std::string value =
        ReadIni(os_.profile, settingsFile(), std::string(item.section), std::string(item.key));
    return item.switchTest == SwitchTest::Numeric ? IsFlagOn(value) : value == "1";
}

void CleanRun::runItem(const CleanItem& item) {
    if (item.section.empty()) {
        for (const auto& target : item.targets) runTarget(target);
    } else if (isSwitchedOn(item)) {
        showstatus(std::string(item.statusText));
        resultText_.reset();
        for (const auto& target : item.targets) runTarget(target);
        setCurrentRowStatus(resultText_.value_or("Done"));
    }
    if (item.checkpoint != kNoCheckpoint) report_.setProgress(item.checkpoint);
}

void CleanRun::runTarget(const Target& t) {
    const std::string name(t.name);
    auto folder = [&] { return (t.base ? t.base(*this) : std::string()) + std::string(t.path); };
    Allerase& e = *erase_;
    switch (t.op) {
        case Op::DeleteFilesNamed:
            addBytes(e.DeleteFilesNamed(folder(), name));
            break;
        case Op::DeleteAllFiles:
            addBytes(e.DeleteAllFiles(folder()));
            break;
        case Op::DeleteFilesByExt:
            addBytes(e.DeleteFilesByExt(folder(), name));
            break;
        case Op::DeleteFoldersNamed:
            addBytes(e.DeleteFoldersNamed(folder(), name));
            break;
        case Op::EmptyFolder:
            addBytes(e.EmptyFolder(folder()));
            break;
        case Op::DeleteFolderFiles:
            addBytes(e.DeleteFolderFiles(folder()));
            break;
        case Op::DeleteFolderFilesNamed:
            addBytes(e.DeleteFolderFilesNamed(folder(), name));
            break;
        case Op::DeleteFolderFilesByExt:
            addBytes(e.DeleteFolderFilesByExt(folder(), name));
            break;
        case Op::DeleteAtReboot:
            DeleteAtReboot(os_.files, folder());
            break;
        case Op::DeleteRegKey:
            addEntries(e.DeleteRegKey(t.root, std::string(t.path)));
            break;
        case Op::DeleteRegTree:
            addEntries(e.DeleteRegTree(t.root, std::string(t.path)));
            break;
        case Op::DeleteRegValue:
            addEntries(e.DeleteRegValue(t.root, std::string(t.path), name));
            break;
        case Op::AddBytes:
            addBytes(t.amount);
            break;
        case Op::AddEntries:
            addEntries(t.amount);
            break;
        case Op::Step:
            t.step(*this);
            break;
    }
}

void CleanRun::runPlugins() {
    const auto plugins = tickedPlugins ? tickedPlugins() : std::vector<std::string>{};
    for (const auto& text : plugins) {
        currentRow_ = report_.addRow(text, "");
        report_.scrollToLastRow();
        if (processshell) processshell(*this, appFolder() + "\\plus-in\\" + text + ".hve");
        os_.events.doEvents();
        setCurrentRowStatus("Done");
        addEntries(kPluginEntries);
        addBytes(kPluginBytes);
    }
    report_.setProgress(kProgressAfterPlugins);
}

void CleanRun::finish() {
    const std::string file = settingsFile();
    if (honourExitOption && IsSwitchOn(os_.profile, file, "Options", "exit")) {
        // Nothing of this run is recorded or announced.
        report_.exitProgram();
        return;
    }
    report_.setProgress(100);
    report_.setStartEnabled(true);
    WriteIni(os_.profile, file, "Options", "lastclean", GeneralDateTime(os_.system.now()));
    WriteIni(os_.profile, file, "Options", "regnum", formatNumber(RemovedEntries));
    WriteIni(os_.profile, file, "Options", "filesize", formatNumber(ReleasedBytes));
    report_.setBusyPointer(false);
    currentRow_ = report_.addRow(kTaskComplete, "");
    report_.setStatusLine(kTaskComplete);
    report_.scrollToLastRow();

    const std::string megabytes = MegabyteText(ReleasedBytes);
    if (AutomaticRun) {
        NotificationRequest request;
        request.key = "www";
        request.title = kApplicationTitle;
        request.description = std::string(kApplicationTitle) + " Clean is done!" +
                              " Cleaned Registry Keys: " + formatNumber(RemovedEntries) +
                              " Released HD Space:" + megabytes + "MB";
        request.queueSeparately = true;
        request.enableClickEvent = true;
        request.soundFile = appFolder() + "\\Sounds\\Message.wav";
        report_.raiseNotification(request);
        AutomaticRun = false;
    } else {
        report_.showCompletion("Task Complete",
                               std::string(kTaskComplete) +
                                   " Cleaned Registry Keys: " + formatNumber(RemovedEntries) +
                                   ", Released HD Space: " + megabytes + "MB");
    }

    // The statistics frame shows the figures as hvset.dat now holds them.
    const std::string lastClean = ReadIni(os_.profile, file, "Options", "lastclean");
    RemovedEntries = leadingNumber(ReadIni(os_.profile, file, "Options", "regnum")).value_or(0);
    ReleasedBytes = leadingNumber(ReadIni(os_.profile, file, "Options", "filesize")).value_or(0);
    report_.refreshStatistics(lastClean,
                              "  Cleaned Registry Keys: " + formatNumber(RemovedEntries) +
                                  "     Released HD Space:" + megabytes + "MB");
    report_.showMainWindow();
}

void CleanRun::RunAndWait(const std::string& commandLine, FocusAfterWait focus) {
    const ProcessHandle process = os_.process.startHidden(commandLine);
    if (process) {
        const std::uint64_t startMs = os_.events.tickMs();
        std::uint32_t code = kStillActive;
        while (os_.process.exitCode(process, code) && code == kStillActive) {
            os_.events.doEvents();
            // A command that never ends must not block every later run.
            if (os_.events.tickMs() - startMs >= kRunAndWaitLimitMs) break;
            os_.events.idle(kPollIdleMs);
        }
        os_.process.close(process);
    }
    if (focus == FocusAfterWait::TakeBack) report_.focusMainWindow();
}

}  // namespace hv
