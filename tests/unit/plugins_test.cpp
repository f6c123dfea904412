#include "engine/plugins.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/clean_run.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv {
namespace {

const std::string kPlugins = "C:\\Program Files\\Halvane\\plus-in\\";
const std::string kRoaming = "C:\\Users\\ann\\AppData\\Roaming";
const std::string kLocal = "C:\\Users\\ann\\AppData\\Local";

// A machine with a clean run that runs nothing but the ticked plug-ins.
struct Rig {
    Rig() {
        run.env = ComputeEnvironment(os);
        UsePlugins(run);
    }
    void addPlugin(const std::string& fileName, const std::string& text) {
        machine.files.addTextFile(kPlugins + fileName, text);
    }
    // Runs one ticked plug-in holding the given action sections.
    void runPlugin(const std::string& actions) {
        addPlugin("Tool.hve", "[name]\nappname=Tool\n[swich]\non=1\n" + actions);
        run.CleanNow();
    }
    // What the plug-in's lines added, without the run's fixed amounts per plug-in.
    double entries() const { return run.RemovedEntries - 1; }
    double bytes() const { return run.ReleasedBytes - 50000; }

    sim::Machine machine;
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run{os, report};
};

TEST(Plugins, AddListListsHveFilesOfAnyCaseInListingOrder) {
    Rig rig;
    rig.addPlugin("b.hve",
                  "[name]\nappname=Beta\n[version]\nappver=2.0\n[dec]\ndecs=Beta traces\n"
                  "[swich]\non=1\n");
    rig.addPlugin("A.HVE", "[name]\nappname=Alpha\n[version]\nappver=1\n[swich]\non=01\n");
    rig.addPlugin("notes.txt", "[name]\nappname=Notes\n");
    rig.addPlugin("old.hve.bak", "[name]\nappname=Old\n");
    rig.addPlugin("Copy.Hve", "[name]\nappname=Beta\n[swich]\non= 1 \n");
    rig.machine.addFiles(kPlugins + "folder.hve\\");

    const auto rows = ListPlugins(rig.os);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "Beta");
    EXPECT_EQ(rows[0].version, "2.0");
    EXPECT_EQ(rows[0].description, "Beta 2.0 Beta traces");
    EXPECT_TRUE(rows[0].ticked);
    EXPECT_EQ(rows[1].name, "Alpha");
    EXPECT_EQ(rows[1].description, "Alpha 1 ");
    EXPECT_FALSE(rows[1].ticked);  // only the exact text "1" ticks a row
    EXPECT_EQ(rows[2].name, "Beta");
    EXPECT_TRUE(rows[2].ticked);  // blanks around the value are trimmed
    // Both rows named Beta run the same file.
    EXPECT_EQ(TickedPlugins(rig.os), (std::vector<std::string>{"Beta", "Beta"}));
}

TEST(Plugins, MissingFolderGivesAnEmptyList) {
    Rig rig;
    EXPECT_TRUE(ListPlugins(rig.os).empty());
    EXPECT_TRUE(AddList(rig.os, "C:\\Nowhere", "hve").empty());
}

TEST(Plugins, SavedSwitchIsWhatTheNextListingShows) {
    Rig rig;
    rig.addPlugin("Tool.hve", "[name]\nappname=Tool\n[swich]\non=0\n");
    SavePluginSwitch(rig.os, "Tool", true);
    EXPECT_TRUE(ListPlugins(rig.os).at(0).ticked);
    SavePluginSwitch(rig.os, "Tool", false);
    EXPECT_FALSE(ListPlugins(rig.os).at(0).ticked);
    EXPECT_NE(rig.machine.files.text(kPlugins + "Tool.hve").find("appname=Tool"),
              std::string::npos);
}

