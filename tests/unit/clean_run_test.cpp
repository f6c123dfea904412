#include "engine/clean_run.h"

#include <gtest/gtest.h>

#include "engine/inifun.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv {
namespace {

using namespace targets;

std::string toolFolder(CleanRun& run) {
    return run.env.AppDataFolder + "\\Tool";
}

void rebootNeeded(CleanRun& run) {
    run.setResultText("Need to reboot your computer!");
}

// A small catalogue in the shape of the real one.
const std::vector<CleanItem> kItems = {
    {"TOOL", "Files", "Tool files", "Tool Files", {DeleteFilesNamed(toolFolder, "", "a.dat")}, 5},
    {"TOOL", "Cache", "Tool cache", "Tool Cache", {EmptyFolder(toolFolder, "\\cache")}, 6},
    {"TOOL",
     "Keys",
     "Tool keys",
     "Tool Registry",
     {DeleteRegTree(kCurrentUser, "Software\\Tool"), DeleteRegValue(kCurrentUser, "Software", "x"),
      AddEntries(15), AddBytes(500000)},
     kNoCheckpoint},
    {"tool", "Reboot", "Tool reboot", "Tool Reboot", {Step(rebootNeeded)}, 9},
};

class CleanRunTest : public ::testing::Test {
  protected:
    CleanRunTest() {
        run.env = ComputeEnvironment(os);
        run.setItems(kItems);
        machine.addFiles(R"(
            C:\Users\ann\AppData\Roaming\Tool\a.dat | size=1000
            C:\Users\ann\AppData\Roaming\Tool\cache\c.bin | size=3660016
        )");
    }
    void set(const std::string& section, const std::string& key, const std::string& value) {
        machine.setSetting(section, key, value);
    }
    std::string setting(const std::string& key) {
        return ReadIni(machine.profile, machine.settingsFile(), "Options", key);
    }

