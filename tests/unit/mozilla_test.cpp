#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

using catalogue::FirefoxItems;
using catalogue::MozillaItems;
using catalogue::NetscapeItems;

using test::Bench;
using test::kAppData;

std::vector<std::string> sorted(std::vector<std::string> list) {
    std::sort(list.begin(), list.end());
    return list;
}

struct ItemCase {
    std::string key;
    std::string statusText;
    std::vector<std::string> removed;  // below the root the case names
    std::string bytes;                 // "filesize" after the run
};

void expectOneRow(const Bench& bench, const std::string& statusText) {
    ASSERT_EQ(bench.report.rows.size(), 2u);
    EXPECT_EQ(bench.report.rows[0].item, statusText);
    EXPECT_EQ(bench.report.rows[0].status, "Done");
    EXPECT_EQ(bench.report.rows[1].item, "Task complete Successfully!");
}

std::vector<std::string> under(const std::string& root, const std::vector<std::string>& paths) {
    std::vector<std::string> out;
    for (const auto& p : paths) out.push_back(root + p);
    return sorted(out);
}

// Two roaming profiles (one with the database two levels down), a database directly in the root
// (counted), a name that differs only in case, a database above the root, and a local root with
// cache folders at two depths, a look-alike "cache2" and a local database.
const char* const kFirefoxMachine = R"(
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\places.sqlite | size=1
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\places.sqlite | size=3
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\a.default\places.sqlite | size=100
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\a.default\cookies.sqlite | size=200
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\a.default\downloads.sqlite | size=300
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\a.default\key3.db | size=400 | attr=H
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\a.default\Cache\r.bin | size=500
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\b.work\sub\places.sqlite | size=600
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\c.old\PLACES.SQLITE | size=700
    C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\Cache\z.bin | size=50
    C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\a.default\CACHE\y.bin | size=70
    C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\a.default\cache2\w.bin | size=80
    C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\a.default\places.sqlite | size=9
    C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\a.default\cookies.sqlite | size=90
)";

