#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "ie_bench.h"

namespace hv {
namespace {

using catalogue::AolExplorerItems;
using catalogue::MsnExplorerItems;
using Strings = std::vector<std::string>;

const char* const kFiles = R"(
    C:\Users\ann\AppData\Local\Microsoft\Windows\INetCache\a.htm | size=100
    C:\Users\ann\AppData\Local\Microsoft\Windows\INetCache\Content.IE5\X1\b.jpg | size=200
    C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@site.txt | size=30
    C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@bank.txt | size=40
    C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\Low\deep.txt | size=50
)";

const char* const kRegistry = R"(
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs]
"url1"="http://old.example/"
[HKEY_CURRENT_USER\Software\Microsoft\MSN6\Users]
"ann"="ann@example.com"
)";

struct FamilyBench : test::IeBench {
    FamilyBench() {
        machine.addFiles(kFiles);
        machine.addRegistry(kRegistry);
        machine.urlHistory.entries = {StatUrl{"http://a.example/", "A", 0, 0, 0, 0}};
        machine.files.addTextFile(machine.appFolder() + "\\keepcook.dat",
                                  std::string(test::kCookieFolder) + "\\ann@bank.txt\r\n");
    }
};

const std::string kCache = std::string(test::kCacheFolder) + "\\";
const std::string kCookies = std::string(test::kCookieFolder) + "\\";

TEST(IeFamilyItems, EachItemDeletesItsTargetsAndCountsExactly) {
    const struct {
        const char* section;
        const char* key;
        const char* statusText;
        double entries;
        double bytes;
        Strings removed;
        Strings minimizedStarts;
        int historyClears;
    } cases[] = {
        // The address item adds 10 to what deleting the typed-address key counts.
        {"AOL", "Address", "AOL Explorer Address Bar History", 3 + 10, 0, {}, {}, 0},
        // Kept cookies and the cookie folder's sub-folders stay.
        {"AOL", "cookies", "AOL Explorer Cookies", 0, 30, {kCookies + "ann@site.txt"}, {}, 0},
        {"AOL",
         "cache",
         "AOL Explorer Cache",
         0,
         10000 + 100,
         {kCache + "Content.IE5\\X1\\b.jpg", kCache + "a.htm"},
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 "},
         0},
        // The store is cleared on Windows 6.x too, and the routine started besides.
        {"AOL",
         "history",
         "AOL Explorer History Files",
         15,
         500000,
         {},
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1"},
         1},
        {"MSN", "Location", "MSN Explorer Address Bar History", 3, 0, {}, {}, 0},
        {"MSN", "cookies", "MSN Explorer Cookies", 0, 0, {}, {}, 0},
        {"MSN", "cache", "MSN Explorer Cache", 0, 500000, {}, {}, 0},
        {"MSN", "history", "MSN Explorer History Files", 0, 0, {}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        FamilyBench bench;
        bench.clean(std::string(c.section) == "AOL" ? AolExplorerItems() : MsnExplorerItems(),
                    c.section, {c.key});
        ASSERT_EQ(bench.itemRows().size(), 1u);
        EXPECT_EQ(bench.itemRows()[0].item, c.statusText);
        EXPECT_EQ(bench.itemRows()[0].status, "Done");
        EXPECT_EQ(bench.run.RemovedEntries, c.entries);
        EXPECT_EQ(bench.run.ReleasedBytes, c.bytes);
        EXPECT_EQ(bench.removedSorted(), c.removed);
        EXPECT_EQ(bench.machine.shell.minimizedStarts, c.minimizedStarts);
        EXPECT_EQ(bench.machine.urlHistory.clears, c.historyClears);
        // Nothing is waited for and the main window keeps its place.
        EXPECT_TRUE(bench.machine.process.started.empty());
        EXPECT_EQ(bench.report.focusCount, 0);
    }
}

TEST(IeFamilyItems, AolAddressListKeepsTheKeptAddresses) {
    FamilyBench bench;
    bench.machine.files.addTextFile(bench.machine.appFolder() + "\\keepurl.dat",
                                    "http://kept.example/\r\n");
    bench.clean(AolExplorerItems(), "AOL", {"Address"});
    std::vector<NamedRegValue> values;
    bench.machine.registry.enumValues(kCurrentUser, test::kTypedUrls, values);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "url1");
    EXPECT_EQ(values[0].value.data, "http://kept.example/");
}

TEST(IeFamilyItems, MsnAddressListGoesWithItsKey) {
    FamilyBench bench;
    bench.clean(MsnExplorerItems(), "MSN", {"Location"});
    EXPECT_FALSE(
        bench.machine.registry.keyExists(kCurrentUser, "Software\\Microsoft\\MSN6\\Users"));
    EXPECT_TRUE(bench.machine.registry.keyExists(kCurrentUser, "Software\\Microsoft\\MSN6"));
}

TEST(IeFamilyItems, WithInternetExplorer6TheAolItemsStartNoRoutine) {
    FamilyBench bench;
    bench.ieVersion("6.0.2900.5512");
    bench.windows(5, 1);
    bench.clean(AolExplorerItems(), "AOL", {"cache", "history"});
    EXPECT_TRUE(bench.machine.shell.minimizedStarts.empty());
    EXPECT_EQ(bench.machine.urlHistory.clears, 1);
    EXPECT_TRUE(bench.machine.urlHistory.entries.empty());
    EXPECT_EQ(bench.run.RemovedEntries, 15);
    EXPECT_EQ(bench.run.ReleasedBytes, 10100 + 500000);
}

TEST(IeFamilyItems, AolHistoryGoesOnWhenTheStoreFails) {
    FamilyBench bench;
    bench.machine.urlHistory.failing = {"clearHistory"};
    bench.clean(AolExplorerItems(), "AOL", {"history"});
    EXPECT_EQ(bench.itemRows().at(0).status, "Done");
    EXPECT_EQ(bench.run.RemovedEntries, 15);
    EXPECT_EQ(bench.run.ReleasedBytes, 500000);
    EXPECT_EQ(bench.machine.shell.minimizedStarts,
              Strings{"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1"});
    EXPECT_FALSE(bench.machine.urlHistory.opened);
}

TEST(IeFamilyItems, ProgressCheckpointsAfterEveryItem) {
    FamilyBench bench;
    std::vector<CleanItem> both;
    both.assign(AolExplorerItems().begin(), AolExplorerItems().end());
    both.insert(both.end(), MsnExplorerItems().begin(), MsnExplorerItems().end());
    bench.clean(both, "AOL", {});
    EXPECT_EQ(bench.report.progress,
              (std::vector<int>{1, 25, 26, 27, 28, 29, 30, 31, 32, 97, 100}));
}

}  // namespace
}  // namespace hv