    sim::Machine machine;
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run{os, report};
};

TEST_F(CleanRunTest, AllSwitchesOffListsOnlyTheCompletionRow) {
    run.CleanNow();
    ASSERT_EQ(report.rows.size(), 1u);
    EXPECT_EQ(report.rows[0].item, "Task complete Successfully!");
    EXPECT_EQ(report.rows[0].status, "");
    EXPECT_EQ(report.progress, (std::vector<int>{1, 5, 6, 9, 97, 100}));
    EXPECT_EQ(report.completions,
              std::vector<std::string>{"Task Complete|Task complete Successfully! Cleaned "
                                       "Registry Keys: 0, Released HD Space: 0.00MB"});
    EXPECT_EQ(report.statusLine, "Task complete Successfully!");
    EXPECT_TRUE(report.startEnabled);
    EXPECT_FALSE(report.busyPointer);
    EXPECT_TRUE(machine.files.exists("C:\\Users\\ann\\AppData\\Roaming\\Tool\\a.dat"));
}

TEST_F(CleanRunTest, ItemsRunOnlyOnTheExactText1AndCountWhatThePrimitivesReturn) {
    set("TOOL", "Files", " 1 ");
    set("TOOL", "Cache", "01");
    set("TOOL", "Keys", "1");
    set("TOOL", "Reboot", "1");
    machine.addRegistry("[HKEY_CURRENT_USER\\Software\\Tool\\Sub]\n");
    run.CleanNow();
    ASSERT_EQ(report.rows.size(), 4u);
    EXPECT_EQ(report.rows[0].item, "Tool Files");
    EXPECT_EQ(report.rows[0].status, "Done");
    EXPECT_EQ(report.rows[1].item, "Tool Registry");
    EXPECT_EQ(report.rows[2].item, "Tool Reboot");
    EXPECT_EQ(report.rows[2].status, "Need to reboot your computer!");
    EXPECT_FALSE(machine.registry.keyExists(kCurrentUser, "Software\\Tool"));
    EXPECT_TRUE(machine.files.exists("C:\\Users\\ann\\AppData\\Roaming\\Tool\\cache\\c.bin"));
    // 1000 + 10000 + 500000 bytes; 5 + 1 + 15 entries.
    EXPECT_EQ(setting("filesize"), "511000");
    EXPECT_EQ(setting("regnum"), "21");
    EXPECT_EQ(report.statistics, "  Cleaned Registry Keys: 21     Released HD Space:0.49MB");
    EXPECT_EQ(report.lastClean, "12/11/2026 9:00:00 AM");
}

TEST_F(CleanRunTest, StatusStepShowsTheCleaningTextWhileTheItemRuns) {
    set("TOOL", "Cache", "1");
    std::vector<std::string> seen;
    machine.events.onDoEvents = [&] { seen.push_back(report.statusLine); };
    run.CleanNow();
    EXPECT_EQ(report.rows[0].item, "Tool Cache");
    EXPECT_EQ(report.rows[0].status, "Done");
    EXPECT_TRUE(report.cleaningViewShown);
    // The yield of showstatus comes before the row; the status line then reads the row's text.
    EXPECT_EQ(seen.at(0), "");
    EXPECT_EQ(machine.files.removed.back(), "C:\\Users\\ann\\AppData\\Roaming\\Tool\\cache");
}

TEST_F(CleanRunTest, TheAnnouncementShowsPlainCountsAndTwoDecimalMegabytes) {
    static const std::vector<CleanItem> items = {
        {"X", "y", "c", "Twelve", {AddEntries(12), AddBytes(3670016)}, kNoCheckpoint}};
    run.setItems(items);
    set("X", "y", "1");
    run.CleanNow();
    EXPECT_EQ(report.completions.back(),
              "Task Complete|Task complete Successfully! Cleaned Registry Keys: 12, Released HD "
              "Space: 3.50MB");
}

TEST_F(CleanRunTest, PluginsRunInListOrderAndEachAddsOneEntryAnd50000Bytes) {
    std::vector<std::string> executed;
    run.tickedPlugins = [] { return std::vector<std::string>{"Alpha", "Beta"}; };
    run.processshell = [&](CleanRun&, const std::string& file) { executed.push_back(file); };
    run.CleanNow();
    EXPECT_EQ(executed,
              (std::vector<std::string>{"C:\\Program Files\\Halvane\\plus-in\\Alpha.hve",
                                        "C:\\Program Files\\Halvane\\plus-in\\Beta.hve"}));
    EXPECT_EQ(report.items(),
              (std::vector<std::string>{"Alpha", "Beta", "Task complete Successfully!"}));
    EXPECT_EQ(report.rows[0].status, "Done");
    EXPECT_EQ(setting("regnum"), "2");
    EXPECT_EQ(setting("filesize"), "100000");
}

TEST_F(CleanRunTest, ExitEndsTheProgramWithoutRecordingTheRun) {
    set("Options", "regnum", "4");
    set("Options", "lastclean", "earlier");
    set("Options", "exit", "1");
    set("TOOL", "Files", "1");
    run.CleanNow();
    EXPECT_TRUE(report.exited);
    EXPECT_EQ(setting("regnum"), "4");
    EXPECT_EQ(setting("lastclean"), "earlier");
    EXPECT_EQ(setting("filesize"), "");
    EXPECT_TRUE(report.completions.empty());
    EXPECT_TRUE(report.notifications.empty());
    EXPECT_EQ(report.progress.back(), 97);
}

TEST_F(CleanRunTest, AnAutomaticRunRaisesOnePopupInsteadOfAMessage) {
    run.AutomaticRun = true;
    run.CleanNow();
    EXPECT_TRUE(report.completions.empty());
    ASSERT_EQ(report.notifications.size(), 1u);
    const NotificationRequest& n = report.notifications[0];
    EXPECT_EQ(n.key, "www");
    EXPECT_EQ(n.title, "Halvane");
    EXPECT_EQ(n.description,
              "Halvane Clean is done! Cleaned Registry Keys: 0 Released HD Space:0.00MB");
    EXPECT_TRUE(n.queueSeparately);
    EXPECT_TRUE(n.enableClickEvent);
    EXPECT_EQ(n.soundFile, "C:\\Program Files\\Halvane\\Sounds\\Message.wav");
    EXPECT_FALSE(run.AutomaticRun);
}

TEST_F(CleanRunTest, AStartDuringARunIsIgnored) {
    set("TOOL", "Files", "1");
    int nested = 0;
    machine.events.onDoEvents = [&] {
        ++nested;
        run.CleanNow();
    };
    run.CleanNow();
    EXPECT_GT(nested, 0);
    EXPECT_EQ(report.completions.size(), 1u);
    EXPECT_FALSE(run.running());
}

TEST_F(CleanRunTest, CountersStartFromZeroOnEveryRun) {
    static const std::vector<CleanItem> five = {
        {"X", "y", "c", "Five", {AddEntries(5)}, kNoCheckpoint}};
    static const std::vector<CleanItem> seven = {
        {"X", "y", "c", "Seven", {AddEntries(7)}, kNoCheckpoint}};
    set("X", "y", "1");
    run.setItems(five);
    run.CleanNow();
    run.setItems(seven);
    run.CleanNow();
    EXPECT_EQ(setting("regnum"), "7");
    EXPECT_EQ(report.rows.size(), 2u);
}

TEST_F(CleanRunTest, RunAndWaitPollsUntilTheCommandEndsThenFocusesTheWindow) {
    machine.process.script("InetCpl.cpl", 3);
    run.RunAndWait("RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8");
    EXPECT_EQ(machine.process.started.size(), 1u);
    EXPECT_EQ(machine.events.doEventsCount, 3);
    EXPECT_EQ(machine.process.openHandles, 0);
    EXPECT_EQ(report.focusCount, 1);
}

TEST_F(CleanRunTest, RunAndWaitGivesUpOnAHungCommandAfterTenMinutes) {
    machine.process.script("hang", sim::SimProcess::kNeverExits);
    const auto before = machine.events.tickMs();
    run.RunAndWait("hang.exe");
    const auto waited = machine.events.tickMs() - before;
    EXPECT_GE(waited, CleanRun::kRunAndWaitLimitMs);
    EXPECT_LT(waited, CleanRun::kRunAndWaitLimitMs + 1000);
    EXPECT_EQ(machine.process.openHandles, 0);
}

TEST_F(CleanRunTest, RunAndWaitSkipsACommandThatCannotStart) {
    machine.process.refuse("missing");
    run.RunAndWait("missing.exe");
    EXPECT_TRUE(machine.process.started.empty());
    EXPECT_EQ(machine.events.doEventsCount, 0);
}

TEST_F(CleanRunTest, FormatsOfTheFigures) {
    EXPECT_EQ(MegabyteText(0), "0.00");
    EXPECT_EQ(MegabyteText(3670016), "3.50");
    EXPECT_EQ(MegabyteText(1048576.0 * 1024 * 5), "5120.00");
    EXPECT_EQ(GeneralDateTime({2026, 1, 2, 0, 5, 9, 5}), "1/2/2026 12:05:09 AM");
    EXPECT_EQ(GeneralDateTime({2026, 12, 31, 23, 59, 0, 4}), "12/31/2026 11:59:00 PM");
    EXPECT_TRUE(IsArraryEmpty({}));
    EXPECT_FALSE(IsArraryEmpty({""}));
}

}  // namespace
}  // namespace hv
