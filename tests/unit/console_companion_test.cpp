#include "ui/console_companion.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/clean_run.h"
#include "engine/custom_items.h"
#include "engine/inifun.h"
#include "platform/sim/machine.h"

namespace hv {
namespace {

using namespace targets;

std::string toolFolder(CleanRun& run) {
    return run.env.AppDataFolder + "\\Tool";
}

void rebootNeeded(CleanRun& run) {
    run.setResultText("Need to reboot your computer!");
}

void noteSomething(CleanRun& run) {
    run.runState["noted"] = "1";
}

// A few items in the shape of the real ones, a silent step among them, then "Custom Item".
const std::vector<CleanItem> kItems = {
    {"TOOL", "Files", "Tool files", "Tool Files", {DeleteFilesNamed(toolFolder, "", "a.dat")}, 5},
    {"", "", "", "", {Step(noteSomething)}},
    {"TOOL", "Keys", "Tool keys", "Tool Registry", {DeleteRegTree(kCurrentUser, "Software\\T")}},
    {"tool", "Reboot", "Tool reboot", "Tool Reboot", {Step(rebootNeeded)}, 9},
    CustomItem(),
};

class ConsoleCompanionTest : public ::testing::Test {
  protected:
    int companion(std::vector<std::string> args) {
        return console::RunCompanion(args, out, err, os, kItems);
    }

    sim::Machine machine;
    Platform os = machine.platform();
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ConsoleCompanionTest, Arguments) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* outSays;  // empty: nothing printed
        const char* errSays;
    } cases[] = {
        {{}, 0, "Usage: halvanec", ""},
        {{"--help"}, 0, "Usage: halvanec", ""},
        {{"--bogus"}, 2, "", "unknown argument '--bogus'"},
        {{"min"}, 2, "", "unknown argument 'min'"},
        {{"--list", "--clean"}, 2, "", "expected one argument"},
    };
    for (const auto& c : cases) {
        out.str("");
        err.str("");
        EXPECT_EQ(companion(c.args), c.exitCode) << c.outSays << c.errSays;
        if (*c.outSays)
            EXPECT_NE(out.str().find(c.outSays), std::string::npos) << out.str();
        else
            EXPECT_EQ(out.str(), "");
        if (*c.errSays)
            EXPECT_NE(err.str().find(c.errSays), std::string::npos) << err.str();
        else
            EXPECT_EQ(err.str(), "");
    }
    EXPECT_FALSE(machine.files.exists(machine.settingsFile()));  // nothing was cleaned
}

TEST_F(ConsoleCompanionTest, ListPrintsEveryItemWithARowInCleanRunOrder) {
    EXPECT_EQ(companion({"--list"}), 0);
    EXPECT_EQ(out.str(),
              "TOOL\tFiles\tTool files\tTool Files\n"
              "TOOL\tKeys\tTool keys\tTool Registry\n"
              "tool\tReboot\tTool reboot\tTool Reboot\n"
              "Custom\tCustom\tCustom Clean Items\tCustom Item\n");
}

TEST_F(ConsoleCompanionTest, CleanPrintsFinishedRowsAndRecordsTheRunDespiteTheExitOption) {
    machine.setSetting("TOOL", "Files", "1");
    machine.setSetting("TOOL", "Keys", "0");
    machine.setSetting("TOOL", "Reboot", "1");
    machine.setSetting("Custom", "Custom", "1");
    machine.setSetting("Options", "exit", "1");
    machine.addFiles(R"(C:\Users\ann\AppData\Roaming\Tool\a.dat | size=1000)");
    machine.files.addTextFile("C:\\Program Files\\Halvane\\plus-in\\Sample.hve",
                              "[name]\r\nappname=Sample\r\n[swich]\r\non=1\r\n");

    EXPECT_EQ(companion({"--clean"}), 0);
    EXPECT_EQ(out.str(),
              "Tool Files\tDone\n"
              "Tool Reboot\tNeed to reboot your computer!\n"
              "Custom Item\tFail, Can't find file!\n"
              "Sample\tDone\n"
              "Task complete Successfully! Cleaned Registry Keys: 1, Released HD Space: "
              "0.06MB\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_FALSE(machine.files.exists("C:\\Users\\ann\\AppData\\Roaming\\Tool\\a.dat"));
    const std::string file = machine.settingsFile();
    EXPECT_EQ(ReadIni(machine.profile, file, "Options", "regnum"), "1");
    EXPECT_EQ(ReadIni(machine.profile, file, "Options", "filesize"), "61000");
    EXPECT_FALSE(ReadIni(machine.profile, file, "Options", "lastclean").empty());
    EXPECT_TRUE(machine.dialogs.shown.empty());  // no message box on a console
}

TEST(ConsoleReport, PrintsARowOnceItIsFinished) {
    std::ostringstream out;
    console::ConsoleReport report(out);
    const auto first = report.addRow("One", "Cleaning One ......");
    EXPECT_EQ(out.str(), "");
    report.setRowStatus(first, "Done");
    EXPECT_EQ(out.str(), "");
    report.addRow("Two", "Cleaning Two ......");
    EXPECT_EQ(out.str(), "One\tDone\n");
    report.flush();
    EXPECT_EQ(out.str(), "One\tDone\nTwo\tCleaning Two ......\n");
    report.flush();
    EXPECT_EQ(out.str(), "One\tDone\nTwo\tCleaning Two ......\n");
}

}  // namespace
}  // namespace hv
