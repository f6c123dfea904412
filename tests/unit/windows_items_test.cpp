#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "platform/sim/machine.h"
#include "platform/win_path.h"
#include "support/recording_report.h"

namespace hv {
namespace {

const std::string kHkcu = "HKEY_CURRENT_USER\\";
const std::string kExplorer = kHkcu + "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string kComDlg = kExplorer + "ComDlg32\\";
const std::string kApplets = kHkcu + "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
const std::string kBars = kHkcu +
                          "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                          "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\";
const std::string kAcMru = kHkcu + "Software\\Microsoft\\Search Assistant\\ACMru";
const std::string kTrayNotify =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify";
const std::string kLocalTrayNotify =
    "Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\TrayNotify";

class WindowsItemsTest : public ::testing::Test {
  protected:
    WindowsItemsTest() {
        run.env = ComputeEnvironment(os);
        run.setItems(catalogue::WindowsItems());
    }
    void cleanWith(const std::vector<std::string>& keys) {
        for (const auto& key : keys) machine.setSetting("WINDOWS", key, "1");
        run.CleanNow();
    }
    // The item's row and the closing row, nothing else.
    void expectOnlyRow(const std::string& statusText) {
        ASSERT_EQ(report.rows.size(), 2u);
        EXPECT_EQ(report.rows[0].item, statusText);
        EXPECT_EQ(report.rows[0].status, "Done");
        EXPECT_EQ(report.rows[1].item, "Task complete Successfully!");
    }
    bool exists(const std::string& path) { return machine.files.exists(path); }
    bool isEmptyFolder(const std::string& path) {
        std::vector<FileInfo> entries;
        return machine.files.list(path, entries) == kSuccess && entries.empty();
    }

