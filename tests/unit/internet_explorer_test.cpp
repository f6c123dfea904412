#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "ie_bench.h"

namespace hv {
namespace {

using catalogue::InternetExplorerItems;
using test::IeBench;

const std::string kProfile = "C:\\Users\\ann\\";

// Every target of the group, with neighbours that must stay.
const char* const kFiles = R"(
    C:\Users\ann\AppData\Local\Microsoft\Windows\INetCache\a.htm | size=100
    C:\Users\ann\AppData\Local\Microsoft\Windows\INetCache\Content.IE5\X1\b.jpg | size=200
    C:\Users\ann\AppData\Local\Microsoft\Windows\INetCache\Content.IE5\index.dat | size=1000
    C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@site.txt | size=30
    C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\index.dat | size=40
    C:\Users\ann\Favorites\Links\x.url | size=50
    C:\Users\ann\Favorites\y.url | size=60
    C:\Users\ann\Downloads\setup.exe | size=700
    C:\Users\ann\Desktop\dl\f.zip | size=800
    C:\Users\ann\Desktop\keep.txt | size=1
    C:\Users\ann\PrivacIE\index.dat | size=5
    C:\Users\ann\PrivacIE\Index.DAT.bak | size=6
    C:\Users\ann\PrivacIE\sub\index.dat | size=7
    C:\Users\ann\AppData\Roaming\Microsoft\Windows\PrivacIE\p.xml | size=9
)";

const char* const kRegistry = R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders]
"Favorites"="%USERPROFILE%\\Favorites"
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main]
"Default Download Directory"="C:\\Users\\ann\\Desktop\\dl"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]
"{374DE290-123F-4565-9164-39C4925E467B}"="C:\\Users\\ann\\Downloads"
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs]
"url1"="http://old.example/"
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\IntelliForms\SPW]
"site"="data"
[HKEY_USERS\.DEFAULT\Software\Microsoft\Internet Explorer\IntelliForms]
"site"="data"
)";

struct IeGroup : IeBench {
    IeGroup() {
        machine.addFiles(kFiles);
        machine.addRegistry(kRegistry);
    }
    void clean(std::initializer_list<std::string> keys) {
        IeBench::clean(InternetExplorerItems(), "EXPLORER", keys);
    }
    // What went, below the user's profile folder, sorted.
    std::vector<std::string> removedBelowProfile() const {
        std::vector<std::string> out;
        for (const auto& path : removedSorted()) out.push_back(path.substr(kProfile.size()));
        return out;
    }
};

using Strings = std::vector<std::string>;

const std::string kIeCache = "AppData\\Local\\Microsoft\\Windows\\INetCache\\";
const std::string kIeCookies = "AppData\\Roaming\\Microsoft\\Windows\\Cookies\\";
const std::string kRoamingPrivacIE = "AppData\\Roaming\\Microsoft\\Windows\\PrivacIE";