TEST(Plugins, EveryActionRunsInSectionOrderAndCounts) {
    Rig rig;
    rig.machine.addRegistry(
        "[HKEY_CURRENT_USER\\Software\\Vendor\\Tool\\Sub]\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Vendor]\n\"Last\"=\"x\"\n\"Keep\"=\"y\"\n");
    rig.machine.addFiles(kRoaming + R"(\Vendor\Tool\history.dat | size=1000
        )" + kRoaming + R"(\Vendor\Tool\deeper\history.dat | size=7
        )" + kRoaming + R"(\Vendor\Tool\keep.txt | size=5
        )" + kLocal + R"(\Vendor\Logs\a.LOG | size=300
        )" + kLocal + R"(\Vendor\Logs\b.log | attr=H | size=20
        )" + kLocal + R"(\Vendor\Logs\c.txt | size=9
        )" + kLocal + R"(\Vendor\Cache\x\y.bin | attr=R | size=4000)");
    // The folder section comes last although it is written first.
    rig.runPlugin(
        "[folder]\n1=localappdata,\\Vendor\\Cache\n"
        "[regtree]\na=-2147483647,Software\\Vendor\\Tool\n"
        "[reg]\nb=&H80000002,Software\\Vendor,Last\n"
        "[file]\n1=appdata,\\Vendor\\Tool,history.dat\n"
        "[fileext]\n1=localappdata,\\Vendor\\Logs,log\n");

    EXPECT_FALSE(rig.machine.registry.keyExists(kCurrentUser, "Software\\Vendor\\Tool"));
    EXPECT_TRUE(rig.machine.registry.keyExists(kCurrentUser, "Software\\Vendor"));
    EXPECT_FALSE(rig.machine.registry.value(kLocalMachine, "Software\\Vendor", "Last").has_value());
    EXPECT_TRUE(rig.machine.registry.value(kLocalMachine, "Software\\Vendor", "Keep").has_value());
    EXPECT_EQ(rig.entries(), 5 + 1);
    // history.dat only directly in the folder; a.LOG and the unhidden b.log; the whole cache.
    EXPECT_EQ(rig.bytes(), 1000 + 300 + 20 + 4000);
    EXPECT_TRUE(rig.machine.files.exists(kRoaming + "\\Vendor\\Tool\\deeper\\history.dat"));
    EXPECT_TRUE(rig.machine.files.exists(kRoaming + "\\Vendor\\Tool\\keep.txt"));
    EXPECT_TRUE(rig.machine.files.exists(kLocal + "\\Vendor\\Logs\\c.txt"));
    EXPECT_FALSE(rig.machine.files.exists(kLocal + "\\Vendor\\Logs\\b.log"));
    EXPECT_TRUE(rig.machine.files.exists(kLocal + "\\Vendor\\Cache"));
    EXPECT_FALSE(rig.machine.files.exists(kLocal + "\\Vendor\\Cache\\x"));
    // The cache goes after the files.
    ASSERT_FALSE(rig.machine.files.removed.empty());
    EXPECT_EQ(rig.machine.files.removed.back(), kLocal + "\\Vendor\\Cache");
}

TEST(Plugins, RootFieldReadsTheStartOfTheTextAsASigned32BitHandle) {
    const struct {
        const char* root;
        bool removed;
        double entries;  // 0 when the line is skipped
    } cases[] = {
        {"-2147483647", true, 5},
        {"&H80000001", true, 5},
        {"&h80000001", true, 5},
        {"  -2147483647 trailing text", true, 5},
        {"-2147483647.2", true, 5},
        {"-2147483646", false, 5},  // HKEY_LOCAL_MACHINE has no such key
        {"abc", false, 5},          // no number: no root, counted all the same
        {"", false, 5},
        {"5", false, 5},           // a number but no predefined root
        {"2147483649", false, 0},  // does not fit a signed 32-bit value: skipped
        {"-2147483649", false, 0},
        {"&H180000001", false, 0},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.machine.addRegistry("[HKEY_CURRENT_USER\\Software\\Vendor\\Tool\\Sub]\n");
        rig.runPlugin(std::string("[regtree]\n1=") + c.root + ",Software\\Vendor\\Tool\n");
        EXPECT_EQ(!rig.machine.registry.keyExists(kCurrentUser, "Software\\Vendor\\Tool"),
                  c.removed)
            << c.root;
        EXPECT_EQ(rig.entries(), c.entries) << c.root;
    }
}

