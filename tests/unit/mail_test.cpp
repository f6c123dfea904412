#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv {
namespace {

// Two Outlook Express identities and one Windows Live Mail store, with neighbours that must stay.
const char* const kFiles = R"(
    C:\Users\ann\AppData\Roaming\Microsoft\Address Book\ann.wab | size=100
    C:\Users\ann\AppData\Roaming\Microsoft\Address Book\Work.WAB | size=200
    C:\Users\ann\AppData\Roaming\Microsoft\Address Book\old\bob.Wab | size=50
    C:\Users\ann\AppData\Roaming\Microsoft\Address Book\ann.wab~ | size=1
    C:\Users\ann\AppData\Roaming\Microsoft\Address Book\ann.wab.bak | size=2
    C:\Users\ann\AppData\Local\Identities\Deleted Items.dbx | size=300
    C:\Users\ann\AppData\Local\Identities\{A}\Microsoft\Outlook Express\Deleted Items.dbx | size=310
    C:\Users\ann\AppData\Local\Identities\{B}\Microsoft\Outlook Express\Deleted Items.dbx | size=320
    C:\Users\ann\AppData\Local\Identities\{C}\deleted items.DBX | size=330
    C:\Users\ann\AppData\Local\Identities\{A}\Microsoft\Outlook Express\Sent Items.dbx | size=400
    C:\Users\ann\AppData\Local\Identities\{A}\Microsoft\Outlook Express\Outbox.dbx | size=500
    C:\Users\ann\AppData\Local\Identities\{A}\Microsoft\Outlook Express\Folders.dbx | size=600
    C:\Users\ann\AppData\Local\Identities\{A}\Microsoft\Outlook Express\Inbox.dbx | size=700
    C:\Users\ann\AppData\Local\Microsoft\Windows Live Mail\ann.oeaccount | size=800
    C:\Users\ann\AppData\Local\Microsoft\Windows Live Mail\Hotmail\acc.OEACCOUNT | size=900
    C:\Users\ann\AppData\Local\Microsoft\Windows Live Mail\Hotmail\mail.eml | size=5
)";

const char* const kRegistry =
    R"([HKEY_CURRENT_USER\Software\Microsoft\Internet Account Manager\Accounts\00000001]
"Account Name"="mail"
[HKEY_CURRENT_USER\Identities\{D26D609B-5ED5-4F41-B764-6684674F99A4}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail]
"Sender"="spam"
[HKEY_CURRENT_USER\Identities\{D26D609B-5ED5-4F41-B764-6684674F99A4}\Software\Microsoft\Outlook Express\5.0\Rules\Mail\000]
[HKEY_CURRENT_USER\Identities\{D26D609B-5ED5-4F41-B764-6684674F99A4}\Software\Microsoft\Outlook Express\5.0\Rules\News\000]
[HKEY_CURRENT_USER\Identities\{D26D609B-5ED5-4F41-B764-6684674F99A4}\Software\Microsoft\Outlook Express\5.0\signatures\00000000]
[HKEY_CURRENT_USER\Identities\{0F0F0F0F-1111-2222-3333-444455556666}\Software\Microsoft\Outlook Express\5.0\Rules\Mail\000]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Live Mail\Recent Stationery Wide List]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Live Mail\Reply Count]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Live Mail\signatures\8de4]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Live Mail\PerPassportSettings\0\Junk Mail\Block Senders List]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Live Mail\PerPassportSettings\0\Junk Mail\Safe Senders List]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Live Mail\Rules\Mail\000]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Live Mail\Rules\News\000]
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\CIDSizeMRU]
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\LastVisitedPidlMRU]
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\OpenSavePidlMRU]
[HKEY_CURRENT_USER\Software\Microsoft\Windows Mail]
"Store Root"=" C:\\Users\\ann\\AppData\\Local\\Microsoft\\Windows Live Mail "
)";