    sim::Machine machine;
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run{os, report};
};

TEST_F(WindowsItemsTest, SwitchesOffGiveNoRowsButEveryCheckpoint) {
    machine.setSetting("WINDOWS", "recent", "0");
    machine.setSetting("WINDOWS", "run", "");
    machine.setSetting("WINDOWS", "clip", "yes");
    machine.addRegistry(
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
        "Explorer\\RunMRU]\n\"a\"=\"cmd\"\n");
    machine.shell.clipboard = "secret";
    run.CleanNow();
    ASSERT_EQ(report.rows.size(), 1u);
    EXPECT_EQ(report.progress, (std::vector<int>{1, 33, 34, 35, 36, 37, 38, 39, 40, 41, 41, 41, 41,
                                                 42, 43, 97, 100}));
    EXPECT_EQ(machine.shell.clipboard, "secret");
    EXPECT_FALSE(machine.shell.recentDocumentsCleared);
    EXPECT_EQ(machine.shell.recycleBinEmptied, 0);
    EXPECT_TRUE(machine.process.started.empty());
    EXPECT_TRUE(machine.registry.removed.empty());
    EXPECT_EQ(run.RemovedEntries, 0);
}

TEST_F(WindowsItemsTest, EveryItemRunsInCleanRunOrderAndEndsDone) {
    std::vector<std::string> keys;
    for (const auto& item : catalogue::WindowsItems()) keys.emplace_back(item.key);
    cleanWith(keys);
    const std::vector<std::string> expected = {
        "Recent Documents History",
        "Start Menu Run History",
        "Windows Search History",
        "Windows Temp",
        "Recycle Bin",
        "Open/Save Dialog Box History",
        "Scandisk Temp Files",
        "Windows Passwords(Only 9X/Me)",
        "Windows Clipboard",
        "Wordpad Recent Files",
        "Windows Paint Recent Files",
        "The custom locations from the picture location drop-down box",
        "DirectX most recent applications",
        "Find computer dialog box",
        "Find files dialog box",
        "Map network drive MRU",
        "Microsoft management console recent file list",
        "Past items from the notification area",
        "Registry editor last opened key",
        "Saved search folders from windows vista",
        "Start menu programs and favorites menu order",
        "The list of most recently used files and folders",
        "Thumbs.db",
        "Windows explorer streams MRUs",
        "windows swap/paging file",
        "Windows userassist MRUs",
        "Windows unread mail count",
        "Task complete Successfully!",
    };
    EXPECT_EQ(report.items(), expected);
    for (std::size_t i = 0; i + 1 < report.rows.size(); ++i)
        EXPECT_EQ(report.rows[i].status, "Done") << report.rows[i].item;
    for (const auto& item : catalogue::WindowsItems()) EXPECT_EQ(item.section, "WINDOWS");
}

struct RegistryCase {
    std::string key;  // as written to hvset.dat
    std::string statusText;
    std::string fixture;               // .reg text
    std::vector<std::string> removed;  // keys and values, in the order they go
    double entries;
};

TEST_F(WindowsItemsTest, RegistryItemsRemoveTheirKeysInOrderAndCountFixedEntries) {
    const std::vector<RegistryCase> cases = {
        {"run",
         "Start Menu Run History",
         "[" + kExplorer + "RunMRU]\n\"a\"=\"cmd\"\n[" + kExplorer + "RunMRU2]\n",
         {kExplorer + "RunMRU"},
         3},
        {"search",
         "Windows Search History",
         "[" + kExplorer + "Doc Find Spec MRU]\n[" + kBars + "ComputerNameMRU]\n[" + kBars +
             "ContainingTextMRU]\n[" + kBars + "FilesNamedMRU]\n[" + kAcMru + "\\5603]\n[" +
             kAcMru + "\\5604]\n[" + kAcMru + "\\5647]\n[" + kAcMru + "\\5601]\n[" + kAcMru +
             "\\5602]\n[" + kAcMru + "\\5001]\n[" + kExplorer + "FindComputerMRU]\n[" + kExplorer +
             "WordWheelQuery]\n",
         {kExplorer + "Doc Find Spec MRU", kBars + "ComputerNameMRU", kBars + "ContainingTextMRU",
          kBars + "FilesNamedMRU", kAcMru + "\\5603", kAcMru + "\\5604", kAcMru + "\\5647",
          kAcMru + "\\5601", kAcMru + "\\5602", kExplorer + "FindComputerMRU",
          kExplorer + "WordWheelQuery"},
         33},
        // Missing keys are counted all the same.
        {"search", "Windows Search History", "", {}, 33},
        {"open",
         "Open/Save Dialog Box History",
         "[" + kComDlg + "OpenSaveMRU\\txt]\n\"a\"=\"x\"\n[" + kComDlg + "OpenSavePidlMRU\\*]\n[" +
             kComDlg + "LastVisitedMRU]\n",
         {kComDlg + "OpenSaveMRU", kComDlg + "OpenSavePidlMRU"},
         10},
        {"wordpad",
         "Wordpad Recent Files",
         "[" + kApplets + "Wordpad\\Recent File List]\n",
         {kApplets + "Wordpad\\Recent File List"},
         3},
        {"paint",
         "Windows Paint Recent Files",
         "[" + kApplets + "Paint\\Recent File List]\n",
         {kApplets + "Paint\\Recent File List"},
         3},
        {"picturelocation",
         "The custom locations from the picture location drop-down box",
         "[" + kExplorer + "Wallpaper]\n",
         {kExplorer + "Wallpaper"},
         3},
        // The settings window may write the key in another case.
        {"directx",
         "DirectX most recent applications",
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication]\n"
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication]\n",
         {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication",
          "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication"},
         6},
        // ACMru still holds a sub-key, so only the leaf keys go.
        {"findcomputer",
         "Find computer dialog box",
         "[" + kExplorer + "FindComputerMRU]\n[" + kBars + "ComputerNameMRU]\n[" + kAcMru +
             "\\5603]\n[" + kExplorer + "WordWheelQuery]\n",
         {kExplorer + "FindComputerMRU", kBars + "ComputerNameMRU", kExplorer + "WordWheelQuery"},
         12},
        // Explorer Bars keeps its sub-keys and stays; a bare ACMru goes.
        {"findfiles",
         "Find files dialog box",
         "[" + kExplorer + "Doc Find Spec MRU]\n[" + kBars + "FilesNamedMRU]\n[" + kAcMru + "]\n[" +
             kExplorer + "WordWheelQuery]\n",
         {kExplorer + "Doc Find Spec MRU", kAcMru, kBars + "FilesNamedMRU",
          kExplorer + "WordWheelQuery"},
         15},
        {"mapnetwork",
         "Map network drive MRU",
         "[" + kExplorer + "Map Network Drive MRU]\n",
         {kExplorer + "Map Network Drive MRU"},
         3},
        {"management",
         "Microsoft management console recent file list",
         "[" + kHkcu + "Software\\Microsoft\\Microsoft Management Console\\Recent File List]\n",
         {kHkcu + "Software\\Microsoft\\Microsoft Management Console\\Recent File List"},
         3},
        {"notification",
         "Past items from the notification area",
         "[" + kHkcu + kTrayNotify +
             "]\n\"IconStreams\"=\"a\"\n\"PastIconsStream\"=\"b\"\n\"BalloonTip\"=\"c\"\n[" +
             kHkcu + kLocalTrayNotify + "]\n\"IconStreams\"=\"a\"\n\"PastIconsStream\"=\"b\"\n",
         {kHkcu + kTrayNotify + "\\IconStreams", kHkcu + kTrayNotify + "\\PastIconsStream",
          kHkcu + kLocalTrayNotify + "\\IconStreams",
          kHkcu + kLocalTrayNotify + "\\PastIconsStream"},
         4},
        {"registryeditor",
         "Registry editor last opened key",
         "[" + kApplets + "Regedit\\Favorites]\n\"x\"=\"y\"\n",
         {kApplets + "Regedit"},
         5},
        {"menuorder",
         "Start menu programs and favorites menu order",
         "[" + kExplorer + "MenuOrder\\Start Menu2\\Programs]\n",
         {kExplorer + "MenuOrder"},
         5},
        {"recentlyused",
         "The list of most recently used files and folders",
         "[" + kComDlg + "LastVisitedMRU]\n[" + kComDlg + "OpenSaveMRU\\txt]\n[" + kComDlg +
             "CIDSizeMRU]\n[" + kComDlg + "LastVisitedPidlMRU]\n[" + kComDlg + "OpenSavePidlMRU]\n",
         {kComDlg + "LastVisitedMRU", kComDlg + "OpenSaveMRU", kComDlg + "CIDSizeMRU",
          kComDlg + "LastVisitedPidlMRU", kComDlg + "OpenSavePidlMRU"},
         25},
        {"streams",
         "Windows explorer streams MRUs",
         "[" + kExplorer + "StreamMRU]\n[" + kExplorer + "TypedPaths]\n[" + kExplorer +
             "Streams\\0]\n",
         {kExplorer + "StreamMRU", kExplorer + "TypedPaths"},
         10},
        {"userassist",
         "Windows userassist MRUs",
         "[" + kExplorer + "UserAssist\\{GUID}\\Count]\n",
         {kExplorer + "UserAssist"},
         5},
        {"unread",
         "Windows unread mail count",
         "[" + kHkcu + "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail\\a@b.c]\n",
         {kHkcu + "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail"},
         5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        sim::Machine m;
        Platform p = m.platform();
        test::RecordingReport r;
        CleanRun cleanRun{p, r};
        cleanRun.env = ComputeEnvironment(p);
        cleanRun.setItems(catalogue::WindowsItems());
        m.addRegistry(c.fixture);
        m.setSetting("WINDOWS", c.key, "1");
        cleanRun.CleanNow();
        ASSERT_EQ(r.rows.size(), 2u);
        EXPECT_EQ(r.rows[0].item, c.statusText);
        EXPECT_EQ(r.rows[0].status, "Done");
        EXPECT_EQ(m.registry.removed, c.removed);
        EXPECT_EQ(cleanRun.RemovedEntries, c.entries);
        EXPECT_EQ(cleanRun.ReleasedBytes, 0);
    }
}

TEST_F(WindowsItemsTest, RecentDocumentsClearTheShellListAndEmptyTheRecentFolder) {
    const std::string recent = "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Recent";
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Recent\report.doc.lnk | size=600
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Recent\sub\old.lnk | size=400 | attr=H
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Start Menu\app.lnk | size=5
    )");
    cleanWith({"recent"});
    expectOnlyRow("Recent Documents History");
    EXPECT_TRUE(machine.shell.recentDocumentsCleared);
    EXPECT_TRUE(isEmptyFolder(recent));
    EXPECT_TRUE(
        exists("C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\app.lnk"));
    EXPECT_EQ(run.ReleasedBytes, 1000);
    EXPECT_EQ(run.RemovedEntries, 1);
}

