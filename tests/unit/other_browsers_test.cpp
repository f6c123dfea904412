#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "engine/inifun.h"
#include "platform/sim/machine.h"
#include "support/browser_bench.h"

namespace hv {
namespace {

using namespace catalogue;

using test::Bench;
using test::kAppData;

struct ItemCase {
    std::string key;
    std::string statusText;
    std::vector<std::string> removed;  // below AppData
    std::string bytes;                 // "filesize" after the run
};

// Runs every case on a fresh machine with only its key switched on.
void expectCases(const std::string& machineFiles, std::span<const CleanItem> items,
                 const std::string& section, const std::vector<ItemCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(section + "/" + c.key);
        Bench bench(machineFiles);
        bench.clean(items, section, {c.key});
        ASSERT_EQ(bench.report.rows.size(), 2u);
        EXPECT_EQ(bench.report.rows[0].item, c.statusText);
        EXPECT_EQ(bench.report.rows[0].status, "Done");
        auto expected = c.removed;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(bench.removed(), expected);
        EXPECT_EQ(bench.figure("filesize"), c.bytes);
        EXPECT_EQ(bench.figure("regnum"), "0");
    }
}

std::vector<int> progressWithNothingOn(std::span<const CleanItem> items) {
    Bench bench("");
    bench.run.setItems(items);
    bench.run.CleanNow();
    return bench.report.progress;
}

// Files directly in a root are counted, deeper ones are not; each root has a look-alike in the
// other root that must stay.
const char* const kOperaMachine = R"(
    C:\Users\ann\AppData\Roaming\Opera\Opera\typed_history.xml | size=1
    C:\Users\ann\AppData\Roaming\Opera\Opera\global_history.dat | size=3
    C:\Users\ann\AppData\Roaming\Opera\Opera\bookmarks.adr | size=5
    C:\Users\ann\AppData\Roaming\Opera\Opera\profile\cookies4.dat | size=20
    C:\Users\ann\AppData\Roaming\Opera\Opera\profile\download.dat | size=21
    C:\Users\ann\AppData\Roaming\Opera\Opera\profile\wand.dat | size=22
    C:\Users\ann\AppData\Roaming\Opera\Opera\profile\Wand.dat.old | size=23
    C:\Users\ann\AppData\Roaming\Opera\Opera\Sessions\autosave.win | size=40
    C:\Users\ann\AppData\Roaming\Opera\Opera\cache\r.bin | size=41
    C:\Users\ann\AppData\Roaming\Opera\Opera\thumbnails\r.png | size=42
    C:\Users\ann\AppData\Local\Opera\Opera\typed_history.xml | size=50
    C:\Users\ann\AppData\Local\Opera\Opera\sessions\s.win | size=51
    C:\Users\ann\AppData\Local\Opera\Opera\cache\l.bin | size=60
    C:\Users\ann\AppData\Local\Opera\Opera\x\Cache\m.bin | size=61
    C:\Users\ann\AppData\Local\Opera\Opera\thumbnails\t.png | size=70
)";

TEST(OperaItemsTest, EachItemDeletesItsNamesBelowItsOwnRootOnly) {
    const std::string roaming = "Roaming\\Opera\\Opera\\";
    const std::string local = "Local\\Opera\\Opera\\";
    expectCases(
        kOperaMachine, OperaItems(), "Opera",
        {
            {"Address", "Opera Address Bar History", {roaming + "typed_history.xml"}, "10001"},
            {"Cookies", "Opera Cookies", {roaming + "profile\\cookies4.dat"}, "10000"},
            {"cache",
             "Opera Cache",
             {local + "cache", local + "cache\\l.bin", local + "x\\Cache",
              local + "x\\Cache\\m.bin"},
             "10060"},
            {"History", "Opera History Files", {roaming + "global_history.dat"}, "10003"},
            {"downloads", "Opera Download History", {roaming + "profile\\download.dat"}, "10000"},
            {"Sessions",
             "Opera Sessions Files",
             {roaming + "Sessions", roaming + "Sessions\\autosave.win"},
             "10040"},
            {"Images",
             "Opera Site Image Files",
             {local + "thumbnails", local + "thumbnails\\t.png"},
             "10070"},
            {"Bookmarks", "Opera Bookmarks", {roaming + "bookmarks.adr"}, "10005"},
            {"Passwords", "Opera Passwords", {roaming + "profile\\wand.dat"}, "10000"},
        });
}

TEST(OperaItemsTest, CheckpointsFollowItems1To3And9) {
    EXPECT_EQ(progressWithNothingOn(OperaItems()), (std::vector<int>{1, 17, 18, 19, 20, 97, 100}));
}