// A clean run over both mail groups on a machine holding the fixture above.
struct Rig {
    Rig() {
        machine.addFiles(kFiles);
        machine.addRegistry(kRegistry);
        run.env = ComputeEnvironment(os);
        for (auto group : {catalogue::OutlookExpressItems(), catalogue::WindowsLiveMailItems()})
            items.insert(items.end(), group.begin(), group.end());
        run.setItems(items);
    }
    // Files start with a drive; registry entries are HKCU keys.
    bool present(const std::string& entry) {
        if (entry.starts_with("C:\\")) return machine.files.exists(entry);
        return machine.registry.keyExists(kCurrentUser, entry);
    }

    sim::Machine machine;
    Platform os = machine.platform();
    test::RecordingReport report;
    std::vector<CleanItem> items;
    CleanRun run{os, report};
};

struct ItemCase {
    std::string section;
    std::string key;
    std::string row;
    std::vector<std::string> gone;
    std::vector<std::string> kept;
    double bytes;
    double entries;
};

TEST(MailItems, EachItemRemovesItsTargetsAndCountsWhatThePrimitivesReturn) {
    const std::string book = "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Address Book\\";
    const std::string ids = "C:\\Users\\ann\\AppData\\Local\\Identities\\";
    const std::string oeA = ids + "{A}\\Microsoft\\Outlook Express\\";
    const std::string oeB = ids + "{B}\\Microsoft\\Outlook Express\\";
    const std::string store = "C:\\Users\\ann\\AppData\\Local\\Microsoft\\Windows Live Mail\\";
    const std::string oe =
        "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\Outlook "
        "Express\\5.0\\";
    const std::string otherIdentity =
        "Identities\\{0F0F0F0F-1111-2222-3333-444455556666}\\Software\\Microsoft\\Outlook "
        "Express\\5.0\\Rules\\Mail";
    const std::string wlm = "Software\\Microsoft\\Windows Live Mail\\";
    const std::string comDlg = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\";
    const std::vector<ItemCase> cases = {
        // Any letter case of the extension, at any depth; only the folder itself is counted.
        {"outlook",
         "address",
         "outlook express address book",
         {book + "ann.wab", book + "Work.WAB", book + "old\\bob.Wab"},
         {book + "ann.wab~", book + "ann.wab.bak"},
         10300,
         0},
        {"outlook",
         "accounts",
         "outlook express Accounts",
         {"Software\\Microsoft\\Internet Account Manager"},
         {"Software\\Microsoft"},
         0,
         5},
        // Every identity's store goes, with the exact file name only.
        {"outlook",
         "deleted",
         "outlook express deleted email",
         {ids + "Deleted Items.dbx", oeA + "Deleted Items.dbx", oeB + "Deleted Items.dbx"},
         {ids + "{C}\\deleted items.DBX", oeA + "Inbox.dbx"},
         10300,
         0},
        {"outlook",
         "sent",
         "outlook express sent email",
         {oeA + "Sent Items.dbx"},
         {oeA + "Outbox.dbx"},
         10000,
         0},
        {"outlook",
         "outbox",
         "outlook express outbox email",
         {oeA + "Outbox.dbx"},
         {oeA + "Sent Items.dbx"},
         10000,
         0},
        {"outlook",
         "blocked",
         "outlook express blocked senders list",
         {oe + "Block Senders"},
         {oe + "Rules\\Mail"},
         0,
         6},
        {"outlook",
         "created",
         "outlook express history of Outlook folders you created",
         {oeA + "Folders.dbx"},
         {oeA + "Inbox.dbx"},
         10000,
         0},
        // Only the one fixed identity's rules; the same key of Windows Live Mail stays.
        {"outlook",
         "mailrules",
         "outlook express mail rules",
         {oe + "Rules\\Mail"},
         {oe + "Rules\\News", otherIdentity, wlm + "Rules\\Mail"},
         0,
         5},
        {"outlook",
         "newsrules",
         "outlook express news rules",
         {oe + "Rules\\News"},
         {oe + "Rules\\Mail", wlm + "Rules\\News"},
         0,
         6},
        {"outlook", "signatures", "outlook express signatures", {oe + "signatures"}, {}, 0, 5},
        {"mail",
         "Recently",
         "Windows Live Mail Recently",
         {wlm + "Recent Stationery Wide List", wlm + "Reply Count", comDlg + "CIDSizeMRU",
          comDlg + "LastVisitedPidlMRU", comDlg + "OpenSavePidlMRU"},
         {wlm + "signatures"},
         0,
         25},
        {"mail",
         "Signatures",
         "Windows Live Mail Signatures",
         {wlm + "signatures"},
         {oe + "signatures"},
         0,
         5},
        {"mail",
         "Block",
         "Windows Live Mail Block Senders list",
         {wlm + "PerPassportSettings\\0\\Junk Mail\\Block Senders List"},
         {wlm + "PerPassportSettings\\0\\Junk Mail\\Safe Senders List"},
         0,
         5},
        {"mail",
         "Safe",
         "Windows Live Mail Safe Senders list",
         {wlm + "PerPassportSettings\\0\\Junk Mail\\Safe Senders List"},
         {wlm + "PerPassportSettings\\0\\Junk Mail\\Block Senders List"},
         0,
         5},
        {"mail",
         "mailrules",
         "Windows Live Mail Mail rules",
         {wlm + "Rules\\Mail"},
         {oe + "Rules\\Mail", wlm + "Rules\\News"},
         0,
         5},
        {"mail",
         "newsrules",
         "Windows Live Mail news rules",
         {wlm + "Rules\\News"},
         {oe + "Rules\\News"},
         0,
         5},
        // The store root's blanks are trimmed; only the account files go.
        {"mail",
         "accounts",
         "Windows Live Mail accounts",
         {store + "ann.oeaccount", store + "Hotmail\\acc.OEACCOUNT"},
         {store + "Hotmail\\mail.eml", "Software\\Microsoft\\Internet Account Manager"},
         10800,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.key);
        Rig rig;
        rig.machine.setSetting(c.section, c.key, "1");
        rig.run.CleanNow();
        ASSERT_EQ(rig.report.rows.size(), 2u);
        EXPECT_EQ(rig.report.rows[0].item, c.row);
        EXPECT_EQ(rig.report.rows[0].status, "Done");
        for (const auto& entry : c.gone) EXPECT_FALSE(rig.present(entry)) << entry;
        for (const auto& entry : c.kept) EXPECT_TRUE(rig.present(entry)) << entry;
        EXPECT_EQ(rig.run.ReleasedBytes, c.bytes);
        EXPECT_EQ(rig.run.RemovedEntries, c.entries);
    }
}