// Windows 6.1 with Internet Explorer 9.11, the default machine.
TEST(InternetExplorerItems, EachItemDeletesItsTargetsAndCountsExactly) {
    const struct {
        const char* key;
        const char* statusText;
        const char* result;
        double entries;
        double bytes;
        Strings removed;
        Strings started;
    } cases[] = {
        {"location", "IE Location Bar History", "Done", 3, 0, {}, {}},
        {"history",
         "IE Internet History Files",
         "Done",
         15,
         500000,
         {},
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1"}},
        // Every file of the tree goes, but only the folder's own files are counted.
        {"cache",
         "IE Internet Cache",
         "Done",
         0,
         10000 + 100,
         {kIeCache + "Content.IE5\\X1\\b.jpg", kIeCache + "Content.IE5\\index.dat",
          kIeCache + "a.htm"},
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 "}},
        {"cookies",
         "IE Cookies",
         "Done",
         0,
         70,
         {kIeCookies + "ann@site.txt", kIeCookies + "index.dat"},
         {}},
        {"favorites",
         "IE Favorites",
         "Done",
         0,
         110,
         {"Favorites", "Favorites\\Links", "Favorites\\Links\\x.url", "Favorites\\y.url"},
         {}},
        {"autocomplete",
         "IE Autocomplete Memory",
         "Done",
         3 + 3 + 3,
         0,
         {},
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16",
          "RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 32"}},
        {"downloaded",
         "IE Downloaded Files(Only IE9, IE10)",
         "Done",
         0,
         1500,
         {"Desktop\\dl", "Desktop\\dl\\f.zip", "Downloads", "Downloads\\setup.exe"},
         {}},
        {"downloadedhistory", "IE Downloaded History(Only IE9, IE10)", "Done", 0, 0, {}, {}},
        {"index", "IE Index.dat Files", "Need to reboot your computer!", 0, 3500000, {}, {}},
        // Only the exactly named file directly in the profile's PrivacIE folder goes.
        {"inprivate",
         "IE Inprivate Filter",
         "Done",
         0,
         5 + 9,
         {kRoamingPrivacIE, kRoamingPrivacIE + "\\p.xml", "PrivacIE\\index.dat"},
         {}},
        {"addons",
         "IE Add-ons Settings",
         "Done",
         15,
         500000,
         {},
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351 "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        IeGroup bench;
        bench.clean({c.key});
        ASSERT_EQ(bench.itemRows().size(), 1u);
        EXPECT_EQ(bench.itemRows()[0].item, c.statusText);
        EXPECT_EQ(bench.itemRows()[0].status, c.result);
        EXPECT_EQ(bench.run.RemovedEntries, c.entries);
        EXPECT_EQ(bench.run.ReleasedBytes, c.bytes);
        EXPECT_EQ(bench.removedBelowProfile(), c.removed);
        EXPECT_EQ(bench.machine.process.started, c.started);
    }
}

TEST(InternetExplorerItems, EmptiedFoldersArePresentAndEmptyAfterwards) {
    IeGroup bench;
    bench.clean({"favorites", "downloaded", "inprivate"});
    for (const char* folder : {"Favorites", "Downloads", "Desktop\\dl",
                               "AppData\\Roaming\\Microsoft\\Windows\\PrivacIE"}) {
        std::vector<FileInfo> content;
        EXPECT_EQ(bench.machine.files.list(kProfile + folder, content), kSuccess) << folder;
        EXPECT_TRUE(content.empty()) << folder;
    }
    EXPECT_TRUE(bench.exists(kProfile + "Desktop\\keep.txt"));
    EXPECT_TRUE(bench.exists(kProfile + "PrivacIE\\sub\\index.dat"));
}

TEST(InternetExplorerItems, AutocompleteDeletesBothFormKeys) {
    IeGroup bench;
    bench.clean({"autocomplete"});
    EXPECT_FALSE(bench.machine.registry.keyExists(
        kCurrentUser, "Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW"));
    EXPECT_FALSE(bench.machine.registry.keyExists(
        kUsers, ".DEFAULT\\Software\\Microsoft\\Internet Explorer\\IntelliForms"));
    EXPECT_TRUE(bench.machine.registry.keyExists(
        kCurrentUser, "Software\\Microsoft\\Internet Explorer\\IntelliForms"));
}

TEST(InternetExplorerItems, IndexFilesAreOnlyScheduledForTheNextStart) {
    IeGroup bench;
    bench.clean({"index"});
    EXPECT_TRUE(bench.machine.files.removed.empty());
    EXPECT_EQ(bench.machine.files.rebootDeletes,
              (Strings{std::string(test::kCacheFolder) + "\\Content.IE5\\index.dat",
                       "C:\\Users\\ann\\AppData\\Local\\Microsoft\\Windows\\History\\History.IE5"
                       "\\index.dat",
                       std::string(test::kCookieFolder) + "\\index.dat"}));
}

TEST(InternetExplorerItems, AFailedFolderLookupSchedulesNothingForThatFolder) {
    IeGroup bench;
    bench.machine.registry.deleteValue(
        kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
        "Cache");
    bench.clean({"index"});
    EXPECT_EQ(bench.machine.files.rebootDeletes.size(), 2u);
    EXPECT_EQ(bench.run.ReleasedBytes, 3500000);
    EXPECT_EQ(bench.itemRows()[0].status, "Need to reboot your computer!");
}

TEST(InternetExplorerItems, TheVersionsChooseTheWay) {
    const struct {
        const char* ieVersion;
        int windowsMajor;
        int windowsMinor;
        const char* key;
        const char* result;
        double entries;
        double bytes;
        std::size_t removed;
        Strings started;
        int historyClears;
    } cases[] = {
        {"8.0.7600.16385", 6, 1, "downloaded", "Only Support IE9, IE10.", 0, 0, 0, {}, 0},
        {"8.0.7600.16385", 6, 1, "downloadedhistory", "Only Support IE9, IE10.", 0, 0, 0, {}, 0},
        {"8.0.7600.16385", 6, 1, "inprivate", "Done", 0, 14, 3, {}, 0},
        {"8.0.7600.16385",
         6,
         1,
         "addons",
         "Done",
         15,
         500000,
         0,
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351 "},
         0},
        {"7.0.5730.13", 6, 0, "inprivate", "Done", 0, 0, 0, {}, 0},
        {"7.0.5730.13",
         6,
         0,
         "cache",
         "Done",
         0,
         10100,
         3,
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 "},
         0},
        {"6.0.2900.5512", 5, 1, "cache", "Done", 0, 10100, 3, {}, 0},
        {"6.0.2900.5512", 5, 1, "addons", "Done", 0, 0, 0, {}, 0},
        {"5.0.3700.1", 5, 1, "autocomplete", "Done", 9, 0, 0, {}, 0},
        // Windows XP clears the history through the store, Windows 6.x through the routine;
        // both count the same fixed amounts.
        {"8.0.6001.18702", 5, 1, "history", "Done", 15, 500000, 0, {}, 1},
        {"8.0.6001.18702",
         6,
         0,
         "history",
         "Done",
         15,
         500000,
         0,
         {"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1"},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ieVersion) + " " + c.key);
        IeGroup bench;
        bench.ieVersion(c.ieVersion);
        bench.windows(c.windowsMajor, c.windowsMinor);
        bench.machine.urlHistory.entries = {StatUrl{"http://a.example/", "A", 0, 0, 0, 0}};
        bench.clean({c.key});
        EXPECT_EQ(bench.itemRows().at(0).status, c.result);
        EXPECT_EQ(bench.run.RemovedEntries, c.entries);
        EXPECT_EQ(bench.run.ReleasedBytes, c.bytes);
        EXPECT_EQ(bench.machine.files.removed.size(), c.removed);
        EXPECT_EQ(bench.machine.process.started, c.started);
        EXPECT_EQ(bench.machine.urlHistory.clears, c.historyClears);
        EXPECT_TRUE(bench.machine.shell.winExecs.empty());
    }
}

TEST(InternetExplorerItems, HistoryCountsItsFixedAmountsWhenTheStoreFails) {
    IeGroup bench;
    bench.windows(5, 1);
    bench.machine.urlHistory.available = false;
    bench.clean({"history"});
    EXPECT_EQ(bench.itemRows().at(0).status, "Done");
    EXPECT_EQ(bench.run.RemovedEntries, 15);
    EXPECT_EQ(bench.run.ReleasedBytes, 500000);
    EXPECT_FALSE(bench.machine.urlHistory.opened);
}

TEST(InternetExplorerItems, ProgressMovesAfterEveryItemButTheIndexItemRunOrNot) {
    IeGroup bench;
    bench.clean({"history", "index"});
    EXPECT_EQ(bench.report.progress,
              (std::vector<int>{1, 5, 6, 8, 10, 11, 11, 11, 11, 12, 12, 97, 100}));
    EXPECT_EQ(bench.report.items(), (Strings{"IE Internet History Files", "IE Index.dat Files",
                                             "Task complete Successfully!"}));
}

TEST(InternetExplorerItems, SwitchTextsOtherThanOneLeaveTheItemsOff) {
    IeGroup bench;
    for (const char* key : {"cache", "cookies"}) bench.machine.setSetting("EXPLORER", key, "01");
    bench.machine.setSetting("EXPLORER", "favorites", "true");
    bench.clean({});
    EXPECT_EQ(bench.report.rows.size(), 1u);
    EXPECT_TRUE(bench.machine.files.removed.empty());
}

// Internet Explorer 6 clears form data through its options dialog, driven by keys.
class OptionsDialogTest : public ::testing::Test {
  protected:
    OptionsDialogTest() {
        bench.machine.addRegistry(kRegistry);
        bench.ieVersion("6.0.2900.5512");
        bench.windows(5, 1);
    }
    void clean() { bench.clean({"autocomplete"}); }

    const WindowIdentity dialog{"#32770", "Internet Properties"};
    const Strings keys{"{U}", "{C}", "{ENTER}", "{ESC}", "{ESC}"};
    IeGroup bench;
};

TEST_F(OptionsDialogTest, OpensTheContentTabHiddenWithoutWaiting) {
    bench.machine.shell.foreground = dialog;
    clean();
    EXPECT_EQ(bench.machine.shell.winExecs,
              Strings{"0:rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,3"});
    EXPECT_TRUE(bench.machine.process.started.empty());
    EXPECT_EQ(bench.machine.shell.sentKeys, keys);
    EXPECT_EQ(bench.report.focusCount, 1);
    EXPECT_EQ(bench.itemRows().at(0).status, "Done");
    EXPECT_EQ(bench.run.RemovedEntries, 9);
}

TEST_F(OptionsDialogTest, WaitsForTheDialogToComeToTheFront) {
    bench.machine.events.onDoEvents = [&] {
        if (bench.machine.clock.elapsedMs() >= 1200) bench.machine.shell.foreground = dialog;
    };
    clean();
    EXPECT_EQ(bench.machine.shell.sentKeys, keys);
    EXPECT_LT(bench.machine.clock.elapsedMs(), 2000u);
}

TEST_F(OptionsDialogTest, SendsNothingWhenAnotherWindowIsInFront) {
    const struct {
        const char* name;
        std::optional<WindowIdentity> front;
    } cases[] = {
        {"another program", WindowIdentity{"Notepad", "notes.txt - Notepad"}},
        {"another dialog", WindowIdentity{"#32770", "Save As"}},
        {"no window", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IeGroup fresh;
        fresh.ieVersion("6.0.2900.5512");
        fresh.machine.shell.foreground = c.front;
        fresh.clean({"autocomplete"});
        EXPECT_TRUE(fresh.machine.shell.sentKeys.empty());
        EXPECT_EQ(fresh.machine.shell.winExecs.size(), 1u);
        // It gave up after about five seconds and finished the item as usual.
        EXPECT_GE(fresh.machine.clock.elapsedMs(), 5000u);
        EXPECT_LT(fresh.machine.clock.elapsedMs(), 5200u);
        EXPECT_EQ(fresh.itemRows().at(0).status, "Done");
        EXPECT_EQ(fresh.run.RemovedEntries, 9);
        EXPECT_EQ(fresh.report.focusCount, 1);
    }
}

// A shell whose front window changes to another program after the second key.
class FocusThiefShell : public sim::SimShell {
  public:
    using SimShell::SimShell;
    void sendKeys(const std::string& keys) override {
        SimShell::sendKeys(keys);
        if (sentKeys.size() == 2) foreground = WindowIdentity{"Notepad", "notes.txt - Notepad"};
    }
};

TEST_F(OptionsDialogTest, StopsTypingWhenAnotherProgramTakesTheFront) {
    sim::Machine& m = bench.machine;
    FocusThiefShell shell{m.files};
    shell.foreground = dialog;
    Platform os{m.profile, m.registry, m.files,      m.process, m.system,         m.events,
                m.dialogs, shell,      m.urlHistory, m.word,    m.settingsStore};
    test::RecordingReport report;
    CleanRun run{os, report};
    m.setSetting("EXPLORER", "autocomplete", "1");
    run.env = ComputeEnvironment(os);
    run.setItems(InternetExplorerItems());
    run.CleanNow();
    EXPECT_EQ(shell.sentKeys, (Strings{"{U}", "{C}"}));
}

}  // namespace
}  // namespace hv
