// The traces Windows itself keeps: recent documents, Run and search histories, temporary
// folders, the recycle bin, dialog histories, check-disk leftovers, the clipboard, applets'
// recent-file lists, Explorer's streams and UserAssist data, unread-mail counts. No item asks
// which Windows it runs on: a target the running system lacks is simply not found.
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "engine/environment.h"

namespace hv::catalogue {

namespace {

using namespace targets;

constexpr double kLegacyRecycleFolderBytes = 100000;

std::string appData(CleanRun& run) {
    return run.env.AppDataFolder;
}
std::string documents(CleanRun& run) {
    return DocumentsFolder(run.os());
}

// The shell empties its own recent-documents list; the shortcuts in the Recent folder go with
// the folder afterwards. What the shell answers does not change the run.
void ClearDocumentsMenu(CleanRun& run) {
    run.os().shell.clearRecentDocuments();
}

// Every file goes first (counted file by file), then the folder is emptied and made again.
void cleanTempFolder(CleanRun& run, const std::string& folder) {
    run.addBytes(run.erase().DeleteAllFiles(folder));
    run.addBytes(run.erase().EmptyFolder(folder));
}

// The local temporary folder sits beside "Application Data" in the older profile layout
// (...\Local Settings\Application Data gives ...\Local Settings\temp). A layout without that
// folder name has no such temporary folder, and nothing is counted for it. An unset TEMP
// gives an empty path, which the primitives refuse as they refuse any missing folder.
void cleanWindowsTemp(CleanRun& run) {
    const std::string& local = run.env.LocalAppDataFolder;
    if (const auto at = local.find("Application Data"); at != std::string::npos)
        cleanTempFolder(run, local.substr(0, at) + "temp");
    cleanTempFolder(run, run.env.WindowsFolder + "\\temp");
    cleanTempFolder(run, run.os().system.environment("TEMP").value_or(""));
}

// The shell does not say how much it releases; the recycle folders of the older systems are
// measured beforehand instead. A folder whose size cannot be read counts nothing.
void estimateLegacyRecycleFolders(CleanRun& run) {
    for (const char* folder : {"C:\\RECYCLED", "C:\\RECYCLER"}) {
        const auto self = run.os().files.stat(folder);
        if (!self || !self->isFolder()) continue;
        if (const auto size = run.erase().model().folderSize(folder))
            run.addBytes(*size + kLegacyRecycleFolderBytes);
    }
}

void emptyRecycleBins(CleanRun& run) {
    run.os().shell.emptyRecycleBin();
}

void emptyClipboard(CleanRun& run) {
    run.os().shell.emptyClipboard();
}

// The batch file beside the program removes the thumbnail caches. Its path is quoted, since
// the application folder usually has blanks in it and an unquoted path could start another
// program on the way (C:\Program.exe). The run waits for it as for every external command,
// but leaves the focus where the user has put it meanwhile. A batch file that cannot be
// started leaves nothing to wait for.
void runDelThumbs(CleanRun& run) {
    run.RunAndWait("\"" + run.appFolder() + "\\delThumbs.bat\"", FocusAfterWait::Leave);
}

// Check-disk recovery folders Found.000 to Found.010 on drives C to F: only the files directly
// in each go.
std::vector<Target> checkDiskFolderFiles() {
    static const std::vector<std::string> folders = [] {
        std::vector<std::string> paths;
        for (char drive : {'C', 'D', 'E', 'F'}) {
            for (int n = 0; n <= 10; ++n) {
                char name[16];
                std::snprintf(name, sizeof name, "%c:\\Found.%03d", drive, n);
                paths.push_back(name);
            }
        }
        return paths;
    }();
    std::vector<Target> targets;
    for (const auto& folder : folders) targets.push_back(DeleteFolderFiles(nullptr, folder));
    return targets;
}

constexpr RootKey HKCU = kCurrentUser;
constexpr RootKey HKLM = kLocalMachine;

}  // namespace

std::span<const CleanItem> WindowsItems() {
    static const std::vector<CleanItem> items = {
        {"WINDOWS",
         "recent",
         "Recent Documents History",
         "Recent Documents History",
         {Step(ClearDocumentsMenu), AddEntries(1),
          EmptyFolder(appData, "\\Microsoft\\Windows\\Recent")},
         33},
        {"WINDOWS",
         "run",
         "Start Menu Run History",
         "Start Menu Run History",
         {DeleteRegKey(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU")},
         34},
        {"WINDOWS",
         "search",
         "Windows Search History",
         "Windows Search History",
         {DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                       "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                       "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ContainingTextMRU"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                       "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5603"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5604"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5647"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5601"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Search Assistant\\ACMru\\5602"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery")},
         35},
        {"WINDOWS", "temp", "Windows Temp", "Windows Temp", {Step(cleanWindowsTemp)}, 36},
        {"WINDOWS",
         "recycle",
         "Recycle Bin",
         "Recycle Bin",
         {Step(estimateLegacyRecycleFolders), Step(emptyRecycleBins), AddEntries(1)},
         37},
        {"WINDOWS",
         "open",
         "Open/Save Dialog Box History",
         "Open/Save Dialog Box History",
         {DeleteRegTree(
              HKCU,
              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"),
          DeleteRegTree(HKCU,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                        "OpenSavePidlMRU")},
         38},
        {"WINDOWS", "scandisk", "Scandisk Temp Files", "Scandisk Temp Files",
         checkDiskFolderFiles(), 39},
        // The password caches of Windows 9x/Me do not exist on the systems the program runs on;
        // the item only shows its row.
        {"WINDOWS",
         "passwords",
         "Windows Passwords(Only 9X/Me)",
         "Windows Passwords(Only 9X/Me)",
         {},
         40},
        {"WINDOWS", "clip", "Windows Clipboard", "Windows Clipboard", {Step(emptyClipboard)}, 41},
        {"WINDOWS",
         "wordpad",
         "Wordpad Recent Files",
         "Wordpad Recent Files",
         {DeleteRegKey(
             HKCU,
             "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List")},
         41},
        {"WINDOWS",
         "paint",
         "Windows Paint Recent Files",
         "Windows Paint Recent Files",
         {DeleteRegKey(
             HKCU,
             "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List")},
         41},
        {"WINDOWS",
         "picturelocation",
         "The Custom Locations From Picture Location Drop-down Box",
         "The custom locations from the picture location drop-down box",
         {DeleteRegKey(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Wallpaper")}},
        {"WINDOWS",
         "DirectX",
         "DirectX Most Recent Applications",
         "DirectX most recent applications",
         {DeleteRegKey(HKLM, "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication"),
          DeleteRegKey(HKLM, "SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication")}},
        {"WINDOWS",
         "findcomputer",
         "Find Computer Dialog Box",
         "Find computer dialog box",
         {DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                       "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Search Assistant\\ACMru"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery")}},
        // Keys that still hold sub-keys (Explorer Bars, ACMru) stay: only leaf keys go.
        {"WINDOWS",
         "findfiles",
         "Find Files Dialog Box",
         "Find files dialog box",
         {DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Internet Explorer\\Explorer Bars"),
          DeleteRegKey(HKCU, "Software\\Microsoft\\Search Assistant\\ACMru"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                       "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU"),
          DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery")}},
        {"WINDOWS",
         "mapnetwork",
         "Map Network Drive MRU",
         "Map network drive MRU",
         {DeleteRegKey(
             HKCU,
             "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU")}},
        {"WINDOWS",
         "management",
         "Microsoft Management Console Recent File List",
         "Microsoft management console recent file list",
         {DeleteRegKey(HKCU,
                       "Software\\Microsoft\\Microsoft Management Console\\Recent File List")}},
        {"WINDOWS",
         "notification",
         "Past Items From The Notification Area",
         "Past items from the notification area",
         {DeleteRegValue(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify",
                         "IconStreams"),
          DeleteRegValue(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify",
                         "PastIconsStream"),
          DeleteRegValue(HKCU,
                         "Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\"
                         "CurrentVersion\\TrayNotify",
                         "IconStreams"),
          DeleteRegValue(HKCU,
                         "Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\"
                         "CurrentVersion\\TrayNotify",
                         "PastIconsStream")}},
        {"WINDOWS",
         "registryeditor",
         "Registry Editor Last Opened Key",
         "Registry editor last opened key",
         {DeleteRegTree(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit")}},
        {"WINDOWS",
         "searchfolders",
         "Saved Search Folders From windows Vista",
         "Saved search folders from windows vista",
         {DeleteAllFiles(documents, "\\Searches")},
         41},
        {"WINDOWS",
         "menuorder",
         "Start Menu Programs And Favorites Menu Order",
         "Start menu programs and favorites menu order",
         {DeleteRegTree(HKCU,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder")}},
        {"WINDOWS",
         "recentlyused",
         "The List of Most Recently Used Files and Folders",
         "The list of most recently used files and folders",
         {DeleteRegTree(HKCU,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                        "LastVisitedMRU"),
          DeleteRegTree(
              HKCU,
              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"),
          DeleteRegTree(
              HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\CIDSizeMRU"),
          DeleteRegTree(HKCU,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                        "LastVisitedPidlMRU"),
          DeleteRegTree(HKCU,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
                        "OpenSavePidlMRU")}},
        {"WINDOWS", "thumbs", "Thumbs.db", "Thumbs.db", {Step(runDelThumbs)}, 42},
        {"WINDOWS",
         "streams",
         "Windows Explorer Streams MRUs/Typed Paths",
         "Windows explorer streams MRUs",
         {DeleteRegTree(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU"),
          DeleteRegTree(HKCU,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths")}},
        // The paging file is in use while Windows runs and cannot be removed from inside it; the
        // item only shows its row.
        {"WINDOWS", "swap", "Windows Swap/Paging File", "windows swap/paging file", {}, 43},
        {"WINDOWS",
         "userassist",
         "Windows Userassist MRUs",
         "Windows userassist MRUs",
         {DeleteRegTree(HKCU,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist")}},
        {"WINDOWS",
         "unread",
         "Windows unread mail count",
         "Windows unread mail count",
         {DeleteRegTree(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail")}},
    };
    return items;
}

}  // namespace hv::catalogue