const char* const kMaxthonMachine = R"(
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\SmartUrl.dat | size=2
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\SmartUrl.dat | size=10
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\bob\SMARTURL.DAT | size=11
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\Config.ini | size=12
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\lasttabs.dat | size=13
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\config.dat | size=14
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\History.dat | size=15
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\Cookie.dat | size=16
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\mxundo.dat | size=17
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\tempfb3.dat | size=18
    C:\Users\ann\AppData\Roaming\Maxthon3\Users\ann\SvrInfo.dat | size=19
    C:\Users\ann\AppData\Roaming\Maxthon3\Public\SmartUrl.dat | size=20
    C:\Users\ann\AppData\Roaming\Maxthon3\Public\Downloader\other.dl | size=21
    C:\Users\ann\AppData\Roaming\Maxthon3\Public\Downloader\TaskList\t1.dl | size=30
    C:\Users\ann\AppData\Roaming\Maxthon3\Public\Downloader\TaskList\sub\t2.dl | size=40
)";

TEST(MaxthonItemsTest, EachItemDeletesItsNamesBelowTheUsersRoot) {
    const std::string users = "Roaming\\Maxthon3\\Users\\";
    const std::string tasks = "Roaming\\Maxthon3\\Public\\Downloader\\TaskList\\";
    expectCases(
        kMaxthonMachine, MaxthonItems(), "Maxthon",
        {
            {"keywords",
             "Maxthon Typed Urls",
             {users + "SmartUrl.dat", users + "ann\\SmartUrl.dat"},
             "10002"},
            {"pages",
             "Maxthon information about open pages",
             {users + "ann\\Config.ini", users + "ann\\lasttabs.dat"},
             "20000"},
            {"settings",
             "Maxthon settings",
             {users + "ann\\Config.ini", users + "ann\\config.dat"},
             "20000"},
            {"groups",
             "Maxthon History Files",
             {users + "ann\\History.dat", users + "ann\\Cookie.dat", users + "ann\\mxundo.dat",
              users + "ann\\tempfb3.dat", users + "ann\\SvrInfo.dat"},
             "50000"},
            // Every file at every depth goes; the folders stay.
            {"folder",
             "Maxthon Download Task history",
             {tasks + "t1.dl", tasks + "sub\\t2.dl"},
             "10030"},
        });
}

TEST(MaxthonItemsTest, SwitchesAreReadAsNumbers) {
    const struct {
        std::string value;
        bool runs;
    } cases[] = {{"1", true}, {"01", true}, {"0", false}, {"", false}, {"1x", false}, {"2", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("value '" + c.value + "'");
        Bench bench(kMaxthonMachine);
        bench.clean(MaxthonItems(), "Maxthon", {"keywords"}, c.value);
        EXPECT_EQ(bench.report.rows.size(), c.runs ? 2u : 1u);
        EXPECT_EQ(bench.machine.files.exists(kAppData + "Roaming\\Maxthon3\\Users\\SmartUrl.dat"),
                  !c.runs);
    }
}

TEST(MaxthonItemsTest, ValueZeroOneRunsMaxthonButNotFirefox) {
    std::vector<CleanItem> items(FirefoxItems().begin(), FirefoxItems().end());
    items.insert(items.end(), MaxthonItems().begin(), MaxthonItems().end());
    Bench bench(R"(
        C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\p\places.sqlite | size=1
    )");
    bench.machine.setSetting("FIREFOX", "Address", "01");
    bench.clean(items, "Maxthon", {"keywords"}, "01");
    EXPECT_EQ(bench.report.items(),
              (std::vector<std::string>{"Maxthon Typed Urls", "Task complete Successfully!"}));
    EXPECT_TRUE(bench.machine.files.exists(
        kAppData + "Roaming\\Mozilla\\Firefox\\Profiles\\p\\places.sqlite"));
}

const char* const kChromeMachine = R"(
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Local State | size=7
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Profile 1\History | size=100
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\History | size=1
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\History-journal | size=101
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Cookies | size=2
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Cookies-journal | size=102
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Cache\data_1 | size=3
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Cache\sub\f_2 | size=4
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Preferences
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\SyncData.sqlite3
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\SyncData.sqlite3-journal
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Archived History
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Visited Links
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Shortcuts
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Web Data | size=5
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Favicons
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Last Session
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Current Session
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Top Sites
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Current Tabs
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Session Storage\000003.log | size=8
    C:\Users\ann\AppData\Local\Google\Chrome\User Data\Default\Session Storage\sub\x.ldb | size=9
)";

TEST(ChromeItemsTest, EachItemDeletesItsNamesInTheDefaultProfile) {
    const std::string profile = "Local\\Google\\Chrome\\User Data\\Default\\";
    auto in = [&](std::initializer_list<const char*> names) {
        std::vector<std::string> out;
        for (const char* n : names) out.push_back(profile + n);
        return out;
    };
    auto history = in({"History", "Preferences", "SyncData.sqlite3", "SyncData.sqlite3-journal",
                       "Archived History", "Visited Links", "Shortcuts", "Web Data", "Favicons"});
    history.push_back("Local\\Google\\Chrome\\User Data\\Local State");
    expectCases(kChromeMachine, ChromeItems(), "Chrome",
                {
                    {"download", "Chrome download History", in({"History"}), "10001"},
                    {"Cookies", "Chrome Cookies", in({"Cookies"}), "10002"},
                    {"Cache", "Chrome Cache", in({"Cache\\data_1", "Cache\\sub\\f_2"}), "10003"},
                    // Ten recursive calls: 1 + 5 in the profile, 7 in User Data.
                    {"History", "Chrome History", history, "100013"},
                    {"Forms", "Chrome Forms Data/Saved passwords", in({"Web Data"}), "10005"},
                    {"Session", "Chrome Session",
                     in({"Last Session", "Current Session", "Top Sites", "Current Tabs",
                         "Session Storage\\000003.log", "Session Storage\\sub\\x.ldb"}),
                     "50008"},
                });
}

