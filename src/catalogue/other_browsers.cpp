// Opera, Maxthon, Chrome and Safari: each item deletes known files or folders below the
// browser's own folders. Opera, Maxthon and Chrome walk their folders recursively; Safari only
// touches the files directly in the folders it names.
#include "catalogue/catalogue.h"
#include "engine/clean_run.h"

namespace hv::catalogue {

namespace {

using namespace targets;

std::string appData(CleanRun& run) {
    return run.env.AppDataFolder;
}

std::string operaRoamingRoot(CleanRun& run) {
    return run.env.AppDataFolder + "\\Opera\\Opera";
}

std::string operaLocalRoot(CleanRun& run) {
    return run.env.LocalAppDataFolder + "\\Opera\\Opera";
}

std::string maxthonUsersRoot(CleanRun& run) {
    return run.env.AppDataFolder + "\\Maxthon3\\Users";
}

std::string chromeUserData(CleanRun& run) {
    return run.env.LocalAppDataFolder + "\\Google\\Chrome\\User Data";
}

std::string chromeProfile(CleanRun& run) {
    return chromeUserData(run) + "\\Default";
}

std::string safariRoaming(CleanRun& run) {
    return run.env.AppDataFolder + "\\Apple Computer\\Safari";
}

std::string safariLocal(CleanRun& run) {
    return run.env.LocalAppDataFolder + "\\Apple Computer\\Safari";
}

}  // namespace

std::span<const CleanItem> OperaItems() {
    static const std::vector<CleanItem> items = {
        {"Opera",
         "Address",
         "Address Bar History",
         "Opera Address Bar History",
         {DeleteFilesNamed(operaRoamingRoot, "", "typed_history.xml")},
         17},
        {"Opera",
         "Cookies",
         "Cookies",
         "Opera Cookies",
         {DeleteFilesNamed(operaRoamingRoot, "", "cookies4.dat")},
         18},
        {"Opera",
         "cache",
         "Cache",
         "Opera Cache",
         {DeleteFoldersNamed(operaLocalRoot, "", "cache")},
         19},
        {"Opera",
         "History",
         "History Files",
         "Opera History Files",
         {DeleteFilesNamed(operaRoamingRoot, "", "global_history.dat")}},
        {"Opera",
         "downloads",
         "Downloads History",
         "Opera Download History",
         {DeleteFilesNamed(operaRoamingRoot, "", "download.dat")}},
        {"Opera",
         "Sessions",
         "Sessions",
         "Opera Sessions Files",
         {DeleteFoldersNamed(operaRoamingRoot, "", "sessions")}},
        {"Opera",
         "Images",
         "Site Images",
         "Opera Site Image Files",
         {DeleteFoldersNamed(operaLocalRoot, "", "thumbnails")}},
        {"Opera",
         "Bookmarks",
         "Bookmarks",
         "Opera Bookmarks",
         {DeleteFilesNamed(operaRoamingRoot, "", "bookmarks.adr")}},
        {"Opera",
         "Passwords",
         "Saved Passwords",
         "Opera Passwords",
         {DeleteFilesNamed(operaRoamingRoot, "", "wand.dat")},
         20},
    };
    return items;
}

// Maxthon's switches are read as numbers: "01" switches an item on as "1" does.
std::span<const CleanItem> MaxthonItems() {
    static const std::vector<CleanItem> items = {
        {"Maxthon",
         "keywords",
         "Typed Urls",
         "Maxthon Typed Urls",
         {DeleteFilesNamed(maxthonUsersRoot, "", "SmartUrl.dat")},
         kNoCheckpoint,
         SwitchTest::Numeric},
        {"Maxthon",
         "pages",
         "Information about open pages",
         "Maxthon information about open pages",
         {DeleteFilesNamed(maxthonUsersRoot, "", "Config.ini"),
          DeleteFilesNamed(maxthonUsersRoot, "", "lasttabs.dat")},
         kNoCheckpoint,
         SwitchTest::Numeric},
        {"Maxthon",
         "settings",
         "Maxthon settings",
         "Maxthon settings",
         {DeleteFilesNamed(maxthonUsersRoot, "", "Config.ini"),
          DeleteFilesNamed(maxthonUsersRoot, "", "config.dat")},
         kNoCheckpoint,
         SwitchTest::Numeric},
        {"Maxthon",
         "groups",
         "Maxthon History Files",
         "Maxthon History Files",
         {DeleteFilesNamed(maxthonUsersRoot, "", "History.dat"),
          DeleteFilesNamed(maxthonUsersRoot, "", "Cookie.dat"),
          DeleteFilesNamed(maxthonUsersRoot, "", "mxundo.dat"),
          DeleteFilesNamed(maxthonUsersRoot, "", "tempfb3.dat"),
          DeleteFilesNamed(maxthonUsersRoot, "", "SvrInfo.dat")},
         kNoCheckpoint,
         SwitchTest::Numeric},
        {"Maxthon",
         "folder",
         "Maxthon default save folder",
         "Maxthon Download Task history",
         {DeleteAllFiles(appData, "\\Maxthon3\\Public\\Downloader\\TaskList")},
         kNoCheckpoint,
         SwitchTest::Numeric},
    };
    return items;
}

std::span<const CleanItem> ChromeItems() {
    static const std::vector<CleanItem> items = {
        {"Chrome",
         "download",
         "Download History",
         "Chrome download History",
         {DeleteFilesNamed(chromeProfile, "", "History")}},
        {"Chrome",
         "Cookies",
         "Cookies",
         "Chrome Cookies",
         {DeleteFilesNamed(chromeProfile, "", "Cookies")}},
        {"Chrome", "Cache", "Cache", "Chrome Cache", {DeleteAllFiles(chromeProfile, "\\Cache")}},
        {"Chrome",
         "History",
         "History Files",
         "Chrome History",
         {DeleteFilesNamed(chromeProfile, "", "History"),
          DeleteFilesNamed(chromeProfile, "", "Preferences"),
          DeleteFilesNamed(chromeProfile, "", "SyncData.sqlite3"),
          DeleteFilesNamed(chromeProfile, "", "SyncData.sqlite3-journal"),
          DeleteFilesNamed(chromeProfile, "", "Archived History"),
          DeleteFilesNamed(chromeProfile, "", "Visited Links"),
          DeleteFilesNamed(chromeProfile, "", "Shortcuts"),
          DeleteFilesNamed(chromeProfile, "", "Web Data"),
          DeleteFilesNamed(chromeProfile, "", "Favicons"),
          DeleteFilesNamed(chromeUserData, "", "Local State")}},
        {"Chrome",
         "Forms",
         "Forms Data/Saved passwords",
         "Chrome Forms Data/Saved passwords",
         {DeleteFilesNamed(chromeProfile, "", "Web Data")}},
        {"Chrome",
         "Session",
         "Session",
         "Chrome Session",
         {DeleteFilesNamed(chromeProfile, "", "Last Session"),
          DeleteFilesNamed(chromeProfile, "", "Current Session"),
          DeleteFilesNamed(chromeProfile, "", "Top Sites"),
          DeleteFilesNamed(chromeProfile, "", "Current Tabs"),
          DeleteAllFiles(chromeProfile, "\\Session Storage")}},
    };
    return items;
}

std::span<const CleanItem> SafariItems() {
    static const std::vector<CleanItem> items = {
        {"Safari",
         "History",
         "History",
         "Safari History",
         {DeleteFolderFiles(safariLocal, "\\History"),
          DeleteFolderFilesNamed(safariRoaming, "", "History.plist")}},
        {"Safari",
         "pages",
         "Information about open pages",
         "Safari Information about open pages",
         {DeleteFolderFilesNamed(safariRoaming, "", "LastSession.plist"),
          DeleteFolderFilesNamed(safariRoaming, "", "TopSites.plist")}},
        {"Safari",
         "Cache",
         "Cache",
         "Safari Cache",
         {DeleteFolderFilesNamed(safariLocal, "", "Cache.db"),
          DeleteFolderFilesNamed(safariLocal, "", "WebpageIcons.db")}},
        {"Safari",
         "Cookies",
         "Cookies",
         "Safari Cookies",
         {DeleteFolderFilesNamed(safariRoaming, "\\Cookies", "Cookies.plist")}},
        {"Safari",
         "download",
         "Download information",
         "Safari Download information",
         {DeleteFolderFilesNamed(safariRoaming, "", "Downloads.plist")}},
        {"Safari",
         "Autocomplete",
         "Autocomplete",
         "Safari Autocomplete",
         {DeleteFolderFilesNamed(safariRoaming, "", "Form Values.plist"),
          DeleteFolderFilesNamed(safariRoaming, "\\Preferences", "keychain.plist")}},
        {"Safari",
         "Images",
         "Webpage Previews Image",
         "Safari Webpage Preview Images",
         {DeleteFolderFiles(safariLocal, "\\Webpage Previews")}},
        {"Safari",
         "RecentSearches",
         "Recent Searches",
         "Safari Recent Searches",
         {DeleteFolderFilesNamed(appData, "\\Apple Computer\\Preferences",
                                 "com.apple.Safari.plist")}},
    };
    return items;
}

}  // namespace hv::catalogue
