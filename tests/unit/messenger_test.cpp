#include <gtest/gtest.h>

#include <optional>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv {
namespace {

// One messenger of each kind, with neighbours that must survive.
const char* const kFiles = R"(
    C:\Users\ann\Documents\my chat logs\a.xml | size=100
    C:\Users\ann\Documents\my chat logs\old\b.xml | size=50
    C:\Users\ann\Documents\my received files\pic.jpg | size=200
    C:\Program Files\Yahoo!\Messenger\Cache\c.bin | size=300
    C:\Program Files\Yahoo!\Messenger\logs\l.txt | size=400
    C:\Program Files\Yahoo!\Messenger\Profiles\ann\p.dat | size=500
    C:\Program Files\Yahoo!\Messenger\Profiles\top.dat | size=550
    C:\Program Files\Yahoo!\Messenger\yahoo.exe | size=1
    C:\Users\ann\AppData\Local\AIM\Settings\s.xml | size=600
    C:\Users\ann\AppData\Local\AIM\aimx.bin | size=700
    C:\Users\ann\AppData\Local\AIM\ann\aimx.bin | size=70
    C:\Users\ann\AppData\Local\AIM\other.bin | size=7
    C:\Users\ann\AppData\Roaming\acccore\caches\users\u.dat | size=800
    C:\Users\ann\Documents\AIMLogger\log.html | size=900
    C:\Users\ann\AppData\Roaming\ICQ\Application.qdb | size=11
    C:\Users\ann\AppData\Roaming\ICQ\Messages.qdb | size=12
    C:\Users\ann\AppData\Roaming\ICQ\ann\deep\Messages.qdb | size=13
    C:\Users\ann\AppData\Roaming\ICQ\ann\messages.qdb | size=14
    C:\Users\ann\AppData\Roaming\ICQ\Owner.qdb | size=15
    C:\Users\ann\Documents\ICQ\ann\ReceivedFiles\f.txt | size=16
    C:\Users\ann\Documents\ICQ\bob\receivedfiles\g.txt | size=17
    C:\Users\ann\Documents\ICQ\bob\Sent\h.txt | size=18
)";

const char* const kRegistry = R"([HKEY_CURRENT_USER\Software\Yahoo\pager]
"Yahoo! User ID"="ann"
"Auto Login"="1"
"Version"="11"
[HKEY_CURRENT_USER\Software\Yahoo\pager\profiles\ann]
"Alias"="a"
[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\TypeLib\{2B323CCC-50E3-11D3-9466-00A0C9700498}\1.0\HELPDIR]
@=" C:\\Program Files\\Yahoo!\\Messenger\\ "
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\LowRegistry\ICQ\ICQToolBar\History]
"1"="query"
)";

// A clean run over the messenger group on a machine holding the fixture above.
struct Rig {
    Rig() {
        machine.addFiles(kFiles);
        machine.addRegistry(kRegistry);
        run.env = ComputeEnvironment(os);
        run.setItems(catalogue::MessengerItems());
    }
    // Files start with a drive; registry entries are HKCU keys, or "key|value" for a value.
    bool present(const std::string& entry) {
        if (entry.starts_with("C:\\")) return machine.files.exists(entry);
        const auto bar = entry.find('|');
        if (bar == std::string::npos) return machine.registry.keyExists(kCurrentUser, entry);
        return machine.registry.value(kCurrentUser, entry.substr(0, bar), entry.substr(bar + 1))
            .has_value();
    }

    sim::Machine machine;
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run{os, report};
};

struct ItemCase {
    std::string key;
    std::string row;
    std::vector<std::string> gone;
    std::vector<std::string> kept;
    double bytes;
    double entries;
};

