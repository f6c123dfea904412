// The instant-messenger items: Windows Live Messenger, Yahoo! Messenger, AOL Instant Messenger
// and ICQ. None of them asks whether the messenger is installed; what is missing is not found.
#include <string>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "engine/environment.h"
#include "engine/regfun.h"

namespace hv::catalogue {

namespace {

using namespace targets;

// Yahoo! Messenger's type library names its help folder, which holds the saved profiles.
const char* const kYahooHelpDir =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\TypeLib\\"
    "{2B323CCC-50E3-11D3-9466-00A0C9700498}\\1.0\\HELPDIR";

std::string documents(CleanRun& run) {
    return DocumentsFolder(run.os());
}
std::string appData(CleanRun& run) {
    return run.env.AppDataFolder;
}
std::string localAppData(CleanRun& run) {
    return run.env.LocalAppDataFolder;
}
// Only the default install folder is cleaned; a Yahoo! Messenger installed elsewhere is not.
std::string yahooMessenger(CleanRun&) {
    return "C:\\Program Files\\Yahoo!\\Messenger\\";
}

// The help folder's text ends with its own backslash, so "Profiles" follows it directly.
void yahooHelpProfiles(CleanRun& run) {
    const std::string helpFolder = RegReadString(run.os(), kYahooHelpDir, "");
    if (helpFolder.empty() || helpFolder == "Error") return;
    run.addBytes(run.erase().DeleteAllFiles(helpFolder + "Profiles"));
}

}  // namespace

std::span<const CleanItem> MessengerItems() {
    static const std::vector<CleanItem> items = {
        {"Messenger",
         "msnchat",
         "My Chat Log folder",
         "Windows Live Messenger chat log folder",
         {DeleteAllFiles(documents, "\\my chat logs")},
         44},
        {"Messenger",
         "msnfiles",
         "My Received Files folder",
         "Windows Live Messenger Received Files folder",
         {DeleteAllFiles(documents, "\\my received files")}},
        {"Messenger",
         "yahoopage",
         "Page settings",
         "Yahoo! Messenger Page settings",
         {DeleteRegValue(kCurrentUser, "Software\\Yahoo\\pager", "Yahoo! User ID"),
          DeleteRegValue(kCurrentUser, "Software\\Yahoo\\pager", "Auto Login")},
         45},
        {"Messenger",
         "yahooprofiles",
         "Reset Yahoo! profiles",
         "Yahoo! Messenger profiles",
         {DeleteRegTree(kCurrentUser, "Software\\Yahoo\\pager\\profiles"),
          Step(yahooHelpProfiles)}},
        {"Messenger",
         "yahoofiles",
         "Temporary Internet Files",
         "Yahoo! Messenger Temporary Internet Files",
         {DeleteAllFiles(yahooMessenger, "Cache")}},
        {"Messenger",
         "yahoologs",
         "log Files",
         "Yahoo! Messenger Log Files",
         {DeleteAllFiles(yahooMessenger, "logs")}},
        {"Messenger",
         "aolsettings",
         "Aol Messenger settings",
         "AOL Instant Messenger settings",
         {DeleteAllFiles(localAppData, "\\AIM\\Settings")},
         46},
        {"Messenger",
         "aolnames",
         "Recent screen names",
         "AOL Instant Messenger Recent screen names",
         {DeleteFolderFilesNamed(localAppData, "\\AIM", "aimx.bin")}},
        // The screen names and the stored password share one file.
        {"Messenger",
         "aolpassword",
         "Aol Messenger user password",
         "AOL Messenger user password",
         {DeleteFolderFilesNamed(localAppData, "\\AIM", "aimx.bin")}},
        {"Messenger",
         "aolbuddy",
         "Information about Buddy list",
         "AOL Information about Buddy list",
         {DeleteAllFiles(appData, "\\acccore\\caches\\users")}},
        {"Messenger",
         "aollogs",
         "Aol Messenger logs",
         "AOL Messenger logs",
         {DeleteAllFiles(documents, "\\AIMLogger")},
         47},
        // The sign-in history and the account live in one database.
        {"Messenger",
         "icqsign",
         "The Sign in history",
         "ICQ Sign in history",
         {DeleteFilesNamed(appData, "\\ICQ", "Application.qdb")}},
        {"Messenger",
         "icquser",
         "User history",
         "ICQ User history",
         {DeleteFilesNamed(appData, "\\ICQ", "Messages.qdb")}},
        {"Messenger",
         "icqcontact",
         "Contact lists",
         "ICQ contact list",
         {DeleteFilesNamed(appData, "\\ICQ", "Owner.qdb")}},
        {"Messenger",
         "icqaccount",
         "ICQ Account",
         "ICQ Account",
         {DeleteFilesNamed(appData, "\\ICQ", "Application.qdb")}},
        {"Messenger",
         "icqfiles",
         "Received files",
         "ICQ All the files received from the other users",
         {DeleteFoldersNamed(documents, "\\ICQ", "receivedfiles")}},
        {"Messenger",
         "icqsearch",
         "Toolbar search history",
         "ICQ Toolbar search history",
         {DeleteRegKey(
             kCurrentUser,
             "Software\\Microsoft\\Internet Explorer\\LowRegistry\\ICQ\\ICQToolBar\\History")},
         48},
    };
    return items;
}

}  // namespace hv::catalogue