TEST(FirefoxItemsTest, EachItemDeletesItsNamesBelowItsOwnRootOnly) {
    const std::string roaming = "Roaming\\Mozilla\\Firefox\\Profiles\\";
    const std::string local = "Local\\Mozilla\\Firefox\\Profiles\\";
    const std::vector<std::string> places = {roaming + "places.sqlite",
                                             roaming + "a.default\\places.sqlite",
                                             roaming + "b.work\\sub\\places.sqlite"};
    const std::vector<ItemCase> cases = {
        {"Address", "Firefox Address Bar History", places, "10003"},
        {"Cookies", "Firefox Cookies", {roaming + "a.default\\cookies.sqlite"}, "10000"},
        // Two recursive calls; only the cache folder directly in the root is counted.
        {"cache",
         "Firefox Cache",
         {local + "Cache", local + "Cache\\z.bin", local + "a.default\\CACHE",
          local + "a.default\\CACHE\\y.bin", local + "a.default\\places.sqlite"},
         "20050"},
        {"History", "Firefox History Files", places, "10003"},
        {"Download",
         "Firefox Download Manager History",
         {roaming + "a.default\\downloads.sqlite"},
         "10000"},
        {"bookmarks", "Firefox Bookmarks Files", places, "10003"},
        {"passwords", "Firefox Saved Passwords", {roaming + "a.default\\key3.db"}, "10000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Bench bench(kFirefoxMachine);
        bench.clean(FirefoxItems(), "FIREFOX", {c.key});
        expectOneRow(bench, c.statusText);
        EXPECT_EQ(bench.removed(), sorted(c.removed));
        EXPECT_EQ(bench.figure("filesize"), c.bytes);
        EXPECT_EQ(bench.figure("regnum"), "0");
    }
}

TEST(FirefoxItemsTest, WithoutFirefoxEveryItemStillCounts10000PerCallAndMovesTheProgress) {
    Bench bench("");
    bench.clean(FirefoxItems(), "FIREFOX",
                {"Address", "Cookies", "cache", "History", "Download", "bookmarks", "passwords"});
    EXPECT_EQ(
        bench.report.items(),
        (std::vector<std::string>{"Firefox Address Bar History", "Firefox Cookies", "Firefox Cache",
                                  "Firefox History Files", "Firefox Download Manager History",
                                  "Firefox Bookmarks Files", "Firefox Saved Passwords",
                                  "Task complete Successfully!"}));
    // Eight recursive calls, the cache item making two.
    EXPECT_EQ(bench.figure("filesize"), "80000");
    EXPECT_TRUE(bench.machine.files.removed.empty());
    EXPECT_EQ(bench.report.progress, (std::vector<int>{1, 12, 13, 14, 15, 15, 16, 97, 100}));
}

TEST(FirefoxItemsTest, CheckpointsAreSetWhenNoItemRuns) {
    Bench bench(kFirefoxMachine);
    bench.clean(FirefoxItems(), "FIREFOX", {"Address"}, "01");
    EXPECT_EQ(bench.report.items(), std::vector<std::string>{"Task complete Successfully!"});
    EXPECT_TRUE(bench.machine.files.removed.empty());
    EXPECT_EQ(bench.report.progress, (std::vector<int>{1, 12, 13, 14, 15, 15, 16, 97, 100}));
}

// One Netscape profile tree, laid out under a root given as AppData-relative text.
std::string netscapeProfiles(const std::string& root) {
    std::string text;
    for (const char* line :
         {"history.dat | size=4", "p1\\history.dat | size=10", "p1\\cookies.txt | size=20",
          "p1\\Cache\\c.bin | size=30", "p1\\localstore.rdf | size=40",
          "p1\\downloads.rdf | size=50", "p1\\bookmarks.html | size=60",
          "p1\\signons2.txt | size=70", "p2\\signons.txt | size=80",
          "p2\\sub\\cache\\d.bin | size=90", "p3\\SIGNONS.TXT | size=5"})
        text += kAppData + root + line + "\n";
    return text;
}

const std::vector<ItemCase>& netscapeCases() {
    static const std::vector<ItemCase> cases = {
        {"Location", "Netscape Address Bar History", {"history.dat", "p1\\history.dat"}, "10004"},
        {"Cookies", "Netscape Cookies", {"p1\\cookies.txt"}, "10000"},
        {"Cache",
         "Netscape Cache",
         {"p1\\Cache", "p1\\Cache\\c.bin", "p2\\sub\\cache", "p2\\sub\\cache\\d.bin",
          "p1\\localstore.rdf"},
         "20000"},
        {"History", "Netscape History Files", {"history.dat", "p1\\history.dat"}, "10004"},
        {"download", "Netscape Download Manager History", {"p1\\downloads.rdf"}, "10000"},
        {"bookmarks", "Netscape Bookmarks", {"p1\\bookmarks.html"}, "10000"},
        {"passwords", "Netscape Saved Passwords", {"p1\\signons2.txt", "p2\\signons.txt"}, "20000"},
    };
    return cases;
}

TEST(NetscapeItemsTest, ItemsCleanBelowNsbWhenItExistsAndLeaveNavigatorAlone) {
    const std::string nsb = "Roaming\\Netscape\\NSB\\Profiles\\";
    const std::string navigator = "Roaming\\Netscape\\Navigator\\Profiles\\";
    for (const auto& c : netscapeCases()) {
        SCOPED_TRACE(c.key);
        Bench bench(netscapeProfiles(nsb) + netscapeProfiles(navigator));
        bench.clean(NetscapeItems(), "Netscape", {c.key});
        expectOneRow(bench, c.statusText);
        EXPECT_EQ(bench.removed(), under(nsb, c.removed));
        EXPECT_EQ(bench.figure("filesize"), c.bytes);
    }
}

TEST(NetscapeItemsTest, ItemsCleanBelowNavigatorWhenNsbIsMissing) {
    const std::string navigator = "Roaming\\Netscape\\Navigator\\Profiles\\";
    // An NSB that is a file, not a folder, does not count as the NSB profile folder.
    const std::string nsbFile = kAppData + "Roaming\\Netscape\\NSB\\Profiles | size=1\n";
    for (const auto& c : netscapeCases()) {
        SCOPED_TRACE(c.key);
        Bench bench(netscapeProfiles(navigator) + nsbFile);
        bench.clean(NetscapeItems(), "Netscape", {c.key});
        expectOneRow(bench, c.statusText);
        EXPECT_EQ(bench.removed(), under(navigator, c.removed));
        EXPECT_EQ(bench.figure("filesize"), c.bytes);
    }
}

// Netscape is installed anew between two items of one run.
void installNsbProfile(CleanRun& run) {
    const std::string netscape = run.env.AppDataFolder + "\\Netscape";
    for (const char* sub : {"\\NSB", "\\NSB\\Profiles", "\\NSB\\Profiles\\p"})
        run.os().files.createFolder(netscape + sub);
    run.os().files.writeFile(netscape + "\\NSB\\Profiles\\p\\history.dat", "x");
}

TEST(NetscapeItemsTest, TheRootIsChosenAgainByEveryItem) {
    const auto netscape = NetscapeItems();
    const std::vector<CleanItem> items = {
        netscape[0], {"", "", "", "", {targets::Step(installNsbProfile)}}, netscape[3]};
    Bench bench(R"(
        C:\Users\ann\AppData\Roaming\Netscape\Navigator\Profiles\p\history.dat | size=1
    )");
    bench.clean(items, "Netscape", {"Location", "History"});
    EXPECT_EQ(bench.removed(),
              (std::vector<std::string>{"Roaming\\Netscape\\NSB\\Profiles\\p\\history.dat",
                                        "Roaming\\Netscape\\Navigator\\Profiles\\p\\history.dat"}));
}

TEST(NetscapeItemsTest, CheckpointsFollowItems1To3And7) {
    Bench bench("");
    bench.clean(NetscapeItems(), "Netscape", {"Cache", "passwords"});
    EXPECT_EQ(bench.report.progress, (std::vector<int>{1, 21, 22, 23, 24, 97, 100}));
    // Cache and passwords make two recursive calls each on the missing Navigator root.
    EXPECT_EQ(bench.figure("filesize"), "40000");
}

const char* const kMozillaMachine = R"(
    C:\Users\ann\AppData\Roaming\Mozilla\Profiles\default\abc.slt\history.dat | size=10
    C:\Users\ann\AppData\Roaming\Mozilla\Profiles\default\abc.slt\cookies.txt | size=20
    C:\Users\ann\AppData\Roaming\Mozilla\Profiles\default\abc.slt\localstore.rdf | size=30
    C:\Users\ann\AppData\Roaming\Mozilla\Profiles\default\abc.slt\Cache\a.bin | size=40
    C:\Users\ann\AppData\Roaming\Mozilla\Profiles\Cache\b.bin | size=7
    C:\Users\ann\AppData\Roaming\Mozilla\Profiles\cookies.txt | size=3
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\x\history.dat | size=50
    C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\x\cache\c.bin | size=60
)";