TEST_F(WindowsItemsTest, RecentDocumentsCountOneEntryAndMakeTheFolderWhenItIsMissing) {
    machine.addFiles("C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\");
    cleanWith({"recent"});
    EXPECT_TRUE(isEmptyFolder("C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Recent"));
    EXPECT_EQ(run.ReleasedBytes, 0);
    EXPECT_EQ(run.RemovedEntries, 1);
}

struct TempCase {
    std::string name;
    std::string localAppData;            // empty: the machine's own
    std::optional<std::string> temp;     // nothing: TEMP unset
    std::optional<std::string> windows;  // nothing: the machine's own
    std::vector<std::string> cleaned;    // the folders emptied, all others untouched
    double bytes;
};

TEST_F(WindowsItemsTest, WindowsTempEmptiesTheThreeTemporaryFoldersAndNothingElse) {
    const std::string xpLocal = "C:\\Documents and Settings\\ann\\Local Settings\\Application Data";
    const std::string xpTemp = "C:\\Documents and Settings\\ann\\Local Settings\\temp";
    const std::string winTemp = "C:\\Windows\\temp";
    const std::string userTemp = "C:\\Users\\ann\\AppData\\Local\\Temp";
    // Per folder: the files directly in it + 10000, then what the plain deletes left
    // (read-only files). Local temp 100 + 10000; Windows temp 23 + 10000 + 3; TEMP 5 + 10000.
    const std::vector<TempCase> cases = {
        {"vista layout", "", userTemp, std::nullopt, {winTemp, userTemp}, 20031},
        {"older layout", xpLocal, userTemp, std::nullopt, {xpTemp, winTemp, userTemp}, 30131},
        {"TEMP unset", "", std::nullopt, std::nullopt, {winTemp}, 20026},
        {"TEMP is the profile", "", "C:\\Users\\ann", std::nullopt, {winTemp}, 20026},
        {"TEMP is a drive", "", "C:\\", std::nullopt, {winTemp}, 20026},
        {"TEMP is relative", "", "Temp", std::nullopt, {winTemp}, 20026},
        {"TEMP is the Windows folder", "", "C:\\Windows", std::nullopt, {winTemp}, 20026},
        {"Windows folder unknown", "", userTemp, "", {userTemp}, 20005},
        {"local folder at the start",
         "Application Data",
         userTemp,
         std::nullopt,
         {winTemp, userTemp},
         30031},
    };
    const std::vector<std::string> files = {
        xpTemp + "\\x.tmp",     xpTemp + "\\deep\\y.tmp",
        winTemp + "\\w.tmp",    winTemp + "\\r.tmp",
        userTemp + "\\t.tmp",   "C:\\Users\\ann\\notes.txt",
        "C:\\Windows\\win.ini", "C:\\Users\\ann\\Documents\\a.doc",
        "C:\\Temp\\c.tmp",      "C:\\Program Files\\Halvane\\delThumbs.bat"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Machine m;
        Platform p = m.platform();
        test::RecordingReport r;
        CleanRun cleanRun{p, r};
        m.addFiles(R"(
            C:\Documents and Settings\ann\Local Settings\temp\x.tmp | size=100
            C:\Documents and Settings\ann\Local Settings\temp\deep\y.tmp | size=1000
            C:\Windows\temp\w.tmp | size=20
            C:\Windows\temp\r.tmp | size=3 | attr=R
            C:\Users\ann\AppData\Local\Temp\t.tmp | size=5
            C:\Users\ann\notes.txt | size=9
            C:\Windows\win.ini | size=9
            C:\Users\ann\Documents\a.doc | size=9
            C:\Temp\c.tmp | size=9
            C:\Program Files\Halvane\delThumbs.bat | size=9
        )");
        if (c.temp)
            m.system.setEnvironment("TEMP", *c.temp);
        else
            m.system.clearEnvironment("TEMP");
        cleanRun.env = ComputeEnvironment(p);
        if (!c.localAppData.empty()) cleanRun.env.LocalAppDataFolder = c.localAppData;
        if (c.windows) cleanRun.env.WindowsFolder = *c.windows;
        cleanRun.setItems(catalogue::WindowsItems());
        m.setSetting("WINDOWS", "temp", "1");
        cleanRun.CleanNow();

        EXPECT_EQ(r.rows.at(0).item, "Windows Temp");
        EXPECT_EQ(cleanRun.ReleasedBytes, c.bytes);
        for (const auto& path : m.files.removed) {
            bool inside = false;
            for (const auto& folder : c.cleaned) inside = inside || isSameOrInside(path, folder);
            EXPECT_TRUE(inside) << "removed " << path;
        }
        for (const auto& file : files) {
            bool inside = false;
            for (const auto& folder : c.cleaned) inside = inside || isSameOrInside(file, folder);
            EXPECT_EQ(m.files.exists(file), !inside) << file;
        }
        for (const auto& folder : c.cleaned) {
            std::vector<FileInfo> entries;
            EXPECT_EQ(m.files.list(folder, entries), kSuccess) << folder;
            EXPECT_TRUE(entries.empty()) << folder;
        }
    }
}

struct RecycleCase {
    std::string name;
    std::string fixture;
    double bytes;
};

TEST_F(WindowsItemsTest, RecycleBinAddsTheLegacyFoldersSizesAndEmptiesEveryBin) {
    const std::vector<RecycleCase> cases = {
        {"no legacy folder", "", 0},
        {"RECYCLED only",
         "C:\\RECYCLED\\DC1.txt | size=300\nC:\\RECYCLED\\sub\\DC2.txt | size=200 | attr=H",
         100500},
        {"both", "C:\\RECYCLED\\DC1.txt | size=300\nC:\\RECYCLER\\S-1-5-21\\Dc3.doc | size=1000",
         201300},
        {"empty RECYCLER", "C:\\RECYCLER\\", 100000},
        {"a file named RECYCLED", "C:\\RECYCLED | size=70", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Machine m;
        Platform p = m.platform();
        test::RecordingReport r;
        CleanRun cleanRun{p, r};
        cleanRun.env = ComputeEnvironment(p);
        cleanRun.setItems(catalogue::WindowsItems());
        m.addFiles("C:\\$Recycle.Bin\\S-1-5-21\\$RABC.txt | size=4000\n" + c.fixture);
        m.shell.recycleBins = {"C:\\$Recycle.Bin"};
        m.setSetting("WINDOWS", "recycle", "1");
        cleanRun.CleanNow();

        EXPECT_EQ(r.rows.at(0).item, "Recycle Bin");
        EXPECT_EQ(r.rows.at(0).status, "Done");
        EXPECT_EQ(cleanRun.ReleasedBytes, c.bytes);
        EXPECT_EQ(cleanRun.RemovedEntries, 1);
        EXPECT_EQ(m.shell.recycleBinEmptied, 1);
        EXPECT_FALSE(m.files.exists("C:\\$Recycle.Bin\\S-1-5-21\\$RABC.txt"));
        // Measuring deletes nothing.
        EXPECT_TRUE(m.files.exists("C:\\$Recycle.Bin"));
        EXPECT_EQ(m.files.removed,
                  (std::vector<std::string>{"C:\\$Recycle.Bin\\S-1-5-21\\$RABC.txt",
                                            "C:\\$Recycle.Bin\\S-1-5-21"}));
    }
}

TEST_F(WindowsItemsTest, RecycleBinCountsNothingForAFolderItCannotMeasure) {
    machine.addFiles("C:\\RECYCLER\\S-1-5-18\\x.doc | size=50\nC:\\RECYCLED\\y.doc | size=7");
    machine.files.setUnreadable("C:\\RECYCLER\\S-1-5-18");
    cleanWith({"recycle"});
    EXPECT_EQ(run.ReleasedBytes, 100007);
    EXPECT_EQ(run.RemovedEntries, 1);
}

TEST_F(WindowsItemsTest, ScandiskTakesOnlyFilesDirectlyInTheElevenFoldersOfDrivesCToF) {
    machine.addFiles(R"(
        C:\Found.000\FILE0000.CHK | size=100
        C:\Found.000\sub\FILE0001.CHK | size=50
        C:\Found.010\FILE0000.CHK | size=10
        C:\Found.011\FILE0000.CHK | size=1
        C:\Found.1\FILE0000.CHK | size=1
        D:\Found.005\FILE0000.CHK | size=1000 | attr=H
        F:\Found.000\FILE0000.CHK | size=7 | attr=R
        G:\Found.000\FILE0000.CHK | size=1
    )");
    cleanWith({"scandisk"});
    expectOnlyRow("Scandisk Temp Files");
    EXPECT_EQ(machine.files.removed, (std::vector<std::string>{"C:\\Found.000\\FILE0000.CHK",
                                                               "C:\\Found.010\\FILE0000.CHK",
                                                               "D:\\Found.005\\FILE0000.CHK"}));
    EXPECT_TRUE(exists("C:\\Found.000\\sub\\FILE0001.CHK"));
    EXPECT_TRUE(exists("F:\\Found.000\\FILE0000.CHK"));
    // The read-only file stays but is counted.
    EXPECT_EQ(run.ReleasedBytes, 1117);
    EXPECT_EQ(run.RemovedEntries, 0);
}

TEST_F(WindowsItemsTest, PasswordsAndSwapShowTheirRowAndChangeNothing) {
    for (const std::string key : {"passwords", "swap"}) {
        SCOPED_TRACE(key);
        machine.setSetting("WINDOWS", "passwords", "0");
        machine.setSetting("WINDOWS", "swap", "0");
        cleanWith({key});
        ASSERT_EQ(report.rows.size(), 2u);
        EXPECT_EQ(report.rows[0].status, "Done");
        EXPECT_EQ(run.ReleasedBytes, 0);
        EXPECT_EQ(run.RemovedEntries, 0);
    }
    EXPECT_TRUE(machine.files.removed.empty());
    EXPECT_TRUE(machine.registry.removed.empty());
}

TEST_F(WindowsItemsTest, ClipboardIsEmptied) {
    machine.shell.clipboard = "card number";
    cleanWith({"clip"});
    expectOnlyRow("Windows Clipboard");
    EXPECT_EQ(machine.shell.clipboard, "");
    EXPECT_EQ(run.ReleasedBytes, 0);
    EXPECT_EQ(run.RemovedEntries, 0);
}

TEST_F(WindowsItemsTest, SavedSearchesGoFromTheDocumentsFolderLookedUpAtRunTime) {
    machine.addFiles(R"(
        C:\Users\ann\Documents\Searches\everywhere.search-ms | size=300
        C:\Users\ann\Documents\Searches\old\mine.search-ms | size=30
        C:\Users\ann\Documents\letter.doc | size=10
        C:\Users\ann\Moved\Searches\moved.search-ms | size=44
    )");
    // Moved after the environment values were computed: the item still follows it.
    machine.registry.setString(
        kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
        "Personal", "%USERPROFILE%\\Moved");
    cleanWith({"searchfolders"});
    expectOnlyRow("Saved search folders from windows vista");
    EXPECT_EQ(machine.files.removed,
              std::vector<std::string>{"C:\\Users\\ann\\Moved\\Searches\\moved.search-ms"});
    EXPECT_EQ(run.ReleasedBytes, 10044);
}

TEST_F(WindowsItemsTest, SavedSearchesDeleteNothingWhenTheDocumentsFolderIsUnknown) {
    machine.addFiles("C:\\Users\\ann\\Documents\\Searches\\everywhere.search-ms | size=300");
    machine.registry.deleteValue(
        kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
        "Personal");
    cleanWith({"searchfolders"});
    expectOnlyRow("Saved search folders from windows vista");
    EXPECT_TRUE(machine.files.removed.empty());
    EXPECT_EQ(run.ReleasedBytes, 10000);
}

struct ThumbsCase {
    std::string name;
    int polls;  // before the batch file ends; -1: it cannot be started, -2: it never ends
    std::uint64_t waitedMs;
    int yields;  // while the row reads "Cleaning Thumbs.db ......"
};

TEST_F(WindowsItemsTest, ThumbsStartsTheBatchFileHiddenAndWaitsWithoutTakingTheFocus) {
    const std::vector<ThumbsCase> cases = {
        {"ends after three polls", 3, 30, 3},
        {"ends at once", 0, 0, 0},
        {"cannot be started", -1, 0, 0},
        // A batch file that hangs is left running after the longest wait.
        {"never ends", -2, CleanRun::kRunAndWaitLimitMs, 60001},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Machine m;
        Platform p = m.platform();
        test::RecordingReport r;
        CleanRun cleanRun{p, r};
        cleanRun.env = ComputeEnvironment(p);
        cleanRun.setItems(catalogue::WindowsItems());
        if (c.polls == -1)
            m.process.refuse("delThumbs.bat");
        else
            m.process.script("delThumbs.bat",
                             c.polls == -2 ? sim::SimProcess::kNeverExits : c.polls);
        m.setSetting("WINDOWS", "thumbs", "1");
        // The row stays at its cleaning text for as long as the batch file runs.
        int yieldsWhileCleaning = 0;
        m.events.onDoEvents = [&] {
            if (!r.rows.empty() && r.rows.back().status == "Cleaning Thumbs.db ......")
                ++yieldsWhileCleaning;
        };
        const std::uint64_t before = m.clock.elapsedMs();
        cleanRun.CleanNow();

        EXPECT_EQ(m.clock.elapsedMs() - before, c.waitedMs);
        EXPECT_EQ(yieldsWhileCleaning, c.yields);
        if (c.polls == -1)
            EXPECT_TRUE(m.process.started.empty());
        else
            EXPECT_EQ(m.process.started,
                      std::vector<std::string>{"\"C:\\Program Files\\Halvane\\delThumbs.bat\""});
        EXPECT_EQ(m.process.openHandles, 0);
        EXPECT_EQ(r.focusCount, 0);
        EXPECT_EQ(r.rows.at(0).item, "Thumbs.db");
        EXPECT_EQ(r.rows.at(0).status, "Done");
        EXPECT_EQ(cleanRun.ReleasedBytes, 0);
        EXPECT_EQ(cleanRun.RemovedEntries, 0);
    }
}

}  // namespace
}  // namespace hv