TEST(Plugins, LinesLackingAFieldAreSkipped) {
    const struct {
        const char* line;
        double entries;
        double bytes;
    } cases[] = {
        {"[reg]\n1=-2147483647,Software\\Vendor\n", 0, 0},
        {"[reg]\n1=-2147483647,Software\\Vendor,Last\n", 1, 0},
        {"[regtree]\n1=-2147483647\n", 0, 0},
        {"[regtree]\n1=-2147483647,\n", 5, 0},  // an empty sub-key never names the whole root
        {"[file]\n1=appdata,\\Vendor\n", 0, 0},
        {"[file]\n1=appdata,\\Vendor,a.dat\n", 0, 100},
        {"[fileext]\n1=appdata,\\Vendor,\n", 0, 0},  // an empty extension would match "noext"
        {"[folder]\n1=appdata\n", 0, 0},
        {"[file]\nno equals sign here\n", 0, 0},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.machine.addRegistry("[HKEY_CURRENT_USER\\Software\\Vendor]\n\"Last\"=\"x\"\n");
        rig.machine.addFiles(kRoaming + "\\Vendor\\a.dat | size=100\n" + kRoaming +
                             "\\Vendor\\noext | size=50");
        rig.runPlugin(c.line);
        EXPECT_EQ(rig.entries(), c.entries) << c.line;
        EXPECT_EQ(rig.bytes(), c.bytes) << c.line;
        EXPECT_TRUE(rig.machine.registry.keyExists(kCurrentUser, "Software\\Vendor")) << c.line;
        EXPECT_TRUE(rig.machine.files.exists(kRoaming + "\\Vendor\\noext")) << c.line;
    }
}

TEST(Plugins, BaseIsAppDataLocalAppDataOrAFolderTakenAsItIs) {
    const struct {
        const char* base;
        const char* removedFile;  // empty when nothing may go
    } cases[] = {
        {"appdata", "C:\\Users\\ann\\AppData\\Roaming\\Vendor\\a.dat"},
        {"localappdata", "C:\\Users\\ann\\AppData\\Local\\Vendor\\a.dat"},
        {"C:\\Data", "C:\\Data\\Vendor\\a.dat"},
        {"AppData", ""},   // matched in lower case only: a relative folder
        {"appdata ", ""},  // blanks stay part of the field
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.machine.addFiles(kRoaming + "\\Vendor\\a.dat | size=1\n" + kLocal +
                             "\\Vendor\\a.dat | size=1\nC:\\Data\\Vendor\\a.dat | size=1");
        rig.runPlugin(std::string("[file]\n1=") + c.base + ",\\Vendor,a.dat\n");
        const std::vector<std::string> expected =
            *c.removedFile ? std::vector<std::string>{c.removedFile} : std::vector<std::string>{};
        EXPECT_EQ(rig.machine.files.removed, expected) << c.base;
    }
}

// A plug-in line is outside input: whatever it says, nothing goes beyond the folder it names,
// and never one of the user's own folders or a folder above them.
TEST(Plugins, NoLineReachesBeyondItsTarget) {
    const char* const lines[] = {
        "[folder]\n1=appdata,\n",
        "[folder]\n1=appdata,\\\n",
        "[folder]\n1=appdata,\\\\\n",
        "[folder]\n1=localappdata,\\..\n",
        "[folder]\n1=appdata,\\..\\Local\n",
        "[folder]\n1=appdata,\\.\n",
        "[folder]\n1=appdata,\\Vendor\\..\\..\n",
        "[folder]\n1=appdata,\\Vendor/../..\n",
        "[folder]\n1=appdata,\\\\Vendor\\..\n",
        "[folder]\n1=C:\\Users,\n",
        "[folder]\n1=C:\\Users\\ann\\AppData,\n",
        "[folder]\n1=C:\\Users\\,ann\n",
        "[folder]\n1=C:\\Users\\\\ann,\n",
        "[folder]\n1=C:,\\\n",
        "[folder]\n1=C:,\n",
        "[folder]\n1=C:\\Users\\ann\\AppData\\Roaming::$INDEX_ALLOCATION,\n",
        "[folder]\n1=C:\\Users\\ann\\Documents,\n",
        "[folder]\n1=C:\\Windows,\n",
        "[folder]\n1=C:\\Program Files,\n",
        "[folder]\n1=C:\\Program Files\\Halvane,\n",
        "[folder]\n1=Vendor,\\Tool\n",
        "[folder]\n1=%USERPROFILE%,\\AppData\n",
        "[folder]\n1=appdata,\\Link\n",
        "[folder]\n1=appdata,\\Link\\Temp\n",
        "[file]\n1=appdata,\\Link,win.ini\n",
        "[fileext]\n1=appdata,\\Link,ini\n",
        "[fileext]\n1=appdata,\\Link\\Temp,tmp\n",
        "[fileext]\n1=C:\\Users\\ann\\AppData\\Roaming\\\\..,dat\n",
    };
    const std::vector<std::string> sentinels = {kRoaming + "\\roaming.dat",
                                                kLocal + "\\local.dat",
                                                "C:\\Users\\ann\\ann.dat",
                                                "C:\\Users\\ann\\Documents\\letter.doc",
                                                "C:\\Users\\bob\\bob.dat",
                                                "C:\\Windows\\win.ini",
                                                "C:\\Windows\\Temp\\w.tmp",
                                                "C:\\Program Files\\Halvane\\hvset.dat",
                                                "C:\\Program Files\\Other\\other.exe"};
    for (const char* line : lines) {
        Rig rig;
        for (const auto& file : sentinels) rig.machine.addFiles(file + " | size=10");
        rig.machine.files.addFolderLink(kRoaming + "\\Link", "C:\\Windows");
        rig.runPlugin(line);
        for (const auto& file : sentinels) EXPECT_TRUE(rig.machine.files.exists(file)) << line;
        EXPECT_TRUE(rig.machine.files.exists(kRoaming + "\\Link")) << line;
        EXPECT_EQ(rig.bytes(), 0) << line;
    }
}