TEST(MailItems, ProgressEndsAt70AfterTheLastMailItem) {
    Rig rig;
    rig.run.CleanNow();
    EXPECT_EQ(rig.report.rows.size(), 1u);
    EXPECT_EQ(rig.report.progress, (std::vector<int>{1, 59, 60, 62, 64, 65, 67, 69, 70, 97, 100}));
}

TEST(MailItems, LiveMailAccountsNeedAStoreRootThatNamesAFolder) {
    struct StoreCase {
        std::string name;
        std::string storeRoot;  // empty: the value is missing
        double bytes;
    };
    const std::vector<StoreCase> cases = {
        {"missing value", "", 0},
        {"blank value", "   ", 0},
        // Stored unexpanded, the text names no folder; the primitive's fixed addition remains.
        {"environment reference", "%USERPROFILE%\\AppData\\Local\\Microsoft\\Windows Live Mail",
         10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.machine.registry.deleteValue(kCurrentUser, "Software\\Microsoft\\Windows Mail",
                                         "Store Root");
        if (!c.storeRoot.empty())
            rig.machine.registry.setString(kCurrentUser, "Software\\Microsoft\\Windows Mail",
                                           "Store Root", c.storeRoot);
        rig.machine.setSetting("mail", "accounts", "1");
        const std::size_t before = rig.machine.files.removed.size();
        rig.run.CleanNow();
        EXPECT_EQ(rig.machine.files.removed.size(), before);
        EXPECT_EQ(rig.report.rows.at(0).status, "Done");
        EXPECT_EQ(rig.run.ReleasedBytes, c.bytes);
    }
}

}  // namespace
}  // namespace hv