TEST(MessengerItems, EachItemRemovesItsTargetsAndCountsWhatThePrimitivesReturn) {
    const std::string docs = "C:\\Users\\ann\\Documents\\";
    const std::string yahoo = "C:\\Program Files\\Yahoo!\\Messenger\\";
    const std::string aim = "C:\\Users\\ann\\AppData\\Local\\AIM\\";
    const std::string icq = "C:\\Users\\ann\\AppData\\Roaming\\ICQ\\";
    const std::vector<ItemCase> cases = {
        // Recursive primitives count what lies directly in the folder, plus 10000.
        {"msnchat",
         "Windows Live Messenger chat log folder",
         {docs + "my chat logs\\a.xml", docs + "my chat logs\\old\\b.xml"},
         {docs + "my received files\\pic.jpg"},
         10100,
         0},
        {"msnfiles",
         "Windows Live Messenger Received Files folder",
         {docs + "my received files\\pic.jpg"},
         {docs + "my chat logs\\a.xml"},
         10200,
         0},
        {"yahoopage",
         "Yahoo! Messenger Page settings",
         {"Software\\Yahoo\\pager|Yahoo! User ID", "Software\\Yahoo\\pager|Auto Login"},
         {"Software\\Yahoo\\pager|Version", "Software\\Yahoo\\pager\\profiles\\ann"},
         0,
         2},
        {"yahooprofiles",
         "Yahoo! Messenger profiles",
         {"Software\\Yahoo\\pager\\profiles", yahoo + "Profiles\\ann\\p.dat",
          yahoo + "Profiles\\top.dat"},
         {"Software\\Yahoo\\pager|Yahoo! User ID", yahoo + "yahoo.exe"},
         10550,
         5},
        {"yahoofiles",
         "Yahoo! Messenger Temporary Internet Files",
         {yahoo + "Cache\\c.bin"},
         {yahoo + "logs\\l.txt", yahoo + "yahoo.exe"},
         10300,
         0},
        {"yahoologs",
         "Yahoo! Messenger Log Files",
         {yahoo + "logs\\l.txt"},
         {yahoo + "Cache\\c.bin"},
         10400,
         0},
        {"aolsettings",
         "AOL Instant Messenger settings",
         {aim + "Settings\\s.xml"},
         {aim + "aimx.bin"},
         10600,
         0},
        // Only the file directly in the AIM folder, and no fixed addition.
        {"aolnames",
         "AOL Instant Messenger Recent screen names",
         {aim + "aimx.bin"},
         {aim + "ann\\aimx.bin", aim + "other.bin"},
         700,
         0},
        {"aolpassword",
         "AOL Messenger user password",
         {aim + "aimx.bin"},
         {aim + "ann\\aimx.bin", aim + "other.bin"},
         700,
         0},
        {"aolbuddy",
         "AOL Information about Buddy list",
         {"C:\\Users\\ann\\AppData\\Roaming\\acccore\\caches\\users\\u.dat"},
         {},
         10800,
         0},
        {"aollogs", "AOL Messenger logs", {docs + "AIMLogger\\log.html"}, {}, 10900, 0},
        {"icqsign",
         "ICQ Sign in history",
         {icq + "Application.qdb"},
         {icq + "Messages.qdb", icq + "Owner.qdb"},
         10011,
         0},
        // Found at any depth, but only with its exact letter case.
        {"icquser",
         "ICQ User history",
         {icq + "Messages.qdb", icq + "ann\\deep\\Messages.qdb"},
         {icq + "ann\\messages.qdb", icq + "Application.qdb"},
         10012,
         0},
        {"icqcontact",
         "ICQ contact list",
         {icq + "Owner.qdb"},
         {icq + "Application.qdb"},
         10015,
         0},
        {"icqaccount", "ICQ Account", {icq + "Application.qdb"}, {icq + "Owner.qdb"}, 10011, 0},
        // ReceivedFiles in any letter case, below DocumentsFolder\ICQ; none directly in it.
        {"icqfiles",
         "ICQ All the files received from the other users",
         {docs + "ICQ\\ann\\ReceivedFiles", docs + "ICQ\\bob\\receivedfiles"},
         {docs + "ICQ\\bob\\Sent\\h.txt"},
         10000,
         0},
        {"icqsearch",
         "ICQ Toolbar search history",
         {"Software\\Microsoft\\Internet Explorer\\LowRegistry\\ICQ\\ICQToolBar\\History"},
         {"Software\\Microsoft\\Internet Explorer\\LowRegistry\\ICQ\\ICQToolBar"},
         0,
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Rig rig;
        rig.machine.setSetting("Messenger", c.key, "1");
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

TEST(MessengerItems, ProgressMovesAtItsCheckpointsWhetherOrNotTheItemsRun) {
    Rig rig;
    rig.run.CleanNow();
    EXPECT_EQ(rig.report.rows.size(), 1u);
    EXPECT_EQ(rig.report.progress, (std::vector<int>{1, 44, 45, 46, 47, 48, 97, 100}));
}

TEST(MessengerItems, ItemsThatShareAFileBothRunAndTheSecondFindsNothing) {
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"aolnames", "aolpassword"},
        {"icqsign", "icqaccount"},
    };
    // aimx.bin counts 700 once; Application.qdb counts 11 once, each recursive call 10000.
    const std::vector<double> bytes = {700, 20011};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        SCOPED_TRACE(pairs[i].first);
        Rig rig;
        rig.machine.setSetting("Messenger", pairs[i].first, "1");
        rig.machine.setSetting("Messenger", pairs[i].second, "1");
        rig.run.CleanNow();
        ASSERT_EQ(rig.report.rows.size(), 3u);
        EXPECT_EQ(rig.report.rows[0].status, "Done");
        EXPECT_EQ(rig.report.rows[1].status, "Done");
        EXPECT_EQ(rig.run.ReleasedBytes, bytes[i]);
    }
}

TEST(MessengerItems, YahooProfilesStopAfterTheRegistryWithoutAUsableHelpFolder) {
    struct HelpCase {
        std::string name;
        std::optional<std::string> helpDir;  // nothing: the type library key is missing
    };
    const std::vector<HelpCase> cases = {
        {"missing key", std::nullopt},
        {"empty value", "   "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        const std::string key =
            "SOFTWARE\\Classes\\TypeLib\\{2B323CCC-50E3-11D3-9466-00A0C9700498}\\1.0\\HELPDIR";
        rig.machine.registry.deleteTree(kLocalMachine, key);
        if (c.helpDir) rig.machine.registry.setString(kLocalMachine, key, "", *c.helpDir);
        rig.machine.setSetting("Messenger", "yahooprofiles", "1");
        rig.run.CleanNow();
        EXPECT_FALSE(rig.present("Software\\Yahoo\\pager\\profiles"));
        EXPECT_TRUE(rig.present("C:\\Program Files\\Yahoo!\\Messenger\\Profiles\\top.dat"));
        EXPECT_EQ(rig.run.RemovedEntries, 5);
        EXPECT_EQ(rig.run.ReleasedBytes, 0);
    }
}

TEST(MessengerItems, DocumentsItemsDeleteNothingWhenTheDocumentsFolderIsUnknown) {
    Rig rig;
    rig.machine.registry.deleteValue(
        kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
        "Personal");
    for (const char* key : {"msnchat", "msnfiles", "aollogs", "icqfiles"})
        rig.machine.setSetting("Messenger", key, "1");
    const std::size_t before = rig.machine.files.removed.size();
    rig.run.CleanNow();
    EXPECT_EQ(rig.machine.files.removed.size(), before);
    EXPECT_EQ(rig.report.rows.size(), 5u);
    EXPECT_EQ(rig.report.rows[3].status, "Done");
}

}  // namespace
}  // namespace hv