const char* const kSafariMachine = R"(
    C:\Users\ann\AppData\Local\Apple Computer\Safari\History\h1 | size=1
    C:\Users\ann\AppData\Local\Apple Computer\Safari\History\h2 | size=2 | attr=H
    C:\Users\ann\AppData\Local\Apple Computer\Safari\History\locked | size=4 | attr=R
    C:\Users\ann\AppData\Local\Apple Computer\Safari\History\sub\h3 | size=1000
    C:\Users\ann\AppData\Local\Apple Computer\Safari\Cache.db | size=16
    C:\Users\ann\AppData\Local\Apple Computer\Safari\WebpageIcons.db | size=32
    C:\Users\ann\AppData\Local\Apple Computer\Safari\x\Cache.db | size=1000
    C:\Users\ann\AppData\Local\Apple Computer\Safari\History.plist | size=1000
    C:\Users\ann\AppData\Local\Apple Computer\Safari\Webpage Previews\p.png | size=64
    C:\Users\ann\AppData\Local\Apple Computer\Safari\Webpage Previews\sub\q.png | size=1000
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\History.plist | size=8
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\sub\History.plist | size=1000
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\LastSession.plist | size=128
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\TopSites.plist | size=256
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\Cookies\Cookies.plist | size=512
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\Cookies.plist | size=1000
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\Downloads.plist | size=1024
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\Form Values.plist | size=2048
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\Preferences\keychain.plist | size=4096
    C:\Users\ann\AppData\Roaming\Apple Computer\Safari\com.apple.Safari.plist | size=1000
    C:\Users\ann\AppData\Roaming\Apple Computer\Preferences\com.apple.Safari.plist | size=8192
)";

TEST(SafariItemsTest, EachItemTouchesOnlyFilesDirectlyInItsFolders) {
    const std::string roaming = "Roaming\\Apple Computer\\Safari\\";
    const std::string local = "Local\\Apple Computer\\Safari\\";
    expectCases(
        kSafariMachine, SafariItems(), "Safari",
        {
            // The read-only file stays but is counted.
            {"History",
             "Safari History",
             {local + "History\\h1", local + "History\\h2", roaming + "History.plist"},
             "15"},
            {"pages",
             "Safari Information about open pages",
             {roaming + "LastSession.plist", roaming + "TopSites.plist"},
             "384"},
            {"Cache", "Safari Cache", {local + "Cache.db", local + "WebpageIcons.db"}, "48"},
            {"Cookies", "Safari Cookies", {roaming + "Cookies\\Cookies.plist"}, "512"},
            {"download", "Safari Download information", {roaming + "Downloads.plist"}, "1024"},
            {"Autocomplete",
             "Safari Autocomplete",
             {roaming + "Form Values.plist", roaming + "Preferences\\keychain.plist"},
             "6144"},
            {"Images", "Safari Webpage Preview Images", {local + "Webpage Previews\\p.png"}, "64"},
            {"RecentSearches",
             "Safari Recent Searches",
             {"Roaming\\Apple Computer\\Preferences\\com.apple.Safari.plist"},
             "8192"},
        });
}

// With no browser on the machine, only the recursive calls count: 10000 each.
TEST(OtherBrowsersTest, WithoutTheBrowsersItemsCountOnlyTheirRecursiveCalls) {
    const struct {
        std::span<const CleanItem> items;
        std::string section;
        std::string key;
        std::string bytes;
    } cases[] = {
        {OperaItems(), "Opera", "cache", "10000"},
        {MaxthonItems(), "Maxthon", "groups", "50000"},
        {MaxthonItems(), "Maxthon", "folder", "10000"},
        {ChromeItems(), "Chrome", "History", "100000"},
        {ChromeItems(), "Chrome", "Session", "50000"},
        {SafariItems(), "Safari", "History", "0"},
        {SafariItems(), "Safari", "Autocomplete", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.key);
        Bench bench("");
        bench.clean(c.items, c.section, {c.key});
        ASSERT_EQ(bench.report.rows.size(), 2u);
        EXPECT_EQ(bench.report.rows[0].status, "Done");
        EXPECT_EQ(bench.figure("filesize"), c.bytes);
        EXPECT_TRUE(bench.machine.files.removed.empty());
    }
}

TEST(OtherBrowsersTest, MaxthonChromeAndSafariSetNoCheckpoint) {
    for (auto items : {MaxthonItems(), ChromeItems(), SafariItems()})
        EXPECT_EQ(progressWithNothingOn(items), (std::vector<int>{1, 97, 100}));
}

}  // namespace
}  // namespace hv