TEST(MozillaItemsTest, EachItemDeletesItsNamesBelowTheMozillaProfilesOnly) {
    const std::string root = "Roaming\\Mozilla\\Profiles\\";
    const std::vector<ItemCase> cases = {
        {"Address", "Mozilla Address Bar History", {"default\\abc.slt\\history.dat"}, "10000"},
        {"Cookies", "Mozilla Cookies", {"cookies.txt", "default\\abc.slt\\cookies.txt"}, "10003"},
        {"cache",
         "Mozilla Cache",
         {"default\\abc.slt\\localstore.rdf", "Cache", "Cache\\b.bin", "default\\abc.slt\\Cache",
          "default\\abc.slt\\Cache\\a.bin"},
         "20007"},
        {"History", "Mozilla History Files", {"default\\abc.slt\\history.dat"}, "10000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Bench bench(kMozillaMachine);
        // The settings window may write section and key in another case.
        std::string upperKey = c.key;
        std::transform(upperKey.begin(), upperKey.end(), upperKey.begin(), ::toupper);
        bench.clean(MozillaItems(), "MOZILLA", {upperKey});
        expectOneRow(bench, c.statusText);
        EXPECT_EQ(bench.removed(), under(root, c.removed));
        EXPECT_EQ(bench.figure("filesize"), c.bytes);
    }
}

TEST(MozillaItemsTest, ItemsSetNoCheckpoint) {
    Bench bench("");
    bench.clean(MozillaItems(), "Mozilla", {"Address", "Cookies", "cache", "History"});
    EXPECT_EQ(bench.report.progress, (std::vector<int>{1, 97, 100}));
    EXPECT_EQ(bench.figure("filesize"), "50000");
}

}  // namespace
}  // namespace hv