TEST(Plugins, AFolderBelowAUserFolderIsEmptiedAndAMissingOneCreated) {
    Rig rig;
    rig.machine.addFiles(kRoaming + "\\Vendor\\Tool\\a.bin | size=10\n" + kRoaming +
                         "\\Vendor\\keep.txt | size=3");
    rig.runPlugin("[folder]\n1=appdata,\\Vendor\\Tool\n2=appdata,\\Vendor\\New\n");
    EXPECT_EQ(rig.bytes(), 10);
    EXPECT_TRUE(rig.machine.files.exists(kRoaming + "\\Vendor\\Tool"));
    EXPECT_FALSE(rig.machine.files.exists(kRoaming + "\\Vendor\\Tool\\a.bin"));
    EXPECT_TRUE(rig.machine.files.exists(kRoaming + "\\Vendor\\New"));
    EXPECT_TRUE(rig.machine.files.exists(kRoaming + "\\Vendor\\keep.txt"));
}

TEST(Plugins, ARowWhoseFileIsMissingIsDoneWithTheFixedAmountsOnly) {
    Rig rig;
    // The list text is "Other", so the run looks for Other.hve.
    rig.addPlugin("Tool.hve",
                  "[name]\nappname=Other\n[swich]\non=1\n[regtree]\n1=-2147483647,Software\\V\n");
    rig.machine.addRegistry("[HKEY_CURRENT_USER\\Software\\V]\n");
    rig.run.CleanNow();
    ASSERT_EQ(rig.report.rows.size(), 2u);
    EXPECT_EQ(rig.report.rows[0].item, "Other");
    EXPECT_EQ(rig.report.rows[0].status, "Done");
    EXPECT_TRUE(rig.machine.registry.keyExists(kCurrentUser, "Software\\V"));
    EXPECT_EQ(rig.run.RemovedEntries, 1);
    EXPECT_EQ(rig.run.ReleasedBytes, 50000);
}

TEST(Plugins, ShippedPluginsAreValid) {
    const std::filesystem::path folder =
        std::filesystem::path(HV_SOURCE_DIR) / "packaging" / "app" / "plus-in";
    int shipped = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++shipped;
        const std::string fileName = entry.path().filename().string();
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        Rig rig;
        rig.addPlugin(fileName, text.str());

        const auto rows = ListPlugins(rig.os);
        ASSERT_EQ(rows.size(), 1u) << fileName;
        // The run finds the file again by its list text.
        EXPECT_EQ(rows[0].name + ".hve", fileName);
        EXPECT_FALSE(rows[0].version.empty()) << fileName;
        EXPECT_FALSE(rows[0].ticked) << fileName;

        const auto actions =
            ReadPluginActions(rig.os.profile, rig.run.env, PluginFile(rig.os.system, rows[0].name));
        EXPECT_EQ(actions.skipped, std::vector<std::string>{}) << fileName;
        EXPECT_FALSE(actions.actions.empty()) << fileName;
        for (const auto& action : actions.actions) {
            if (action.folder.empty())
                EXPECT_EQ(action.root, kCurrentUser) << fileName << ": " << action.subKey;
            else
                EXPECT_GT(action.trustedLength, 0u) << fileName << ": " << action.folder;
        }
    }
    EXPECT_GT(shipped, 0);
}

}  // namespace
}  // namespace hv
