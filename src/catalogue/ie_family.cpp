// Browsers built on Internet Explorer. AOL Explorer keeps its traces in Internet Explorer's own
// stores (typed addresses, cookie folder, cache, URL history), so its items clean those; unlike
// Internet Explorer's items they start the clearing routine minimised and do not wait for it.
// MSN Explorer has only its address list to remove.
#include "catalogue/catalogue.h"
#include "catalogue/keep_lists.h"
#include "catalogue/url_history.h"
#include "engine/clean_run.h"

namespace hv::catalogue {

namespace {

using namespace targets;

std::string cacheFolder(CleanRun& run) {
    return ShellFolderPath(run.os(), "Cache");
}

void startClearingCache(CleanRun& run) {
    if (run.env.IeMajorVersion > 6)
        run.os().shell.startMinimized("RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 ");
}

void startClearingHistory(CleanRun& run) {
    if (run.env.IeMajorVersion > 6)
        run.os().shell.startMinimized("RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1");
}

const std::vector<CleanItem> kAolItems = {
    {"AOL",
     "Address",
     "Address Bar History",
     "AOL Explorer Address Bar History",
     {Step(RestoreKeptUrls), AddEntries(10)},
     25},
    {"AOL", "cookies", "Cookies", "AOL Explorer Cookies", {Step(DeleteIeCookiesExceptKept)}, 26},
    {"AOL",
     "cache",
     "Cache",
     "AOL Explorer Cache",
     {DeleteAllFiles(cacheFolder, ""), Step(startClearingCache)},
     27},
    {"AOL",
     "history",
     "History Files",
     "AOL Explorer History Files",
     {Step(ClearUrlHistory), AddEntries(15), AddBytes(500000), Step(startClearingHistory)},
     28},
};

const std::vector<CleanItem> kMsnItems = {
    {"MSN",
     "Location",
     "Address Bar History",
     "MSN Explorer Address Bar History",
     {DeleteRegKey(kCurrentUser, "Software\\Microsoft\\MSN6\\Users")},
     29},
    {"MSN", "cookies", "Cookies", "MSN Explorer Cookies", {}, 30},
    {"MSN", "cache", "Cache", "MSN Explorer Cache", {AddBytes(500000)}, 31},
    {"MSN", "history", "History Files", "MSN Explorer History Files", {}, 32},
};

}  // namespace

std::span<const CleanItem> AolExplorerItems() {
    return kAolItems;
}

std::span<const CleanItem> MsnExplorerItems() {
    return kMsnItems;
}

}  // namespace hv::catalogue
