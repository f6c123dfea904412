// The mail-client items: Outlook Express and Windows Live Mail. Neither group asks whether the
// client is installed; what is missing is not found.
#include <string>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "engine/regfun.h"

namespace hv::catalogue {

namespace {

using namespace targets;

std::string appData(CleanRun& run) {
    return run.env.AppDataFolder;
}
std::string localAppData(CleanRun& run) {
    return run.env.LocalAppDataFolder;
}

// The store root is used as it is stored: a folder written with %USERPROFILE% in it names no
// folder and nothing is deleted.
void liveMailAccounts(CleanRun& run) {
    const std::string storeRoot = RegReadString(
        run.os(), "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows Mail", "Store Root");
    if (storeRoot.empty() || storeRoot == "Error") return;
    run.addBytes(run.erase().DeleteFilesByExt(storeRoot, "oeaccount"));
}

}  // namespace

// Only the one fixed identity's registry keys are cleaned; the mail stores of every identity go.
std::span<const CleanItem> OutlookExpressItems() {
    static const std::vector<CleanItem> items = {
        {"outlook",
         "address",
         "Address Book",
         "outlook express address book",
         {DeleteFilesByExt(appData, "\\Microsoft\\Address Book", "wab")}},
        {"outlook",
         "accounts",
         "Accounts Settings",
         "outlook express Accounts",
         {DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Internet Account Manager")},
         59},
        {"outlook",
         "deleted",
         "Deleted Email",
         "outlook express deleted email",
         {DeleteFilesNamed(localAppData, "\\Identities", "Deleted Items.dbx")}},
        {"outlook",
         "sent",
         "Sent Email",
         "outlook express sent email",
         {DeleteFilesNamed(localAppData, "\\Identities", "Sent Items.dbx")},
         60},
        {"outlook",
         "outbox",
         "Outbox Email",
         "outlook express outbox email",
         {DeleteFilesNamed(localAppData, "\\Identities", "Outbox.dbx")}},
        {"outlook",
         "blocked",
         "Blocked Senders List",
         "outlook express blocked senders list",
         {DeleteRegTree(kCurrentUser,
                        "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\"
                        "Outlook Express\\5.0\\Block Senders"),
          AddEntries(1)}},
        {"outlook",
         "created",
         "Folders You Created",
         "outlook express history of Outlook folders you created",
         {DeleteFilesNamed(localAppData, "\\Identities", "Folders.dbx")}},
        {"outlook",
         "mailrules",
         "Mail Rules",
         "outlook express mail rules",
         {DeleteRegTree(kCurrentUser,
                        "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\"
                        "Outlook Express\\5.0\\Rules\\Mail")},
         62},
        {"outlook",
         "newsrules",
         "News Rules",
         "outlook express news rules",
         {DeleteRegTree(kCurrentUser,
                        "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\"
                        "Outlook Express\\5.0\\Rules\\News"),
          AddEntries(1)}},
        {"outlook",
         "signatures",
         "Signatures",
         "outlook express signatures",
         {DeleteRegTree(kCurrentUser,
                        "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\"
                        "Outlook Express\\5.0\\signatures")}},
    };
    return items;
}

std::span<const CleanItem> WindowsLiveMailItems() {
    static const std::vector<CleanItem> items = {
        // The last three are Windows' open and save dialog histories.
        {"mail",
         "Recently",
         "Windows Live Mail Recently",
         "Windows Live Mail Recently",
         {DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\Windows Live Mail\\Recent Stationery Wide List"),
          DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Windows Live Mail\\Reply Count"),
          DeleteRegTree(
              kCurrentUser,
              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\CIDSizeMRU"),
          DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisi"
                        "tedPidlMRU"),
          DeleteRegTree(
              kCurrentUser,
              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSavePidlMRU")},
         64},
        {"mail",
         "Signatures",
         "Windows Live Mail Signatures",
         "Windows Live Mail Signatures",
         {DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Windows Live Mail\\signatures")}},
        {"mail",
         "Block",
         "Junk Mail Block Senders list",
         "Windows Live Mail Block Senders list",
         {DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\Windows Live Mail\\PerPassportSettings\\0\\"
                        "Junk Mail\\Block Senders List")},
         65},
        {"mail",
         "Safe",
         "Junk Mail Safe Senders list",
         "Windows Live Mail Safe Senders list",
         {DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\Windows Live Mail\\PerPassportSettings\\0\\"
                        "Junk Mail\\Safe Senders List")}},
        {"mail",
         "mailrules",
         "Windows Live Mail mail rules",
         "Windows Live Mail Mail rules",
         {DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Windows Live Mail\\Rules\\Mail")},
         67},
        {"mail",
         "newsrules",
         "Windows Live Mail news rules",
         "Windows Live Mail news rules",
         {DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Windows Live Mail\\Rules\\News")},
         69},
        {"mail",
         "accounts",
         "Windows Live Mail accounts",
         "Windows Live Mail accounts",
         {Step(liveMailAccounts)},
         70},
    };
    return items;
}

}  // namespace hv::catalogue
