// Internet Explorer's traces, section "EXPLORER". Several items hand work to Internet Explorer's
// own clearing routine (RunDll32 with a number saying what to clear) and choose their way by the
// installed Internet Explorer or Windows version.
#include "catalogue/catalogue.h"
#include "catalogue/keep_lists.h"
#include "catalogue/url_history.h"
#include "engine/clean_run.h"
#include "engine/normal.h"

namespace hv::catalogue {

namespace {

using namespace targets;

constexpr const char* kClearHistoryCommand = "RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1";
// The trailing blanks of two commands are part of the command lines as the program has always
// started them.
constexpr const char* kClearCacheCommand = "RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 ";
constexpr const char* kClearFormDataCommand = "RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16";
constexpr const char* kClearPasswordsCommand = "RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 32";
constexpr const char* kClearAddOnsCommand = "RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351 ";
constexpr const char* kOptionsContentTabCommand =
    "rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,3";

constexpr const char* kOnlyIe9 = "Only Support IE9, IE10.";

// Internet Explorer 6 has no clearing routine for form data: its options dialog is opened on
// the Content tab and driven by keys (AutoComplete..., Clear Forms, confirm, close, close).
constexpr const char* kOptionsDialogClass = "#32770";
constexpr const char* kOptionsDialogCaption = "Internet Properties";
constexpr std::uint64_t kOptionsDialogWaitMs = 5000;
constexpr std::uint32_t kOptionsDialogPollMs = 50;
constexpr const char* kClearFormsKeys[] = {"{U}", "{C}", "{ENTER}", "{ESC}", "{ESC}"};

std::string cacheFolder(CleanRun& run) {
    return ShellFolderPath(run.os(), "Cache");
}

std::string favoritesFolder(CleanRun& run) {
    return ShellFolderPath(run.os(), "Favorites");
}

void clearHistory(CleanRun& run) {
    if (run.env.windowsVersion.starts_with("6"))
        run.RunAndWait(kClearHistoryCommand);
    else
        ClearUrlHistory(run);
}

void clearCacheAfterIe6(CleanRun& run) {
    if (run.env.IeMajorVersion > 6) run.RunAndWait(kClearCacheCommand);
}

bool isOptionsDialog(const std::optional<WindowIdentity>& window) {
    return window && window->className == kOptionsDialogClass &&
           window->caption == kOptionsDialogCaption;
}

// Keys go only to the options dialog this step opened: if it is not in front within a few
// seconds, nothing is typed, so no other window ever receives them.
void clearFormsThroughOptionsDialog(CleanRun& run) {
    Platform& os = run.os();
    os.shell.winExec(kOptionsContentTabCommand, 0);
    const std::uint64_t startMs = os.events.tickMs();
    while (!isOptionsDialog(os.shell.foregroundWindow())) {
        if (os.events.tickMs() - startMs >= kOptionsDialogWaitMs) return;
        os.events.doEvents();
        os.events.idle(kOptionsDialogPollMs);
    }
    for (const char* keys : kClearFormsKeys) {
        // The dialog's own boxes come to the front as the keys work; anything else stops them.
        const auto front = os.shell.foregroundWindow();
        if (!front || front->className != kOptionsDialogClass) return;
        os.shell.sendKeys(keys);
    }
}

void clearAutocomplete(CleanRun& run) {
    if (run.env.IeMajorVersion > 6) {
        run.RunAndWait(kClearFormDataCommand);
        run.RunAndWait(kClearPasswordsCommand);
    } else if (run.env.IeMajorVersion == 6) {
        clearFormsThroughOptionsDialog(run);
    }
    run.report().focusMainWindow();
}

void emptyDownloadFolders(CleanRun& run) {
    if (run.env.IeMajorVersion < 9) {
        run.setResultText(kOnlyIe9);
        return;
    }
    Platform& os = run.os();
    run.addBytes(run.erase().EmptyFolder(
        ShellFolderPath(os, "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main",
                        "Default Download Directory")));
    run.addBytes(run.erase().EmptyFolder(ShellFolderPath(
        os,
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
        "{374DE290-123F-4565-9164-39C4925E467B}")));
}

void downloadHistory(CleanRun& run) {
    if (run.env.IeMajorVersion < 9) run.setResultText(kOnlyIe9);
}

// The index files are in use while Windows runs: they go at the next start.
void deleteIndexFilesAtReboot(CleanRun& run) {
    const struct {
        const char* shellFolder;
        const char* file;
        const char* status;
    } indexes[] = {
        {"Cache", "\\Content.IE5\\index.dat", "Clearing IE Cache Index.dat File Content......"},
        {"History", "\\History.IE5\\index.dat", "Clearing IE History Index.dat File Content......"},
        {"Cookies", "\\index.dat", "Clearing IE Cookies Index.dat File Content......"},
    };
    for (const auto& index : indexes) {
        const std::string path = ShellFolderPath(run.os(), index.shellFolder) + index.file;
        run.setCurrentRowStatus(index.status);
        DeleteAtReboot(run.os().files, path);
    }
    run.addBytes(3500000);
    run.setResultText("Need to reboot your computer!");
}

void clearInPrivateFilter(CleanRun& run) {
    if (run.env.IeMajorVersion < 8) return;
    const std::string profile = run.os().system.environment("USERPROFILE").value_or("");
    run.addBytes(run.erase().DeleteFolderFilesNamed(profile + "\\PrivacIE", "index.dat"));
    run.addBytes(run.erase().EmptyFolder(run.env.AppDataFolder + "\\Microsoft\\Windows\\PrivacIE"));
}

void resetAddOns(CleanRun& run) {
    if (run.env.IeMajorVersion < 7) return;
    run.RunAndWait(kClearAddOnsCommand);
    run.addEntries(15);
    run.addBytes(500000);
}

const std::vector<CleanItem> kItems = {
    {"EXPLORER",
     "location",
     "IE Address Bar History",
     "IE Location Bar History",
     {Step(RestoreKeptUrls)},
     5},
    {"EXPLORER",
     "history",
     "IE Internet History Files",
     "IE Internet History Files",
     {Step(clearHistory), AddEntries(15), AddBytes(500000)},
     6},
    {"EXPLORER",
     "cache",
     "IE Internet Cache",
     "IE Internet Cache",
     {DeleteAllFiles(cacheFolder, ""), Step(clearCacheAfterIe6)},
     8},
    {"EXPLORER", "cookies", "IE Cookies", "IE Cookies", {Step(DeleteIeCookiesExceptKept)}, 10},
    {"EXPLORER",
     "favorites",
     "IE Favorites",
     "IE Favorites",
     {EmptyFolder(favoritesFolder, "")},
     11},
    {"EXPLORER",
     "autocomplete",
     "IE Autocomplete memory",
     "IE Autocomplete Memory",
     {DeleteRegKey(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW"),
      DeleteRegKey(kUsers, ".DEFAULT\\Software\\Microsoft\\Internet Explorer\\IntelliForms"),
      Step(clearAutocomplete), AddEntries(3)},
     11},
    {"EXPLORER",
     "downloaded",
     "IE Downloaded Files(Only IE9, IE10)",
     "IE Downloaded Files(Only IE9, IE10)",
     {Step(emptyDownloadFolders)},
     11},
    {"EXPLORER",
     "downloadedhistory",
     "IE Downloaded History(Only IE9, IE10)",
     "IE Downloaded History(Only IE9, IE10)",
     {Step(downloadHistory)},
     11},
    {"EXPLORER",
     "index",
     "Index.dat",
     "IE Index.dat Files",
     {Step(deleteIndexFilesAtReboot)},
     kNoCheckpoint},
    {"EXPLORER",
     "inprivate",
     "Inprivate Filter",
     "IE Inprivate Filter",
     {Step(clearInPrivateFilter)},
     12},
    {"EXPLORER", "addons", "Add-ons Settings", "IE Add-ons Settings", {Step(resetAddOns)}, 12},
};

}  // namespace

std::span<const CleanItem> InternetExplorerItems() {
    return kItems;
}

}  // namespace hv::catalogue
